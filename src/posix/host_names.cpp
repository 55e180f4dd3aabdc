#include "posix/host_names.h"

#include <glib.h>

namespace lumivel {

Text HostNameToProgram(std::string_view utf8, bool* lossless) {
  bool converted = false;
  Text text = Utf8ToCp1252(utf8, &converted);
  // Every character of the code page is a composed one, so a name that converts as it is needs no
  // composing; this keeps the walk's listings from paying for it.
  if (!converted && g_utf8_validate_len(utf8.data(), utf8.size(), nullptr)) {
    if (gchar* composed = g_utf8_normalize(utf8.data(), static_cast<gssize>(utf8.size()), G_NORMALIZE_NFC)) {
      text = Utf8ToCp1252(composed, &converted);
      g_free(composed);
    }
  }
  if (lossless) *lossless = converted;
  return text;
}

}  // namespace lumivel
