#include "settings/param_list.h"

#include <string>

#include "services/file_system.h"
#include "util/errors.h"
#include "util/int_conversion.h"
#include "util/text_lines.h"
#include "util/util.h"

namespace lumivel {

using namespace literals;

void ParamLoad(ParamList& list, const FileSystem& fs, const Text& path) {
  list.clear();
  if (!fs.FileExists(path)) return;
  auto bytes = fs.ReadFile(path);
  if (!bytes) throw ProgramError(FormatMessage("Impossible d'ouvrir le fichier %s"_cp, path));
  list = SplitTextLines(*bytes);
}

void ParamSave(const ParamList& list, FileSystem& fs, const Text& path) {
  if (fs.WriteFile(path, JoinCrLf(list)) != 0) {
    throw ProgramError(FormatMessage("Impossible de créer le fichier %s"_cp, path));
  }
}

Text ParamReadText(const ParamList& list, const Text& key, const Text& defaultText) {
  // The writers put one blank before the "=", so the name searched for carries it too.
  const Text name = key + " ";
  for (const auto& line : list) {
    auto equals = line.find('=');
    if (equals == Text::npos) continue;
    if (!SameTextIgnoringCase(std::string_view(line).substr(0, equals), name)) continue;
    Text value = TrimRightSpaces(TrimLeftSpaces(line.substr(equals + 1)));
    return value.empty() ? defaultText : value;
  }
  return defaultText;
}

int32_t ParamReadInt(const ParamList& list, const Text& key, const Text& defaultText) {
  return StrToInt(ParamReadText(list, key, defaultText));
}

bool ParamReadBool(const ParamList& list, const Text& key, const Text& defaultText) {
  return ParamReadText(list, key, defaultText) == "true";
}

void ParamWriteText(ParamList& list, const Text& key, const Text& text) {
  list.push_back(key + " = " + text);
}

}  // namespace lumivel
