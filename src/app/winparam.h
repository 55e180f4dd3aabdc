#pragma once
// The options dialog of the configuration run mode: a text and a colour name kept in an INI file.
#include "services/file_system.h"
#include "ui/application.h"
#include "ui/controls.h"

namespace lumivel {

class Twinparam {
 public:
  Twinparam(Application& app, FileSystem& fs);
  ControlSet& Controls() { return controls_; }

  void FormCreate();
  void Button1Click();
  void Button2Click();

  // The INI file as the profile functions place a bare "Lumivel.ini": in the Windows folder.
  static const char* const kIniPath;

 private:
  Application& app_;
  FileSystem& fs_;
  ControlSet controls_;

 public:
  Panel Form{controls_, "winparam", nullptr, ControlKind::Form};
  Panel GroupBox1{controls_, "GroupBox1", &Form, ControlKind::GroupBox};
  Label Label1{controls_, "Label1", &GroupBox1};
  Edit Edit1{controls_, "Edit1", &GroupBox1};
  Label Label2{controls_, "Label2", &GroupBox1};
  ComboBox ComboBox1{controls_, "ComboBox1", &GroupBox1};
  Button Button1{controls_, "Button1", &Form};
  Button Button2{controls_, "Button2", &Form};
};

}  // namespace lumivel
