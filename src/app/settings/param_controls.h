#pragma once
// The parameter list read into the controls that hold the settings, and written from them.
#include <cstdint>

#include "settings/param_list.h"
#include "ui/controls.h"
#include "util/cp1252.h"

namespace lumivel {

// Raises the conversion error naming the text that did not convert. On success the box shows the
// looked-up text itself; on failure it is left as it was.
int32_t ParamReadEditInt(const ParamList& list, const Text& key, const Text& defaultText,
                         Edit& box);

void ParamWriteCheck(ParamList& list, const Text& key, const CheckBox& box);
void ParamWriteCaption(ParamList& list, const Text& key, const Control& control);
// Converts the box's text first: on failure the conversion error is raised, nothing is appended
// and the variable keeps its value; otherwise the variable takes the number and the line its
// plain decimal form.
void ParamWriteEditInt(ParamList& list, const Text& key, const Edit& box, int32_t& variable);
// The selected item's position from 0, -1 when none is selected.
void ParamWriteRadio(ParamList& list, const Text& key, const RadioGroup& group);

}  // namespace lumivel
