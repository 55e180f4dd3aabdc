// On a high-density screen (QT_SCALE_FACTOR=2: two pixels a unit each way) a picture is drawn from
// pixels decoded for the screen's own pixels, not scaled up from half its sharpness. The program
// runs as a person starts it, with its snapshots of the screen.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QTest>
#include <cmath>

#include "support/picture_factory.h"
#include "support/test_support.h"

#ifndef LUMIVEL_QT_BIN
#error "LUMIVEL_QT_BIN must name the lumivel program"
#endif

namespace lumivel {
namespace {

// Columns of one pixel, black and white by turns.
std::string StripedJpeg(int width, int height) {
  std::vector<uint8_t> rgb(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint8_t level = x % 2 == 0 ? 0 : 255;
      for (int c = 0; c < 3; ++c) rgb[(static_cast<size_t>(y) * width + x) * 3 + c] = level;
    }
  }
  return testing::EncodeJpeg(rgb, width, height, {.quality = 100});
}

// The mean difference between neighbouring pixels along a row: about 255 for sharp stripes, near
// 0 once they are blurred into grey.
double Sharpness(const QImage& screen, int y, int from, int to) {
  double sum = 0;
  for (int x = from; x < to; ++x) sum += std::abs(qGray(screen.pixel(x, y)) - qGray(screen.pixel(x + 1, y)));
  return sum / (to - from);
}

TEST(HighDensityScreen, PicturesAreDrawnAtTheScreensPhysicalResolution) {
  testing::TempDir driveC, snapshots;
  driveC.Write("Photos/2020-01 Rayures/rayures.jpg", StripedJpeg(1920, 1080));
  driveC.Write("Lumivel/lumivel.rep", "C:\\Photos\r\n");
  driveC.Write("Lumivel/lumivel.repflag", "true\r\n");

  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("QT_SCALE_FACTOR", "2");
  environment.insert("LUMIVEL_DRIVE_C", QString::fromStdString(driveC.Path().string()));
  environment.insert("LUMIVEL_SNAPSHOTS", QString::fromStdString(snapshots.Path().string()));
  program.setProcessEnvironment(environment);
  program.start(LUMIVEL_QT_BIN, {"/s"});
  ASSERT_TRUE(program.waitForStarted());
  const QDir folder(QString::fromStdString(snapshots.Path().string()));
  QElapsedTimer waited;
  waited.start();
  QStringList pictures;
  while (pictures.isEmpty() && waited.elapsed() < 30000 && program.state() == QProcess::Running) {
    QTest::qWait(100);
    pictures = folder.entryList({"*-picture.png"}, QDir::Files, QDir::Name);
  }
  QTest::qWait(300);  // the snapshot is written whole
  program.kill();
  program.waitForFinished();
  ASSERT_FALSE(pictures.isEmpty()) << program.readAllStandardError().toStdString();

  const QImage screen(folder.filePath(pictures.front()));
  ASSERT_EQ(screen.size(), QSize(1920, 1080)) << "the screen's pixels, twice its 960 x 540 units";
  EXPECT_GT(Sharpness(screen, 540, 400, 1500), 150) << "one-pixel stripes stay stripes";
}

}  // namespace
}  // namespace lumivel
