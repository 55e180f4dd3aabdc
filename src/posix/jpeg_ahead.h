#pragma once
// One JPEG decoded on a worker thread while the show waits, and handed to the next load of the
// same file with the same cover when the file has not changed since it was read. Its methods are
// called from one thread, the show's.
#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "posix/picture_file.h"
#include "services/picture.h"

namespace lumivel {

// What a load of a JPEG gives: an unreadable file gives an empty picture.
std::shared_ptr<const Picture> LoadJpegFile(const std::string& hostPath, int coverWidth, int coverHeight,
                                            const std::atomic<bool>* cancel = nullptr,
                                            std::optional<FileIdentity>* identity = nullptr);

class JpegAhead {
 public:
  JpegAhead() = default;
  JpegAhead(const JpegAhead&) = delete;
  JpegAhead& operator=(const JpegAhead&) = delete;
  ~JpegAhead() { Drop(); }

  // Starts decoding, unless the same work is under way or done; other work is given up.
  void Start(const std::string& hostPath, int coverWidth, int coverHeight);
  // The picture decoded ahead for this load, waiting for it if need be, when it was decoded from
  // the file as it is now; nothing otherwise. Any work is given up or taken either way.
  std::shared_ptr<const Picture> Take(const std::string& hostPath, int coverWidth, int coverHeight);

 private:
  struct Work {
    std::string path;
    int coverWidth = 0;
    int coverHeight = 0;
    std::atomic<bool> cancel{false};
    // Written by the worker, read once it is joined.
    std::shared_ptr<const Picture> picture;
    std::optional<FileIdentity> identity;
    std::thread worker;
  };
  void Drop();
  std::unique_ptr<Work> work_;
};

}  // namespace lumivel
