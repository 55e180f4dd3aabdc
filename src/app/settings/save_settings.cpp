// The settings save: the root directories with their ticks, the controls into the parameter file,
// and the history. Each file is replaced whole (written beside it, then renamed over it), so a save
// cut short leaves every file either as it was or complete.
#include <string>

#include "app/settings/param_controls.h"
#include "app/settings/settings_catalogue.h"
#include "services/data_paths.h"
#include "settings/history_trim.h"
#include "settings/param_list.h"
#include "util/errors.h"

namespace lumivel {

using namespace literals;

namespace {

// The folder the settings files live in, as the save names it when it cannot create it.
constexpr const char* kSettingsDir = "C:\\lumivel";

// An edit box of a number that does not convert raises the conversion error here, which ends the
// save before the parameter file is written.
void SaveSetting(Tdiapo& diapo, ParamList& params, const Setting& setting) {
  const Text key(setting.key);
  switch (setting.kind) {
    case SettingKind::kText:
      ParamWriteCaption(params, key, SettingControlOf(diapo, setting));
      break;
    case SettingKind::kInt:
      ParamWriteEditInt(params, key, diapo.*std::get<Edit Tdiapo::*>(setting.control), diapo.*setting.variable);
      break;
    case SettingKind::kIndex:
      ParamWriteRadio(params, key, diapo.*std::get<RadioGroup Tdiapo::*>(setting.control));
      break;
    case SettingKind::kBool:
      ParamWriteCheck(params, key, diapo.*std::get<CheckBox Tdiapo::*>(setting.control));
      break;
  }
}

}  // namespace

void Tdiapo::SaveSettings() {
  FileSystem& fs = services_.fs;
  Label1.SetCaption(" Sauvegarde des paramètres"_cp);
  if (!fs.DirectoryExists(kSettingsDir) && !fs.CreateDirectory(kSettingsDir)) {
    throw ProgramError("Impossible de créer "_cp + kSettingsDir);
  }

  // The parameter list's writer serves every list file of the data folder.
  ParamSave(CheckListBox_rep.Lines(), fs, paths::kRootsFile);

  std::vector<Text>& flags = CheckListBox_rep_flag.EditLines();
  flags.clear();
  for (int i = 0; i < CheckListBox_rep.Count(); ++i) flags.push_back(CheckListBox_rep.LineChecked(i) ? "true" : "false");
  ParamSave(flags, fs, paths::kRootFlagsFile);

  ParamList& params = ListBox_param.EditLines();
  params.clear();
  for (const Setting& setting : kSettingsCatalogue) SaveSetting(*this, params, setting);
  // After a load that stopped at a typo, the controls hold design values for the keys after it;
  // the user's own values stay in the copy made before the file is first replaced.
  if (paramFilePartlyRead_) {
    if (fs.FileExists(paths::kParamFile) && !fs.CopyFile(paths::kParamFile, paths::kParamBackupFile)) {
      throw ProgramError(FormatMessage("Impossible de créer le fichier %s"_cp, paths::kParamBackupFile));
    }
    paramFilePartlyRead_ = false;
  }
  ParamSave(params, fs, paths::kParamFile);

  // After a reset the next start rebuilds the index and drops the history anyway; the queue of
  // the current directory would point into the old index.
  if (ResetOnQuit) {
    fs.DeleteFile(paths::kQueueFile);
    return;
  }
  if (ListBox_passee.Count() > HistoryCap) {
    ListBox_tmp.SetLines(NewestEntries(ListBox_passee.Lines(), HistoryCap));
    ParamSave(ListBox_tmp.Lines(), fs, paths::kHistoryFile);
  } else {
    ParamSave(ListBox_passee.Lines(), fs, paths::kHistoryFile);
  }
}

}  // namespace lumivel
