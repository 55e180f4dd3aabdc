#include "app/settings/settings_catalogue.h"

#include <algorithm>

namespace lumivel {

namespace {

using K = SettingKind;
using T = Tdiapo;

// The year label shows only while its check box is ticked, so the load sets it as soon as the box
// has its stored state.
void ShowYearLabelWhenTicked(Tdiapo& diapo) { diapo.Label_an.SetVisible(diapo.CheckBox_af_an.Checked()); }

constexpr bool Consistent(const Setting& s) {
  switch (s.kind) {
    case K::kText:
      return (std::holds_alternative<Label T::*>(s.control) || std::holds_alternative<Edit T::*>(s.control)) &&
             s.variable == nullptr;
    case K::kInt:
      return std::holds_alternative<Edit T::*>(s.control) && s.variable != nullptr;
    case K::kIndex:
      return std::holds_alternative<RadioGroup T::*>(s.control) && s.variable == nullptr;
    case K::kBool:
      return std::holds_alternative<CheckBox T::*>(s.control) && s.variable == nullptr;
  }
  return false;
}

}  // namespace

constexpr std::array<Setting, kSettingCount> kSettingsCatalogue{{
    {"rep_album_A.Caption", K::kText, &T::rep_album_A, "C:\\Lumivel\\A"},
    {"rep_album_B.Caption", K::kText, &T::rep_album_B, "C:\\Lumivel\\B"},
    {"xnview_alternative_Label.Caption", K::kText, &T::xnview_alternative_Label,
     "C:\\Program Files (x86)\\XnView\\XnView.exe"},
    {"dt0_a", K::kInt, &T::Edit_dt0_a, "1000", &T::dt0_a},
    {"dt1_a", K::kInt, &T::Edit_dt1_a, "2000", &T::dt1_a},
    {"dt2_a", K::kInt, &T::Edit_dt2_a, "4000", &T::dt2_a},
    {"dt2_b", K::kInt, &T::Edit_dt2_b, "4000", &T::dt2_b},
    {"dt3_a", K::kInt, &T::Edit_dt3_a, "2000", &T::dt3_a},
    {"dt3_b", K::kInt, &T::Edit_dt3_b, "2000", &T::dt3_b},
    {"dt4_a", K::kInt, &T::Edit_dt4_a, "2000", &T::dt4_a},
    {"dt4_b", K::kInt, &T::Edit_dt4_b, "2000", &T::dt4_b},
    {"dt5_a", K::kInt, &T::Edit_dt5_a, "2000", &T::dt5_a},
    {"dt5_b", K::kInt, &T::Edit_dt5_b, "2000", &T::dt5_b},
    {"_haut", K::kInt, &T::Edit_haut, "100", &T::_haut},
    {"vmax", K::kInt, &T::Edit_vmax, "100", &T::MouseSpeedMax},
    {"zoom_max10", K::kInt, &T::Edit_zoom_s_dix, "32", &T::zoom_max10},
    {"inc_dx", K::kInt, &T::Edit_inc_pixel, "500", &T::inc_dx},
    {"indice_non_aleatoire", K::kInt, &T::Edit_indice_non_aleatoire, "4", &T::indice_non_aleatoire},
    {"rayon_rnd", K::kInt, &T::Edit_rayon_rnd, "5", &T::rayon_rnd},
    {"nb_fouille", K::kInt, &T::Edit_nb_fouille, "3", &T::nb_fouille},
    {"Rdg1.ItemIndex", K::kIndex, &T::Rdg1, "0"},
    {"RadioGroup_titre_ecran.ItemIndex", K::kIndex, &T::RadioGroup_titre_ecran, "1"},
    {"RadioGroup_sous_rep_recursif.ItemIndex", K::kIndex, &T::RadioGroup_sous_rep_recursif, "1"},
    {"RadioGroup_exclusion.ItemIndex", K::kIndex, &T::RadioGroup_exclusion, "0"},
    {"CheckBox_rnd.Checked", K::kBool, &T::CheckBox_rnd, "true"},
    {"RadioGroup_filtre_date.ItemIndex", K::kIndex, &T::RadioGroup_filtre_date, "0"},
    {"annee_de", K::kText, &T::Edit_annee_de, ""},
    {"annee_a", K::kText, &T::Edit_annee_a, ""},
    {"mois_de", K::kText, &T::Edit_mois_de, ""},
    {"mois_a", K::kText, &T::Edit_mois_a, ""},
    {"CheckBox_contient.Checked", K::kBool, &T::CheckBox_contient, "false"},
    {"CheckBox_ne_contient_pas.Checked", K::kBool, &T::CheckBox_ne_contient_pas, "false"},
    {"filtre_contient", K::kText, &T::Edit_contient, ""},
    {"filtre_ne_contient_pas", K::kText, &T::Edit_ne_contient_pas, ""},
    {"CheckBox_xnview_rep_et_nom.Checked", K::kBool, &T::CheckBox_xnview_rep_et_nom, "false"},
    {"CheckBox_af_an.Checked", K::kBool, &T::CheckBox_af_an, "false", nullptr, ShowYearLabelWhenTicked},
    {"CheckBox_fic_exclusion.Checked", K::kBool, &T::CheckBox_fic_exclusion, "false"},
    {"CheckBox_grand_menu.Checked", K::kBool, &T::CheckBox_grand_menu, "false"},
}};

static_assert(std::ranges::all_of(kSettingsCatalogue, Consistent),
              "each kind binds to its kind of control, and only numbers keep a variable");

Control& SettingControlOf(Tdiapo& diapo, const Setting& setting) {
  return std::visit([&diapo](auto member) -> Control& { return diapo.*member; }, setting.control);
}

}  // namespace lumivel
