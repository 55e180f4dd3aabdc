#pragma once
// The parameter list ListBox_param: lines of key " = " value, staged between the parameter file
// and the controls. Readers never change the list; writers only append.
#include <cstdint>
#include <vector>

#include "util/cp1252.h"

namespace lumivel {

class FileSystem;
class Control;
class Edit;
class CheckBox;
class RadioGroup;

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
// On success the box shows the looked-up text itself; on failure it is left as it was.
int32_t ParamReadEditInt(const ParamList& list, const Text& key, const Text& defaultText,
                         Edit& box);
// True exactly when the value is "true", case included.
bool ParamReadBool(const ParamList& list, const Text& key, const Text& defaultText);

void ParamWriteCheck(ParamList& list, const Text& key, const CheckBox& box);
void ParamWriteCaption(ParamList& list, const Text& key, const Control& control);
void ParamWriteText(ParamList& list, const Text& key, const Text& text);
// Converts the box's text first: on failure the conversion error is raised, nothing is appended
// and the variable keeps its value; otherwise the variable takes the number and the line its
// plain decimal form.
void ParamWriteEditInt(ParamList& list, const Text& key, const Edit& box, int32_t& variable);
// The selected item's position from 0, -1 when none is selected.
void ParamWriteRadio(ParamList& list, const Text& key, const RadioGroup& group);

}  // namespace lumivel
