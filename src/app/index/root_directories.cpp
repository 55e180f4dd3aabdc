// The user's root directories: adding, removing, and the reset button that says a rebuild is due.
#include <algorithm>

#include "app/tdiapo.h"

namespace lumivel {

using namespace literals;

void Tdiapo::MarkResetNeeded() {
  aPanel_sauve_param_et_BD0_et_quitter.SetColor(colors::kRed);
  aPanel_sauve_param_et_BD0_et_quitter.SetFontColor(colors::kWhite);
  aPanel_sauve_param_et_BD0_et_quitter.Repaint();
}

void Tdiapo::ClearResetMark() {
  aPanel_sauve_param_et_BD0_et_quitter.SetColor(colors::kBtnFace);
  aPanel_sauve_param_et_BD0_et_quitter.SetFontColor(colors::kRed);
  aPanel_sauve_param_et_BD0_et_quitter.Repaint();
}

void Tdiapo::Panel_sup_repClick() {
  int selected = CheckListBox_rep.ItemIndex();
  if (selected < 0) return;
  if (toolkit_.Confirm("Effacer de la liste le répertoire : "_cp + CheckListBox_rep.Lines()[selected])) {
    CheckListBox_rep.DeleteLine(selected);
    ResetOnQuit = true;
  }
  MarkResetNeeded();
}

void Tdiapo::Panel_ajout_repClick() {
  if (auto chosen = toolkit_.ChooseDirectory()) {
    Text question = "Rajouter le répertoire suivant à la liste ?\n\n"_cp + *chosen +
                    "\n\n(attention, dans la fenêtre précedente, il fallait double-cliquer pour valider le choix d'un nouveau répertoire) "_cp +
                    "\n\n";
    if (toolkit_.Confirm(question)) {
      const auto& lines = CheckListBox_rep.Lines();
      if (std::any_of(lines.begin(), lines.end(), [&](const Text& line) { return SameTextIgnoringCase(line, *chosen); })) {
        toolkit_.Beep();
      } else {
        CheckListBox_rep.AddLine(*chosen, true);
      }
    }
  }
  ResetOnQuit = true;
  MarkResetNeeded();
}

void Tdiapo::CheckListBox_repClick() {
  int selected = CheckListBox_rep.ItemIndex();
  if (selected >= 0) Label20.SetCaption(CheckListBox_rep.Lines()[selected]);
  MarkResetNeeded();
}

void Tdiapo::CheckBox_contientClick() { MarkResetNeeded(); }
void Tdiapo::CheckBox_ne_contient_pasClick() { MarkResetNeeded(); }
void Tdiapo::RadioGroup_exclusionClick() { MarkResetNeeded(); }

}  // namespace lumivel
