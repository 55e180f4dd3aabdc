// The year and month of the shown picture in the top right corner, and under it the summary of
// the filters in force.
#include <algorithm>

#include "app/tdiapo.h"
#include "dates/file_year_month.h"
#include "dates/year_month.h"

namespace lumivel {

void Tdiapo::ShowYearMonth() {
  Label_an.SetCaption(YearMonthFromPath(CurrentImagePath, Label1.Caption().empty(), [this] {
    return FileYearMonth(services_.fs, CurrentImagePath);
  }));
  // The caption is drawn right-justified, so a label whose right edge is on the screen's right
  // edge keeps the text there whatever its length, from the first picture of the first show on.
  Label_an.SetLeft(Form.Width() - Label_an.Width());
  Label_mois.SetVisible(false);

  OptionsText = BuildOptionsText(RadioGroup_filtre_date.ItemIndex(), CheckBox_contient.Checked(),
                                 Edit_contient.GetText(), CheckBox_ne_contient_pas.Checked(),
                                 Edit_ne_contient_pas.GetText());
  if (OptionsText.empty()) {
    Label_options.SetVisible(false);
    return;
  }
  Label_options.SetVisible(true);
  Label_options.SetCaption(OptionsText);
  // One word group a line: the label grows downwards so that no line is cut off.
  const auto lines = static_cast<int>(std::count(OptionsText.begin(), OptionsText.end(), '\n')) + 1;
  Label_options.SetHeight(lines * (Label_options.FontSize() * 3 / 2));
  Label_options.SetLeft(Form.Width() - Label_options.Width());
}

void Tdiapo::CheckBox_af_anClick() {
  // Ticking waits for the next picture; unticking blanks the corner at once.
  if (!CheckBox_af_an.Checked()) Label_an.SetCaption("    ");
}

}  // namespace lumivel
