#pragma once
// Every stored setting, declared once: its key, how it is read and written, the control that holds
// it, the value it takes when the parameter file lacks it, and for numbers the variable that keeps
// it beside its edit box. The table order is the order of the parameter file; the load and the save
// both walk it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>

#include "app/tdiapo.h"

namespace lumivel {

enum class SettingKind {
  kText,   // a label's caption or an edit box's text, as it is
  kInt,    // an edit box holding a number, also kept in an integer variable
  kIndex,  // a radio group's selected item, -1 for none
  kBool,   // a check box, stored as "true" or "false"
};

using SettingControl =
    std::variant<Label Tdiapo::*, Edit Tdiapo::*, RadioGroup Tdiapo::*, CheckBox Tdiapo::*>;

struct Setting {
  std::string_view key;
  SettingKind kind;
  SettingControl control;
  std::string_view loadDefault;  // code page 1252
  int32_t Tdiapo::*variable = nullptr;  // kInt settings only
  // Runs right after this setting is loaded, before the next one.
  void (*afterLoad)(Tdiapo&) = nullptr;
};

inline constexpr std::size_t kSettingCount = 38;
extern const std::array<Setting, kSettingCount> kSettingsCatalogue;

// The control a setting binds to, in the window `diapo`.
Control& SettingControlOf(Tdiapo& diapo, const Setting& setting);

}  // namespace lumivel
