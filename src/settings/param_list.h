#pragma once
// The parameter list ListBox_param: lines of key " = " value, staged between the parameter file
// and the controls. Readers never change the list; writers only append.
#include <cstdint>
#include <vector>

#include "util/cp1252.h"

namespace lumivel {

class FileSystem;

using ParamList = std::vector<Text>;

// Empties the list, then reads the file's lines when it exists. A file that exists but cannot be
// read raises "Impossible d'ouvrir le fichier %s".
void ParamLoad(ParamList& list, const FileSystem& fs, const Text& path);
// Writes every line followed by CR LF; raises "Impossible de créer le fichier %s" on failure.
void ParamSave(const ParamList& list, FileSystem& fs, const Text& path);

// The trimmed value of the first line whose text before its first "=" is the key and one blank,
// letter case ignored; the default when no line matches or the value is empty.
Text ParamReadText(const ParamList& list, const Text& key, const Text& defaultText);
// The integer readers raise the conversion error naming the text that did not convert.
int32_t ParamReadInt(const ParamList& list, const Text& key, const Text& defaultText);
// True exactly when the value is "true", case included.
bool ParamReadBool(const ParamList& list, const Text& key, const Text& defaultText);

// Appends the line key " = " value.
void ParamWriteText(ParamList& list, const Text& key, const Text& text);

}  // namespace lumivel
