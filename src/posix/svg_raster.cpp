#include "posix/svg_raster.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <algorithm>

#include "posix/picture_memory.h"

namespace lumivel {

namespace {

template <typename T, void (*Release)(T*)>
struct Owned {
  T* p = nullptr;
  explicit Owned(T* q) : p(q) {}
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  ~Owned() {
    if (p) Release(p);
  }
};

void Unref(RsvgHandle* handle) { g_object_unref(handle); }

}  // namespace

bool DrawSvg(const char* svg, size_t length, Picture& picture) {
  // Read without a base address, so that nothing outside the text is ever loaded.
  Owned<RsvgHandle, Unref> handle(
      rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svg), length, nullptr));
  if (!handle.p) return false;
  const int width = picture.pixelWidth, height = picture.pixelHeight;
  const size_t count = size_t(width) * size_t(height);
  picture.pixels = NewPixelBuffer(count);
  std::fill_n(picture.pixels.data(), count, Rgb32(255, 255, 255));
  // Cairo's 32-bit pixels are premultiplied ARGB words; drawn over opaque white they stay opaque,
  // which is the window's form.
  Owned<cairo_surface_t, cairo_surface_destroy> surface(cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(picture.pixels.data()), CAIRO_FORMAT_ARGB32, width, height,
      width * 4));
  if (cairo_surface_status(surface.p) != CAIRO_STATUS_SUCCESS) return false;
  Owned<cairo_t, cairo_destroy> cairo(cairo_create(surface.p));
  const RsvgRectangle viewport{0, 0, double(width), double(height)};
  const bool drawn = rsvg_handle_render_document(handle.p, cairo.p, &viewport, nullptr);
  cairo_surface_flush(surface.p);
  return drawn;
}

}  // namespace lumivel
