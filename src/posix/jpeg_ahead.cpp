#include "posix/jpeg_ahead.h"

#include <new>
#include <utility>

#include "posix/jpeg_decoder.h"

namespace lumivel {

std::shared_ptr<const Picture> LoadJpegFile(const std::string& hostPath, int coverWidth, int coverHeight,
                                            const std::atomic<bool>* cancel,
                                            std::optional<FileIdentity>* identity) {
  try {
    if (auto file = ReadWholeFile(hostPath)) {
      if (identity) *identity = file->identity;
      if (auto picture = DecodeJpeg(file->Span(), coverWidth, coverHeight, cancel))
        return std::make_shared<const Picture>(std::move(*picture));
    }
  } catch (const std::bad_alloc&) {
    // Within the bound, yet the machine has not the memory: shown like an unreadable file.
  }
  return std::make_shared<const Picture>();
}

void JpegAhead::Drop() {
  if (!work_) return;
  work_->cancel = true;
  if (work_->worker.joinable()) work_->worker.join();
  work_.reset();
}

void JpegAhead::Start(const std::string& hostPath, int coverWidth, int coverHeight) {
  if (work_ && work_->path == hostPath && work_->coverWidth == coverWidth &&
      work_->coverHeight == coverHeight)
    return;
  Drop();
  auto work = std::make_unique<Work>();
  work->path = hostPath;
  work->coverWidth = coverWidth;
  work->coverHeight = coverHeight;
  Work* w = work.get();
  try {
    work->worker = std::thread([w] {
      w->picture = LoadJpegFile(w->path, w->coverWidth, w->coverHeight, &w->cancel, &w->identity);
    });
  } catch (const std::system_error&) {
    return;  // no thread to be had: the load decodes the picture itself
  }
  work_ = std::move(work);
}

std::shared_ptr<const Picture> JpegAhead::Take(const std::string& hostPath, int coverWidth,
                                               int coverHeight) {
  if (!work_) return nullptr;
  if (work_->path != hostPath || work_->coverWidth != coverWidth || work_->coverHeight != coverHeight) {
    Drop();
    return nullptr;
  }
  work_->worker.join();
  const std::unique_ptr<Work> work = std::move(work_);
  // An unreadable file or a picture that was never decoded is left to the load itself.
  if (!work->picture || work->picture->width <= 0 || !work->identity || IdentityOf(hostPath) != work->identity)
    return nullptr;
  return work->picture;
}

}  // namespace lumivel
