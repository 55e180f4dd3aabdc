// Handing work to other programs: the image viewer on a directory (waited for, with the window
// kept alive), the viewer's choice, the manual in a PDF reader or the browser, the file manager.
#include "app/tdiapo.h"
#include "services/data_paths.h"
#include "tools/viewer_command.h"
#include "util/program_path.h"

namespace lumivel {

using namespace literals;

namespace {

// The shell's answer when the program to open is not there.
constexpr int kViewerWaitSliceMs = 200;

constexpr const char* kManualName = "Lumivel_Manuel.pdf";
constexpr const char* kPdfReader = "C:\\LOGICIELS\\PDFX_Vwr_Port\\PDFXCview.exe";
constexpr const char* kBrowser = "firefox.exe";
constexpr const char* kManualAddress = "file:///C:\\Lumivel\\Lumivel_Manuel.pdf";

}  // namespace

void Tdiapo::Panel_ouvrir_rep_imgClick(Control* sender) { OpenInViewer(sender); }

void Tdiapo::OpenInViewer(Control* sender) {
  ViewerRequest request;
  if (sender == &Panel_ouvrir_rep_img) {
    request.sender = ViewerSender::PictureFolderPanel;
  } else if (sender == &Panel_ouvrir_repA) {
    request.sender = ViewerSender::AlbumAPanel;
  } else if (sender == &Panel_ouvrir_repB) {
    request.sender = ViewerSender::AlbumBPanel;
  } else if (sender == &Button_tout_le_rep) {
    request.sender = ViewerSender::SlideshowButton;
  }
  request.lastKey = LastKey;
  request.withFileName = CheckBox_xnview_rep_et_nom.Checked();
  // The picture on screen: a turn sets Label_repertoire and the next CurrentImagePath only around
  // its effect, while F3 or a click may come during it.
  request.pictureDirectory = DirectoryPart(PictureOnScreenPath);
  request.currentImagePath = PictureOnScreenPath;
  request.albumA = rep_album_A.Caption();
  request.albumB = rep_album_B.Caption();
  request.viewerPath = xnview_alternative_Label.Caption();
  const ViewerCommand command = BuildViewerCommand(request);

  // A viewer that cannot start is silent. While it runs, the window keeps handling its messages.
  auto process = services_.launcher.Start(command.commandLine, command.program, command.arguments);
  if (process) {
    // A restart of the show unwinds this wait; the viewer then runs on and is collected later.
    struct Waiting {
      Launcher& launcher;
      int process;
      bool ended = false;
      ~Waiting() {
        if (!ended) launcher.Release(process);
      }
    } waiting{services_.launcher, *process};
    do {
      app_.ProcessMessages();
    } while (!services_.launcher.WaitFor(*process, kViewerWaitSliceMs));
    waiting.ended = true;
  }
  // "répertoire ET nom (relance obligatoire)": the program ends with the viewer, without the quit
  // procedure, so nothing is saved and the exit code is the plain 0.
  if (CheckBox_xnview_rep_et_nom.Checked()) app_.Exit(0);
}

void Tdiapo::SpeedButton_xnviewClick() {
  auto file = toolkit_.ChooseFile("Choix du programme exécutable"_cp,
                                  "programmes (*.exe)|*.exe|all (*.*)|*.*");
  if (!file) return;
  // Not marked as a change: the new path is saved whenever the settings next are.
  if (toolkit_.Confirm(*file + "\r\r" + " => Valider")) xnview_alternative_Label.SetCaption(*file);
}

void Tdiapo::Button_aideClick() { OpenHelpManual(); }

void Tdiapo::OpenHelpManual() {
  const Text manual = Text(paths::kDataDir) + "\\" + kManualName;
  // A data folder without the manual (a new installation, another data drive) gets the program's
  // own copy first.
  if (!services_.fs.FileExists(manual)) {
    if (const auto own = services_.ownFiles.Read(kManualName)) {
      services_.fs.CreateDirectories(paths::kDataDir);
      services_.fs.WriteFile(manual, *own);
    }
  }
  if (!services_.fs.FileExists(manual)) {
    toolkit_.ShowMessage(manual + " introuvable");
    return;
  }
  // The reader first, the browser only when the reader is not found; any other outcome, success
  // or another error, ends here without a word.
  Launcher& launcher = services_.launcher;
  if (launcher.ShellOpen(kPdfReader, kManualName, paths::kDataDir) != kShellFileNotFound) return;
  if (launcher.ShellOpen(kBrowser, kManualAddress, "") != kShellFileNotFound) return;
  toolkit_.ShowMessage("Firefox et Acrobat introuvables");
}

void Tdiapo::SpeedButton5Click() {
  services_.launcher.ShellOpen("explorer.exe", Edit2.GetText(), "");
}

}  // namespace lumivel
