// Looking at the program's own lists over the picture: the history and the indexed directories.
// The two boxes that show the directory list share it; the last click decides.
#include "app/tdiapo.h"

namespace lumivel {

namespace {
constexpr int kListGap = 8;
}  // namespace

void Tdiapo::PlaceDirectoryListUnderHistory() {
  ListBox_rep.SetLeft(kListGap);
  ListBox_rep.SetTop(ListBox_passee.Top() + ListBox_passee.Height() + kListGap);
}

void Tdiapo::CheckBox_voir_liste_300Click() {
  ListBox_passee.SetVisible(CheckBox_voir_liste_300.Checked());
}

void Tdiapo::CheckBox_voir_idxClick() {
  PlaceDirectoryListUnderHistory();
  ListBox_rep.SetVisible(CheckBox_voir_idx.Checked());
}

void Tdiapo::CheckBox1Click() {
  if (Panel3.Visible()) {
    PlaceDirectoryListUnderHistory();
  } else {
    // Just above the control panel, flush with its right edge.
    ListBox_rep.SetLeft(Panel1.Left() + Panel1.Width() - ListBox_rep.Width());
    ListBox_rep.SetTop(Panel1.Top() - ListBox_rep.Height() - kListGap);
  }
  ListBox_rep.SetVisible(CheckBox1.Checked());
}

}  // namespace lumivel
