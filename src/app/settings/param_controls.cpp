#include "app/settings/param_controls.h"

#include <string>

#include "util/int_conversion.h"

namespace lumivel {

int32_t ParamReadEditInt(const ParamList& list, const Text& key, const Text& defaultText,
                         Edit& box) {
  Text text = ParamReadText(list, key, defaultText);
  int32_t value = StrToInt(text);
  box.SetText(text);
  return value;
}

void ParamWriteCheck(ParamList& list, const Text& key, const CheckBox& box) {
  ParamWriteText(list, key, box.Checked() ? "true" : "false");
}

void ParamWriteCaption(ParamList& list, const Text& key, const Control& control) {
  ParamWriteText(list, key, control.Caption());
}

void ParamWriteEditInt(ParamList& list, const Text& key, const Edit& box, int32_t& variable) {
  variable = StrToInt(box.GetText());
  ParamWriteText(list, key, std::to_string(variable));
}

void ParamWriteRadio(ParamList& list, const Text& key, const RadioGroup& group) {
  ParamWriteText(list, key, std::to_string(group.ItemIndex()));
}

}  // namespace lumivel
