#include "posix/posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "posix/host_names.h"

namespace lumivel {
namespace {

bool HostExists(const std::string& host) {
  struct stat st {};
  return lstat(host.c_str(), &st) == 0;
}

// The entry of folder `dir` that program name `name` stands for: the one spelled exactly so (in
// composed form), else the first equal to it without regard to case, if any.
std::optional<std::string> FindEntry(const std::string& dir, const Text& name) {
  DIR* d = opendir(dir.empty() ? "/" : dir.c_str());
  if (!d) return std::nullopt;
  std::optional<std::string> found;
  while (dirent* e = readdir(d)) {
    bool lossless = false;
    Text entry = HostNameToProgram(e->d_name, &lossless);
    if (!lossless) continue;
    if (entry == name) {
      found = e->d_name;
      break;
    }
    if (!found && SameTextIgnoringCase(entry, name)) found = e->d_name;
  }
  closedir(d);
  return found;
}

// Such a name has no program path (a backslash separates components) or cannot stand on one line
// of the program's list files. One fast search per character sought: names are listed by the
// hundred thousand.
bool HoldsBackslashOrLineBreak(const Text& name) {
  return name.find('\\') != Text::npos || name.find('\n') != Text::npos || name.find('\r') != Text::npos;
}

std::string JoinHost(const std::string& dir, const std::string& name) { return dir + "/" + name; }

std::string Resolve(const DriveMap& drives, const Text& path) {
  if (path.size() < 2 || path[1] != ':') return std::string();
  auto root = drives.Root(path[0]);
  if (!root) return std::string();
  std::string host = *root;
  bool lookUp = true;
  std::size_t pos = 2;
  while (pos <= path.size()) {
    std::size_t end = path.find('\\', pos);
    if (end == Text::npos) end = path.size();
    Text component = path.substr(pos, end - pos);
    pos = end + 1;
    if (component.empty() || component == ".") continue;
    if (component.find('/') != Text::npos || component.find('\0') != Text::npos) return std::string();
    std::string name = Cp1252ToUtf8(component);
    if (lookUp && !HostExists(JoinHost(host, name))) {
      if (auto other = FindEntry(host, component)) {
        name = *other;
      } else {
        lookUp = false;  // nothing below a missing folder can exist
      }
    }
    host = JoinHost(host, name);
  }
  return host.empty() ? std::string("/") : host;
}

int WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

// Writes `bytes` to a temporary file beside `host` and renames it over `host`; with `like`, the
// new file takes its permissions and times. Returns 0 or the system's error number.
int WriteHostFile(const std::string& host, std::string_view bytes, const struct stat* like) {
  static unsigned counter = 0;
  std::string temp = host + ".~lumivel-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
  std::string folder = host.substr(0, host.rfind('/'));
  // An unnamed file gets its temporary name only once it is complete, so a program killed while
  // writing leaves nothing behind; file systems without unnamed files get a named one at once.
  int fd = open(folder.empty() ? "/" : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  bool unnamed = fd >= 0;
  if (!unnamed) fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return errno;
  int result = WriteAll(fd, bytes);
  if (result == 0 && like) {
    // A copy keeps the picture's date, which an album's year-month corner reads, and its
    // permissions. A folder that cannot hold them (a FAT memory card keeps no permissions) still
    // gets the picture itself.
    fchmod(fd, like->st_mode & 0777);
    const timespec times[2] = {like->st_atim, like->st_mtim};
    futimens(fd, times);
  }
  if (result == 0 && fdatasync(fd) != 0) result = errno;
  if (result == 0 && unnamed) {
    std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) != 0) result = errno;
  }
  if (close(fd) != 0 && result == 0) result = errno;
  if (result == 0 && rename(temp.c_str(), host.c_str()) != 0) result = errno;
  if (result != 0) unlink(temp.c_str());
  return result;
}

}  // namespace

PosixFileSystem::PosixFileSystem(DriveMap drives) : drives_(std::move(drives)) {}

std::string PosixFileSystem::ToHost(const Text& path) const { return Resolve(drives_, path); }

Text PosixFileSystem::ToProgram(const std::string& hostPath) const {
  std::string host = hostPath;
  while (host.size() > 1 && host.back() == '/') host.pop_back();
  char bestLetter = 0;
  std::size_t bestLength = 0;
  bool matched = false;
  for (const auto& [letter, root] : drives_.Roots()) {
    bool inside = root.empty() ? (!host.empty() && host[0] == '/')
                               : (host == root || host.rfind(root + "/", 0) == 0);
    if (inside && (!matched || root.size() > bestLength)) {
      matched = true;
      bestLetter = letter;
      bestLength = root.size();
    }
  }
  if (!matched) return HostNameToProgram(host);
  std::string rest = host.substr(bestLength);
  std::replace(rest.begin(), rest.end(), '/', '\\');
  // Not assigned from a literal: GCC 12 at -O3 warns falsely (-Wrestrict) on that assignment.
  if (rest.empty()) rest.push_back('\\');
  return Text(1, bestLetter) + ":" + HostNameToProgram(rest);
}

