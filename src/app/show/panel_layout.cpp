// The two layouts of the options panel: one compact row of buttons, or every setting. The
// button's caption records which one is in force.
#include "app/tdiapo.h"

namespace lumivel {

namespace {

constexpr int kCompactWidth = 1001;
constexpr int kFullWidth = 1700;
// The panel's lower edge stays this far above the screen's.
constexpr int kBottomMargin = 12;

}  // namespace

void Tdiapo::ShowCompactPanel() {
  if (CheckBox_grand_menu.Checked()) {
    ShowFullPanel();
    return;
  }
  Button_avec_sans_option.SetCaption("options");
  // One row of buttons with equal margins above and below.
  const int height = 2 * Button_retour.Top() + Button_retour.Height();
  Panel1.SetBounds((ScreenWidth - kCompactWidth) / 2, ScreenHeight - height - kBottomMargin,
                   kCompactWidth, height);
  Panel_continuer.SetLeft(123);
  Button_retour.SetLeft(311);
  Button_avance.SetLeft(367);
  Panel_ouvrir_rep_img.SetLeft(424);
  Button_avec_sans_option.SetLeft(644);
  Button_quit.SetLeft(744);
  Button_close_param.SetLeft(849);
  Button_tout_le_rep.SetLeft(878);
}

void Tdiapo::ShowFullPanel() {
  Button_avec_sans_option.SetCaption("moins d'options");
  // Down to the lowest control of the panel.
  const int height = Label20.Top() + Label20.Height() + 8;
  Panel1.SetBounds((ScreenWidth - kFullWidth) / 2, ScreenHeight - height - kBottomMargin,
                   kFullWidth, height);
  Panel_continuer.SetLeft(475);
  Button_retour.SetLeft(663);
  Button_avance.SetLeft(719);
  Panel_ouvrir_rep_img.SetLeft(769);
  Button_avec_sans_option.SetLeft(1082);
  Button_quit.SetLeft(123);
  Button_close_param.SetLeft(Panel1.Width() - Button_close_param.Width() - 8);
  Button_tout_le_rep.SetLeft(990);
  // The side panels sit above the panel's right end, the zoom panel flush right.
  Panel3.SetLeft(Panel1.Left() + Panel1.Width() - Panel3.Width());
  Panel3.SetTop(Panel1.Top() - Panel3.Height() - 2);
  Panel2.SetLeft(Panel3.Left() - Panel2.Width() - 2);
  Panel2.SetTop(Panel3.Top());
}

void Tdiapo::Button_avec_sans_optionClick() {
  if (Button_avec_sans_option.Caption() == "options") {
    ShowFullPanel();
  } else {
    ShowCompactPanel();
  }
}

}  // namespace lumivel
