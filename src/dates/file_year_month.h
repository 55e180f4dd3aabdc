#pragma once
// The picture file's own month, shown in the corner when its directory name gives no usable date.
#include "services/file_system.h"
#include "util/cp1252.h"

namespace lumivel {

// The file's last modification, in local time, as "yyyy-mm"; "?" when its date cannot be read.
Text FileYearMonth(const FileSystem& fs, const Text& path);

}  // namespace lumivel
