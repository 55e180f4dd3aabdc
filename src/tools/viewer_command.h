#pragma once
// The command line that opens a directory (or the shown picture) in the external viewer, or asks
// the viewer for its own slideshow of the shown picture's directory.
#include <cstdint>
#include <vector>

#include "services/services.h"
#include "util/cp1252.h"
#include "util/key_codes.h"

namespace lumivel {

// Which control asked for the viewer.
enum class ViewerSender {
  PictureFolderPanel,  // Panel_ouvrir_rep_img
  AlbumAPanel,         // Panel_ouvrir_repA
  AlbumBPanel,         // Panel_ouvrir_repB
  SlideshowButton,     // Button_tout_le_rep
  Other,               // the main window (F3) or anything else
};

// Key code of F3: with it as LastKey every sender asks for the slideshow.
inline constexpr int32_t kSlideshowKey = keys::kF3;

struct ViewerRequest {
  ViewerSender sender = ViewerSender::Other;
  int32_t lastKey = 0;
  bool withFileName = false;       // CheckBox_xnview_rep_et_nom
  Text pictureDirectory;           // the directory of the picture on screen
  Text currentImagePath;           // the picture on screen
  Text albumA;                     // rep_album_A caption
  Text albumB;                     // rep_album_B caption
  Text viewerPath;                 // xnview_alternative_Label caption
};

struct ViewerCommand {
  // The line as the program writes it: "viewer" "directory", or "viewer" -slide "directory".
  Text commandLine;
  LaunchArgument program;
  // The directory or picture is a program path (mapped to host form on launch); "-slide" is not.
  std::vector<LaunchArgument> arguments;
};

// The picture panel opens the picture's directory (or, with withFileName, the picture itself),
// the album panels their album, any other sender "C:\". The slideshow button or F3 as the last
// key turns any of them into the slideshow of the picture's directory alone.
ViewerCommand BuildViewerCommand(const ViewerRequest& request);

}  // namespace lumivel
