#include "qtview/program_run.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <stdexcept>

namespace lumivel {

ProgramRun::ProgramRun() : fs_(Drives()), launcher_(fs_), toolkit_(fs_), app_(toolkit_) {
  toolkit_.SetApplication(&app_);
}

DriveMap ProgramRun::Drives() const {
  DriveMap drives;
  drives.Map('C', driveC_.Path().string());
  return drives;
}

int ProgramRun::Run(const std::string& argument, std::vector<std::function<bool(WatchedToolkit&)>> steps) {
  size_t next = 0;
  int ticks = 0;
  QTimer driver;
  driver.setInterval(50);
  QObject::connect(&driver, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      boxes.push_back(box->text().toStdString());
      box->buttons().back()->click();
      return;
    }
    if (++ticks > 400) {
      timedOut = true;
      if (QWidget* window = toolkit_.Window()) window->close();
      return;
    }
    if (next < steps.size() && steps[next](toolkit_)) ++next;
  });
  driver.start();
  Services services{fs_, clock_, random_, pictures_, sound_, saver_, launcher_, ownFiles_};
  const int code = RunProgram(app_, toolkit_, services, argument,
                              [this](ControlSet&, Tdiapo*) { toolkit_.DetachWindow(); });
  stepsDone = next;
  return code;
}

Control& Find(WatchedToolkit& toolkit, const std::string& name) {
  Control* control = toolkit.binding.controls->Find(name);
  if (!control) throw std::runtime_error("no control " + name);
  return *control;
}

bool PanelOpen(WatchedToolkit& toolkit) {
  return Find(toolkit, "Panel1").Visible() && toolkit.WidgetOf(Find(toolkit, "Panel1"))->isVisible();
}

}  // namespace lumivel
