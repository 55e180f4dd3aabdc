#include "services/file_system.h"

#include <cerrno>
#include <string>

namespace lumivel {

using namespace literals;

Text RuntimeIoMessage(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return "Fichier introuvable"_cp;
    case ENAMETOOLONG:
    case EINVAL:
    case EISDIR:
      return "Nom de fichier incorrect"_cp;
    case EACCES:
    case EPERM:
    case EROFS:
      return "Accès au fichier refusé"_cp;
    case ENOSPC:
    case EDQUOT:
      return "Disque plein"_cp;
    default:
      return "Erreur E/S "_cp + std::to_string(error);
  }
}

int64_t FileSizeOf(const FileSystem& fs, const Text& path) {
  int64_t size = fs.FileSize(path);
  if (size < 0) return -1;
  return static_cast<int32_t>(static_cast<uint32_t>(size));
}

}  // namespace lumivel
