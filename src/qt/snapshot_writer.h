#pragma once
// Pictures of the window saved as PNG files, numbered in the order they were taken, so a run
// without a display can be looked at afterwards (LUMIVEL_SNAPSHOTS=DIR).
#include <QImage>
#include <QString>
#include <optional>

namespace lumivel {

class SnapshotWriter {
 public:
  explicit SnapshotWriter(QString folder);
  // From LUMIVEL_SNAPSHOTS; nothing when it is unset or empty.
  static std::optional<SnapshotWriter> FromEnvironment();
  // Writes "<folder>/NNNN-<what>.png" and returns its path; empty when it could not be written.
  QString Save(const QImage& image, const char* what);

 private:
  QString folder_;
  int count_ = 0;
};

}  // namespace lumivel
