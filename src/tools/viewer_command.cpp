#include "tools/viewer_command.h"

#include "util/program_path.h"

namespace lumivel {
namespace {

Text ChosenTarget(const ViewerRequest& request) {
  switch (request.sender) {
    case ViewerSender::PictureFolderPanel:
      if (request.withFileName) {
        return request.pictureDirectory + "\\" + FileNamePart(request.currentImagePath);
      }
      return request.pictureDirectory;
    case ViewerSender::AlbumAPanel:
      return request.albumA;
    case ViewerSender::AlbumBPanel:
      return request.albumB;
    case ViewerSender::SlideshowButton:
    case ViewerSender::Other:
      break;
  }
  return "C:\\";
}

bool AsksForSlideshow(const ViewerRequest& request) {
  return request.sender == ViewerSender::SlideshowButton || request.lastKey == kSlideshowKey;
}

}  // namespace

ViewerCommand BuildViewerCommand(const ViewerRequest& request) {
  ViewerCommand command;
  command.program = {request.viewerPath, true};
  // The separator closes the quoted viewer path and opens the quoted argument.
  Text separator = "\" \"";
  Text target = ChosenTarget(request);
  if (AsksForSlideshow(request)) {
    separator = "\" -slide \"";
    target = request.pictureDirectory;
    command.arguments.push_back({"-slide", false});
  }
  command.arguments.push_back({target, true});
  command.commandLine = "\"" + request.viewerPath + separator + target + "\"";
  return command;
}

}  // namespace lumivel