bool PosixFileSystem::FileExists(const Text& path) const {
  std::string host = ToHost(path);
  struct stat st {};
  return !host.empty() && stat(host.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool PosixFileSystem::DirectoryExists(const Text& path) const {
  std::string host = ToHost(path);
  struct stat st {};
  return !host.empty() && stat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<std::vector<DirEntry>> PosixFileSystem::ListDirectory(const Text& dir) const {
  std::string host = ToHost(dir);
  if (host.empty()) return std::nullopt;
  DIR* d = opendir(host.c_str());
  if (!d) return std::nullopt;
  int fd = dirfd(d);
  std::vector<DirEntry> entries;
  while (dirent* e = readdir(d)) {
    DirEntry entry;
    bool lossless = false;
    entry.name = HostNameToProgram(e->d_name, &lossless);
    if (!lossless || HoldsBackslashOrLineBreak(entry.name)) continue;
    entry.isLink = e->d_type == DT_LNK;
    if (e->d_type == DT_DIR) {
      entry.isDirectory = true;
    } else {
      struct stat st {};
      if (e->d_type == DT_UNKNOWN && fstatat(fd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
        entry.isLink = S_ISLNK(st.st_mode);
      }
      if (fstatat(fd, e->d_name, &st, 0) == 0) {
        entry.isDirectory = S_ISDIR(st.st_mode);
        entry.size = entry.isDirectory ? 0 : static_cast<int64_t>(st.st_size);
      }
    }
    entries.push_back(std::move(entry));
  }
  closedir(d);
  return entries;
}

int64_t PosixFileSystem::FileSize(const Text& path) const {
  std::string host = ToHost(path);
  struct stat st {};
  if (host.empty() || stat(host.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return -1;
  return static_cast<int64_t>(st.st_size);
}

std::optional<LocalDateTime> PosixFileSystem::ModificationTime(const Text& path) const {
  std::string host = ToHost(path);
  struct stat st {};
  if (host.empty() || stat(host.c_str(), &st) != 0) return std::nullopt;
  std::tm tm {};
  time_t seconds = st.st_mtim.tv_sec;
  if (!localtime_r(&seconds, &tm)) return std::nullopt;
  return LocalDateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min,
                       tm.tm_sec, static_cast<int>(st.st_mtim.tv_nsec / 1000000)};
}

std::optional<std::string> PosixFileSystem::ReadFile(const Text& path, int* error) const {
  std::string host = ToHost(path);
  auto fail = [&](int e) -> std::optional<std::string> {
    if (error) *error = e;
    return std::nullopt;
  };
  if (host.empty()) return fail(ENOENT);
  int fd = open(host.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return fail(errno);
  std::string bytes;
  char buffer[65536];
  for (;;) {
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      int e = errno;
      close(fd);
      return fail(e);
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  close(fd);
  if (error) *error = 0;
  return bytes;
}

std::optional<std::size_t> PosixFileSystem::ReadFileInto(
    const Text& path, const std::function<char*(std::size_t)>& place, int* error) const {
  std::string host = ToHost(path);
  auto fail = [&](int e) -> std::optional<std::size_t> {
    if (error) *error = e;
    return std::nullopt;
  };
  if (host.empty()) return fail(ENOENT);
  const int fd = open(host.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return fail(errno);
  struct Closer {
    int fd;
    ~Closer() { close(fd); }
  } closer{fd};
  struct stat st {};
  if (fstat(fd, &st) != 0) return fail(errno);
  const std::size_t size = st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0;
  char* to = place(size);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = read(fd, to + done, size - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail(errno);
    }
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  if (error) *error = 0;
  return done;
}

int PosixFileSystem::WriteFile(const Text& path, std::string_view bytes) {
  std::string host = ToHost(path);
  if (host.empty()) return ENOENT;
  return WriteHostFile(host, bytes, nullptr);
}

bool PosixFileSystem::DeleteFile(const Text& path) {
  std::string host = ToHost(path);
  return !host.empty() && unlink(host.c_str()) == 0;
}

bool PosixFileSystem::CreateDirectory(const Text& path) {
  std::string host = ToHost(path);
  return !host.empty() && mkdir(host.c_str(), 0777) == 0;
}

bool PosixFileSystem::CreateDirectories(const Text& path) {
  if (DirectoryExists(path)) return true;
  auto at = path.rfind('\\');
  if (at != Text::npos && at > 2) {
    if (!CreateDirectories(path.substr(0, at))) return false;
  }
  return CreateDirectory(path) || DirectoryExists(path);
}

bool PosixFileSystem::CreateDriveFolder(char letter) {
  const auto root = drives_.Root(letter);
  if (!root) return false;
  if (root->empty()) return true;  // the file system's own root
  std::error_code error;
  std::filesystem::create_directories(*root, error);
  return std::filesystem::is_directory(*root, error);
}

bool PosixFileSystem::CopyFile(const Text& from, const Text& to) {
  const std::string source = ToHost(from);
  const std::string target = ToHost(to);
  struct stat st {};
  if (source.empty() || target.empty() || stat(source.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) {
    return false;
  }
  auto bytes = ReadFile(from);
  return bytes && WriteHostFile(target, *bytes, &st) == 0;
}

bool PosixFileSystem::MoveFile(const Text& from, const Text& to) {
  std::string source = ToHost(from);
  std::string target = ToHost(to);
  if (source.empty() || target.empty() || HostExists(target)) return false;
  return rename(source.c_str(), target.c_str()) == 0;
}

}  // namespace lumivel
