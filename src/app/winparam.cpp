#include "app/winparam.h"

#include "settings/ini_profile.h"
#include "util/errors.h"

namespace lumivel {

using namespace literals;

const char* const Twinparam::kIniPath = "C:\\Windows\\Lumivel.ini";

namespace {
const char* const kSection = "Parametres";
}  // namespace

Twinparam::Twinparam(Application& app, FileSystem& fs) : app_(app), fs_(fs) {
  Form.SetCaption("Paramètres"_cp);
  Form.SetBounds(0, 0, 381, 155);
  GroupBox1.SetCaption("Options");
  GroupBox1.SetBounds(8, 8, 365, 100);
  Label1.SetCaption("Texte :");
  Label1.SetBounds(16, 28, 70, 17);
  Edit1.SetBounds(96, 24, 255, 21);
  Label2.SetCaption("Couleur :");
  Label2.SetBounds(16, 62, 70, 17);
  ComboBox1.SetBounds(96, 58, 145, 21);
  for (const char* colour : {"Blanc", "Bleu", "Jaune", "Noir", "Rouge", "Vert"}) {
    ComboBox1.items.push_back(colour);
  }
  Button1.SetCaption("OK");
  Button1.SetBounds(206, 118, 75, 27);
  Button2.SetCaption("Annuler");
  Button2.SetBounds(292, 118, 75, 27);
  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
}

void Twinparam::FormCreate() {
  std::string bytes = fs_.ReadFile(kIniPath).value_or(std::string());
  Edit1.SetText(IniReadString(bytes, kSection, "Texte", "Brunald je vais t'hypnotiser !"));
  ComboBox1.SetText(IniReadString(bytes, kSection, "Couleur", "Rouge"));
}

void Twinparam::Button1Click() {
  // Both values go into the file in one write, so an interrupted save leaves the old file or the
  // new one, never the text without its colour.
  std::string bytes = fs_.ReadFile(kIniPath).value_or(std::string());
  bytes = IniWriteString(bytes, kSection, "Texte", Edit1.GetText());
  bytes = IniWriteString(bytes, kSection, "Couleur", ComboBox1.GetText());
  fs_.CreateDirectories("C:\\Windows");
  if (fs_.WriteFile(kIniPath, bytes) != 0) {
    throw ProgramError(FormatMessage("Impossible d'écrire dans %s"_cp, "Lumivel.ini"));
  }
  app_.Exit(0);
}

void Twinparam::Button2Click() { app_.Exit(0); }

}  // namespace lumivel
