// The date-filter controls of the options panel and the two word boxes beside them. The filters
// themselves apply while the directories are walked, so edits here only take effect after a
// rebuild of the index.
#include <initializer_list>
#include <iterator>

#include "app/tdiapo.h"
#include "util/key_codes.h"

namespace lumivel {
namespace {

// Which rows of boxes each kind of date range needs, by item of RadioGroup_filtre_date.
struct DateRows {
  bool start;
  bool end;
};
constexpr DateRows kRowsByItem[] = {
    {false, false},  // toutes les dates
    {true, false},   // à partir de
    {true, false},   // que
    {true, true},    // de...à...
    {true, true},    // sauf de...à...
    {false, true},   // jusqu'à
};

// A year typed with two digits is taken as one of the 2000s.
void CompleteTwoDigitYear(Edit& box) {
  if (box.GetText().size() == 2) box.SetText("20" + box.GetText());
}

}  // namespace

void Tdiapo::RadioGroup_filtre_dateClick() { ShowDateRangeBoxes(); }

void Tdiapo::ShowDateRangeBoxes() {
  const int item = RadioGroup_filtre_date.ItemIndex();
  if (item < 0 || item >= static_cast<int>(std::size(kRowsByItem))) return;
  const DateRows rows = kRowsByItem[item];
  for (Control* c : std::initializer_list<Control*>{&Edit_annee_de, &Edit_mois_de, &Label29}) {
    c->SetVisible(rows.start);
  }
  for (Control* c : std::initializer_list<Control*>{&Edit_annee_a, &Edit_mois_a, &Label30}) {
    c->SetVisible(rows.end);
  }
}

void Tdiapo::Edit_annee_deExit() { CompleteTwoDigitYear(Edit_annee_de); }

void Tdiapo::Edit_annee_aExit() { CompleteTwoDigitYear(Edit_annee_a); }

void Tdiapo::Edit_contientChange() {
  MarkResetNeeded();
  SettingsChanged = true;
}

void Tdiapo::Edit_ne_contient_pasChange() {
  MarkResetNeeded();
  SettingsChanged = true;
}

void Tdiapo::Edit_contientKeyDown(int key) {
  if (key == keys::kEnter) ResetAndQuit();
}

void Tdiapo::Edit_ne_contient_pasKeyDown(int key) {
  if (key == keys::kEnter) ResetAndQuit();
}

}  // namespace lumivel
