// lumivel [/s | /p | /c]: the slideshow and screen saver with its Qt window.
#include <QApplication>
#include <QScreen>

#include "app/program.h"
#include "posix/alsa_sound.h"
#include "posix/own_files.h"
#include "posix/picture_loader.h"
#include "posix/posix_file_system.h"
#include "posix/posix_launcher.h"
#include "posix/system_clock.h"
#include "posix/termination_signals.h"
#include "posix/x11_screen_saver.h"
#include "qt/french_translations.h"
#include "qt/qt_toolkit.h"
#include "qt/screen_pixel_pictures.h"
#include "show/random_source.h"

int main(int argc, char** argv) {
  using namespace lumivel;
  // Qt takes its own options (-platform, ...) out of argv; argument 1 is the program's.
  QApplication qtApplication(argc, argv);
  InstallFrenchTranslations();
  const std::string argument1 = argc > 1 ? argv[1] : "";

  PosixFileSystem fs(DriveMap::FromEnvironment());
  fs.CreateDriveFolder('C');
  SystemClock clock;
  UniformRandomSource random;
  PosixPictureLoader decoder;
  ScreenPixelPictures pictures(decoder, QGuiApplication::primaryScreen()->devicePixelRatio());
  AlsaSound sound;
  X11ScreenSaver saver;
  PosixLauncher launcher(fs);
  PosixOwnFiles ownFiles;
  Services services{fs, clock, random, pictures, sound, saver, launcher, ownFiles};

  QtToolkit toolkit(fs);
  Application app(toolkit);
  toolkit.SetApplication(&app);
  TerminationSignals termination;
  toolkit.WatchTermination(termination);
  return RunProgram(app, toolkit, services, argument1,
                    [&toolkit](ControlSet&, Tdiapo*) { toolkit.DetachWindow(); });
}
