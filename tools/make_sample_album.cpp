// Writes a small album of sample photos, so a first start on an empty machine has something to
// show:
//   make_sample_album FOLDER
// Twelve JPEGs in dated sub-folders ("2014-10 Avignon", ...): gradients and shapes, landscape,
// portrait and panorama, one at a camera's 6000 x 4000. Some are stored turned or mirrored with
// the EXIF orientation tag that sets them upright again; every picture carries an arrow that
// points up once it is shown the right way.
#include <turbojpeg.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

struct Rgb {
  double r = 0, g = 0, b = 0;
};

Rgb Mix(Rgb a, Rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

class Canvas {
 public:
  Canvas(int width, int height)
      : width_(width), height_(height), pixels_(size_t(width) * size_t(height) * 3) {}
  int Width() const { return width_; }
  int Height() const { return height_; }

  void Fill(const std::function<Rgb(double x, double y)>& colour) {
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) Set(x, y, colour(double(x) / width_, double(y) / height_));
    }
  }
  // Shapes take coordinates as fractions of the width and height.
  void Disc(double cx, double cy, double radius, Rgb colour) {
    const double r = radius * std::min(width_, height_);
    Paint(cx * width_ - r, cy * height_ - r, cx * width_ + r, cy * height_ + r, [&](double x, double y) {
      return std::hypot(x - cx * width_, y - cy * height_) <= r;
    }, colour);
  }
  void Box(double left, double top, double right, double bottom, Rgb colour) {
    Paint(left * width_, top * height_, right * width_, bottom * height_, [](double, double) { return true; },
          colour);
  }
  void Triangle(double x0, double y0, double x1, double y1, double x2, double y2, Rgb colour) {
    const double ax = x0 * width_, ay = y0 * height_, bx = x1 * width_, by = y1 * height_;
    const double cx = x2 * width_, cy = y2 * height_;
    auto side = [](double px, double py, double qx, double qy, double x, double y) {
      return (qx - px) * (y - py) - (qy - py) * (x - px);
    };
    Paint(std::min({ax, bx, cx}), std::min({ay, by, cy}), std::max({ax, bx, cx}), std::max({ay, by, cy}),
          [&](double x, double y) {
            const double d0 = side(ax, ay, bx, by, x, y), d1 = side(bx, by, cx, cy, x, y);
            const double d2 = side(cx, cy, ax, ay, x, y);
            return (d0 >= 0 && d1 >= 0 && d2 >= 0) || (d0 <= 0 && d1 <= 0 && d2 <= 0);
          },
          colour);
  }
  // A white arrow pointing to the top, near the top left corner.
  void UpArrow() {
    const double size = 0.12 * std::min(width_, height_);
    const double x = 0.06 * width_ + size / 2, y = 0.06 * height_;
    const double w = width_, h = height_;
    Triangle((x - size / 2) / w, (y + size / 2) / h, x / w, y / h, (x + size / 2) / w, (y + size / 2) / h,
             {250, 250, 250});
    Box((x - size / 6) / w, (y + size / 2) / h, (x + size / 6) / w, (y + size * 1.2) / h, {250, 250, 250});
  }

  void Set(int x, int y, Rgb c) {
    uint8_t* p = &pixels_[(size_t(y) * size_t(width_) + size_t(x)) * 3];
    p[0] = static_cast<uint8_t>(std::clamp(c.r, 0.0, 255.0));
    p[1] = static_cast<uint8_t>(std::clamp(c.g, 0.0, 255.0));
    p[2] = static_cast<uint8_t>(std::clamp(c.b, 0.0, 255.0));
  }
  const uint8_t* At(int x, int y) const { return &pixels_[(size_t(y) * size_t(width_) + size_t(x)) * 3]; }

 private:
  void Paint(double left, double top, double right, double bottom, const std::function<bool(double, double)>& inside,
             Rgb colour) {
    const int x0 = std::max(0, int(left)), x1 = std::min(width_ - 1, int(right));
    const int y0 = std::max(0, int(top)), y1 = std::min(height_ - 1, int(bottom));
    for (int y = y0; y <= y1; ++y) {
      for (int x = x0; x <= x1; ++x) {
        if (inside(x + 0.5, y + 0.5)) Set(x, y, colour);
      }
    }
  }

  int width_, height_;
  std::vector<uint8_t> pixels_;  // RGB, rows top to bottom
};

