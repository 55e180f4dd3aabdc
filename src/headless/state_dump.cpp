#include "headless/state_dump.h"

#include <cstdio>

#include "app/tdiapo.h"

namespace lumivel {
namespace {

std::string JsonString(const Text& text) {
  std::string utf8 = Cp1252ToUtf8(text);
  std::string out = "\"";
  for (char c : utf8) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned char>(c));
          out += buffer;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string JsonLines(const std::vector<Text>& lines) {
  std::string out = "[";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) out += ',';
    out += JsonString(lines[i]);
  }
  return out + "]";
}

std::string Bool(bool b) { return b ? "true" : "false"; }

}  // namespace

std::string DumpState(const ControlSet& controls, const Tdiapo* diapo) {
  std::string out = "{\n\"controls\": {";
  bool first = true;
  for (const Control* c : controls.All()) {
    out += first ? "\n" : ",\n";
    first = false;
    out += JsonString(c->Name()) + ": {\"text\": " + JsonString(c->Caption()) +
           ", \"visible\": " + Bool(c->Visible()) + ", \"left\": " + std::to_string(c->Left()) +
           ", \"top\": " + std::to_string(c->Top()) + ", \"width\": " + std::to_string(c->Width()) +
           ", \"height\": " + std::to_string(c->Height()) + ", \"color\": " + std::to_string(c->Color()) +
           ", \"fontColor\": " + std::to_string(c->FontColor()) + ", \"bold\": " + Bool(c->FontBold()) +
           ", \"hint\": " + JsonString(c->Hint());
    if (auto* box = dynamic_cast<const CheckBox*>(c)) out += ", \"checked\": " + Bool(box->Checked());
    if (auto* group = dynamic_cast<const RadioGroup*>(c)) {
      out += ", \"itemIndex\": " + std::to_string(group->ItemIndex()) + ", \"items\": " + JsonLines(group->items);
    }
    if (auto* list = dynamic_cast<const ListBox*>(c)) {
      out += ", \"itemIndex\": " + std::to_string(list->ItemIndex()) + ", \"lines\": " + JsonLines(list->Lines());
    }
    if (auto* checks = dynamic_cast<const CheckListBox*>(c)) {
      out += ", \"checks\": [";
      for (std::size_t i = 0; i < checks->CheckedFlags().size(); ++i) {
        if (i) out += ',';
        out += Bool(checks->CheckedFlags()[i]);
      }
      out += "]";
    }
    out += "}";
  }
  out += "\n}";
  if (diapo) {
    const Tdiapo& d = *diapo;
    out += ",\n\"state\": {\"LastKey\": " + std::to_string(d.LastKey) + ", \"StopShow\": " + Bool(d.StopShow) +
           ", \"ShowMode\": " + std::to_string(d.ShowMode) + ", \"HistoryPos\": " + std::to_string(d.HistoryPos) +
           ", \"ImageCount\": " + std::to_string(d.ImageCount()) +
           ", \"SettingsChanged\": " + Bool(d.SettingsChanged) + ", \"ResetOnQuit\": " + Bool(d.ResetOnQuit) +
           ", \"ReplayFlag\": " + Bool(d.ReplayFlag) + ", \"HistoryWritePos\": " + std::to_string(d.HistoryWritePos) +
           ", \"EntriesSeen\": " + std::to_string(d.EntriesSeen) +
           ", \"CurrentImagePath\": " + JsonString(d.CurrentImagePath) +
           ", \"LastShownPath\": " + JsonString(d.LastShownPath) +
           ",\n\"ListBox_rep\": " + JsonLines(d.ListBox_rep.Lines()) +
           ",\n\"ListBox_passee\": " + JsonLines(d.ListBox_passee.Lines()) + "}";
  }
  return out + "\n}\n";
}

}  // namespace lumivel
