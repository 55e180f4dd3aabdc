// A small X11 client for the tests that run the program on a display:
//   x11_probe window W H X Y   makes a plain black window of another program at (X, Y), prints its
//                              number ("0x...") and keeps it until it is ended;
//   x11_probe pixels X,Y ...   prints "R G B" for each point of the screen, a line each;
//   x11_probe children WINDOW  prints how many windows WINDOW holds.
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "screen/screen_probe.h"

namespace {

using lumivel::bench::ScreenProbe;

int Usage() {
  std::fprintf(stderr, "usage: x11_probe window W H X Y | pixels X,Y ... | children WINDOW\n");
  return 64;
}

int MakeWindow(Display* display, char** argv) {
  const int screen = DefaultScreen(display);
  const Window window = XCreateSimpleWindow(
      display, RootWindow(display, screen), std::atoi(argv[3]), std::atoi(argv[4]),
      static_cast<unsigned>(std::atoi(argv[1])), static_cast<unsigned>(std::atoi(argv[2])), 0,
      BlackPixel(display, screen), BlackPixel(display, screen));
  // Placed where asked, without a window manager's say.
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  XChangeWindowAttributes(display, window, CWOverrideRedirect, &attributes);
  XMapWindow(display, window);
  XSync(display, False);
  std::printf("0x%lx\n", window);
  std::fflush(stdout);
  for (;;) pause();
}

int PrintPixels(const ScreenProbe& screen, int count, char** points) {
  for (int i = 0; i < count; ++i) {
    int x = 0, y = 0;
    if (std::sscanf(points[i], "%d,%d", &x, &y) != 2) return Usage();
    const auto colour = screen.PixelAt(x, y);
    std::printf("%d %d %d\n", colour.r, colour.g, colour.b);
  }
  return 0;
}

int PrintChildren(Display* display, const char* number) {
  Window root = 0, parent = 0, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, std::strtoul(number, nullptr, 0), &root, &parent, &children, &count)) return 1;
  if (children) XFree(children);
  std::printf("%u\n", count);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  auto screen = ScreenProbe::Open();
  if (!screen) {
    std::fprintf(stderr, "x11_probe: no display\n");
    return 1;
  }
  const std::string command = argv[1];
  if (command == "window" && argc == 6) return MakeWindow(screen->Handle(), argv + 1);
  if (command == "pixels" && argc > 2) return PrintPixels(*screen, argc - 2, argv + 2);
  if (command == "children" && argc == 3) return PrintChildren(screen->Handle(), argv[2]);
  return Usage();
}