// The pixels as stored for an EXIF orientation: turned or mirrored so that a viewer applying the
// tag gets the upright picture back.
std::vector<unsigned char> StoredPixels(const Canvas& upright, int orientation, int& width, int& height) {
  const int w = upright.Width(), h = upright.Height();
  const bool sideways = orientation >= 5;
  width = sideways ? h : w;
  height = sideways ? w : h;
  std::vector<unsigned char> rgb(size_t(width) * size_t(height) * 3);
  for (int sy = 0; sy < height; ++sy) {
    for (int sx = 0; sx < width; ++sx) {
      int ux = sx, uy = sy;
      switch (orientation) {
        case 2: ux = w - 1 - sx; break;
        case 3: ux = w - 1 - sx; uy = h - 1 - sy; break;
        case 6: ux = w - 1 - sy; uy = sx; break;
        case 8: ux = sy; uy = h - 1 - sx; break;
        default: break;
      }
      std::copy_n(upright.At(ux, uy), 3, &rgb[(size_t(sy) * size_t(width) + size_t(sx)) * 3]);
    }
  }
  return rgb;
}

// An APP1 segment whose TIFF block (big-endian) holds only the orientation tag.
std::string OrientationSegment(int orientation) {
  const unsigned char bytes[] = {0xFF, 0xE1, 0x00, 0x22, 'E', 'x', 'i', 'f', 0, 0,
                                 'M', 'M', 0x00, 0x2A, 0x00, 0x00, 0x00, 0x08,  // TIFF header
                                 0x00, 0x01,                                    // one entry
                                 0x01, 0x12, 0x00, 0x03, 0x00, 0x00, 0x00, 0x01,  // 0x0112 SHORT x1
                                 0x00, static_cast<unsigned char>(orientation), 0x00, 0x00,
                                 0x00, 0x00, 0x00, 0x00};  // no next IFD
  return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

bool WriteJpeg(const std::filesystem::path& file, const Canvas& upright, int orientation) {
  int width = 0, height = 0;
  const std::vector<unsigned char> rgb = StoredPixels(upright, orientation, width, height);
  tjhandle tj = tjInitCompress();
  unsigned char* jpeg = nullptr;
  unsigned long size = 0;
  const bool encoded = tj && tjCompress2(tj, rgb.data(), width, 0, height, TJPF_RGB, &jpeg, &size,
                                         TJSAMP_420, 88, 0) == 0;
  std::string bytes = encoded ? std::string(reinterpret_cast<const char*>(jpeg), size) : std::string();
  if (jpeg) tjFree(jpeg);
  if (tj) tjDestroy(tj);
  if (!encoded) return false;
  if (orientation != 1) bytes.insert(2, OrientationSegment(orientation));
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
  return static_cast<bool>(out.flush());
}

struct Sample {
  const char* path;
  int width, height;
  int orientation;
  std::function<void(Canvas&)> draw;
};

std::vector<Sample> Samples() {
  const Rgb night{12, 18, 60}, dusk{240, 120, 60}, sea{20, 90, 150}, sand{225, 205, 160};
  const Rgb leaf{40, 130, 60}, sky{120, 180, 235}, snow{245, 245, 250}, rock{90, 85, 95};
  return {
      {"2014-10 Avignon/IMG_0012.jpg", 1600, 1200, 1,
       [=](Canvas& c) {
         c.Fill([=](double, double y) { return Mix(night, dusk, y * 1.3); });
         c.Disc(0.65, 0.62, 0.16, {255, 210, 90});
         c.Box(0, 0.78, 1, 1, {40, 30, 35});
       }},
      {"2014-10 Avignon/IMG_0013.jpg", 1200, 1600, 6,
       [=](Canvas& c) {
         c.Fill([=](double, double y) { return Mix(sky, {250, 240, 220}, y); });
         c.Box(0.35, 0.25, 0.65, 1, {200, 170, 120});
         c.Triangle(0.3, 0.25, 0.5, 0.08, 0.7, 0.25, {160, 60, 40});
       }},
      {"2016-07 Bretagne/DSC_0101.jpg", 2400, 1000, 1,
       [=](Canvas& c) {
         c.Fill([=](double x, double y) {
           return y < 0.45 ? Mix(sky, snow, y * 2) : Mix(sea, sand, (y - 0.45) * 1.8 + 0.05 * std::sin(x * 60));
         });
       }},
      {"2016-07 Bretagne/DSC_0102.jpg", 1600, 1200, 3,
       [=](Canvas& c) {
         c.Fill([=](double, double y) { return y < 0.7 ? Mix(sky, snow, y) : Mix(sea, night, y - 0.7); });
         c.Box(0.45, 0.2, 0.55, 0.75, {240, 240, 240});
         c.Box(0.45, 0.35, 0.55, 0.42, {200, 30, 30});
         c.Box(0.45, 0.55, 0.55, 0.62, {200, 30, 30});
         c.Disc(0.5, 0.17, 0.05, {255, 230, 120});
       }},
      {"2016-07 Bretagne/DSC_0103.jpg", 1200, 1600, 8,
       [=](Canvas& c) {
         c.Fill([=](double x, double y) { return Mix(sand, sea, y + 0.2 * x); });
         c.Disc(0.5, 0.45, 0.25, {250, 250, 245});
         c.Disc(0.5, 0.45, 0.12, {30, 60, 120});
       }},
      {"2019-12 Noël/P1000001.jpg", 1600, 1066, 1,
       [=](Canvas& c) {
         c.Fill([=](double x, double y) {
           const double ring = std::fmod(std::hypot(x - 0.5, (y - 0.5) * 0.66) * 14, 2.0);
           return ring < 1 ? Rgb{170, 20, 40} : Rgb{20, 110, 50};
         });
       }},
      {"2019-12 Noël/P1000002.jpg", 1600, 1200, 1,
       [=](Canvas& c) {
         c.Fill([=](double x, double y) {
           const bool dark = (int(x * 8) + int(y * 6)) % 2 == 0;
           return Mix(dark ? Rgb{30, 30, 80} : Rgb{220, 200, 90}, {255, 255, 255}, x * y * 0.5);
         });
         c.Triangle(0.3, 0.9, 0.5, 0.2, 0.7, 0.9, leaf);
       }},
      {"2021-05 Jardin/IMG_2041.jpg", 1920, 1080, 1,
       [=](Canvas& c) {
         c.Fill([=](double, double y) { return Mix(leaf, {20, 60, 25}, y); });
         std::mt19937 random(2041);
         std::uniform_real_distribution<double> at(0.05, 0.95), hue(0, 1);
         for (int i = 0; i < 40; ++i) {
           const double h = hue(random);
           c.Disc(at(random), at(random), 0.03, Mix({250, 80, 120}, {250, 220, 60}, h));
         }
       }},
      {"2021-05 Jardin/IMG_2042.jpg", 1080, 1920, 6,
       [=](Canvas& c) {
         c.Fill([=](double, double y) { return Mix(sky, leaf, y * 1.5 - 0.3); });
         c.Box(0.47, 0.35, 0.53, 0.9, {60, 110, 40});
         c.Disc(0.5, 0.3, 0.22, {240, 200, 40});
         c.Disc(0.5, 0.3, 0.09, {120, 70, 20});
       }},
      {"2021-05 Jardin/IMG_2043.jpg", 2000, 1500, 2,
       [=](Canvas& c) {
         c.Fill([=](double x, double) { return Mix({250, 240, 230}, {200, 160, 220}, x); });
         c.Triangle(0.55, 0.3, 0.9, 0.5, 0.55, 0.7, {120, 40, 140});
         c.Box(0.2, 0.45, 0.56, 0.55, {120, 40, 140});
       }},
      {"2023-08 Montagne/IMG_3001.jpg", 6000, 4000, 1,
       [=](Canvas& c) {
         c.Fill([=](double, double y) { return Mix(sky, snow, y * 1.6); });
         c.Triangle(-0.1, 1, 0.3, 0.3, 0.7, 1, rock);
         c.Triangle(0.3, 1, 0.65, 0.2, 1.1, 1, {70, 70, 85});
         c.Triangle(0.56, 0.36, 0.65, 0.2, 0.74, 0.36, snow);
         c.Triangle(0.25, 0.39, 0.3, 0.3, 0.35, 0.39, snow);
       }},
      {"2023-08 Montagne/IMG_3002.jpg", 1600, 1200, 1,
       [=](Canvas& c) {
         c.Fill([=](double x, double y) { return Mix({255, 170, 90}, {90, 40, 120}, (x + y) / 2); });
         c.Triangle(0, 1, 0.25, 0.5, 0.5, 1, {40, 30, 60});
         c.Triangle(0.35, 1, 0.65, 0.4, 0.95, 1, {30, 20, 45});
       }},
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sample_album FOLDER\n");
    return 64;
  }
  const std::filesystem::path folder = argv[1];
  int written = 0;
  for (const Sample& sample : Samples()) {
    const std::filesystem::path file = folder / sample.path;
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    Canvas canvas(sample.width, sample.height);
    sample.draw(canvas);
    canvas.UpArrow();
    if (!WriteJpeg(file, canvas, sample.orientation)) {
      std::fprintf(stderr, "make_sample_album: cannot write %s\n", file.c_str());
      return 1;
    }
    ++written;
  }
  std::printf("%d sample photos in %s\n", written, folder.c_str());
  return 0;
}
