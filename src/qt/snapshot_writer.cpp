#include "qt/snapshot_writer.h"

#include <QDir>

namespace lumivel {

SnapshotWriter::SnapshotWriter(QString folder) : folder_(std::move(folder)) { QDir().mkpath(folder_); }

std::optional<SnapshotWriter> SnapshotWriter::FromEnvironment() {
  const QString folder = qEnvironmentVariable("LUMIVEL_SNAPSHOTS");
  if (folder.isEmpty()) return std::nullopt;
  return SnapshotWriter(folder);
}

QString SnapshotWriter::Save(const QImage& image, const char* what) {
  ++count_;
  const QString path = QDir(folder_).filePath(
      QStringLiteral("%1-%2.png").arg(count_, 4, 10, QLatin1Char('0')).arg(QLatin1String(what)));
  return image.save(path, "PNG") ? path : QString();
}

}  // namespace lumivel
