// The settings load at start-up: the root directories with their ticks, the parameter file into
// the controls, and the saved history.
#include <string>

#include "app/settings/param_controls.h"
#include "app/settings/settings_catalogue.h"
#include "services/data_paths.h"
#include "settings/history_trim.h"
#include "settings/param_list.h"
#include "util/util.h"

namespace lumivel {

using namespace literals;

namespace {

// Giving a control a different value runs its change or click handler, as a user's edit would;
// the load relies on that (it may set SettingsChanged).
void LoadSetting(Tdiapo& diapo, const ParamList& params, const Setting& setting) {
  const Text key(setting.key);
  const Text defaultText(setting.loadDefault);
  switch (setting.kind) {
    case SettingKind::kText:
      SettingControlOf(diapo, setting).SetCaption(ParamReadText(params, key, defaultText));
      break;
    case SettingKind::kInt: {
      Edit& box = diapo.*std::get<Edit Tdiapo::*>(setting.control);
      diapo.*setting.variable = ParamReadEditInt(params, key, defaultText, box);
      break;
    }
    case SettingKind::kIndex: {
      RadioGroup& group = diapo.*std::get<RadioGroup Tdiapo::*>(setting.control);
      int32_t index = ParamReadInt(params, key, defaultText);
      ClampInt(index, -1, static_cast<int32_t>(group.items.size()) - 1);
      group.SetItemIndex(index);
      break;
    }
    case SettingKind::kBool:
      (diapo.*std::get<CheckBox Tdiapo::*>(setting.control)).SetChecked(ParamReadBool(params, key, defaultText));
      break;
  }
  if (setting.afterLoad) setting.afterLoad(diapo);
}

}  // namespace

void Tdiapo::LoadSettings() {
  FileSystem& fs = services_.fs;

  // The parameter list's reader and writer serve every list file of the data folder.
  if (fs.FileExists(paths::kRootsFile)) {
    ParamList roots;
    ParamLoad(roots, fs, paths::kRootsFile);
    CheckListBox_rep.SetCheckedLines(std::move(roots), {});
  }
  const bool flagsSaved = fs.FileExists(paths::kRootFlagsFile);
  if (flagsSaved) ParamLoad(CheckListBox_rep_flag.EditLines(), fs, paths::kRootFlagsFile);
  const std::vector<Text>& flags = CheckListBox_rep_flag.Lines();
  for (int i = 0; i < CheckListBox_rep.Count(); ++i) {
    CheckListBox_rep.SetLineChecked(i, !flagsSaved || (i < static_cast<int>(flags.size()) && flags[i] == "true"));
  }

  // A root that is gone is reported and dropped; the next save forgets it.
  for (int i = 0; i < CheckListBox_rep.Count();) {
    const Text path = CheckListBox_rep.Lines()[i];
    if (fs.DirectoryExists(path)) {
      ++i;
      continue;
    }
    toolkit_.ShowMessage(std::to_string(i) + "  " + path + "  n'existe pas...");
    CheckListBox_rep.DeleteLine(i);
  }

  ParamLoad(ListBox_param.EditLines(), fs, paths::kParamFile);
  try {
    for (const Setting& setting : kSettingsCatalogue) LoadSetting(*this, ListBox_param.Lines(), setting);
  } catch (...) {
    paramFilePartlyRead_ = true;
    throw;
  }

  ParamList history;
  ParamLoad(history, fs, paths::kHistoryFile);
  if (!history.empty()) {
    ListBox_passee.SetLines(NewestEntries(history, HistoryCap));
    HistoryPos = ListBox_passee.Count() - 1;
  } else {
    // Nothing was ever shown: a first start. Say what to do, with every option in view.
    ShowFullPanel();
    MarkResetNeeded();
    Label6.SetBounds(Panel1.Left() + 50, Panel1.Top() - 150, Label6.Width(), Label6.Height());
    Label6.SetCaption(
        "Il faut choisir un répertoire contenant des images ET quitter l'application pour la relancer\n\n"
        "  en appuyant sur le  bouton ROUGE  [Enregistrer et quitter pour réinitialiser]"_cp);
    Label6.SetVisible(true);
    Label6.Repaint();
  }

  // The index is loaded after the settings, so it is still empty here: the options panel opens as
  // the space bar opens it and stays open, with the pointer, while the index is loaded or rebuilt.
  if (ImageCount() == 0) {
    ToggleOptionsPanel();
    // No show runs yet at start-up, so the run the key asked for happens now; with no picture it
    // returns at once, and nothing is left queued should a later start-up step fail.
    if (app_.ShowQueued()) RunShow();
  }
}

}  // namespace lumivel
