#include "tools/viewer_command.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumivel {
namespace {

const Text kViewer = "C:\\Program Files (x86)\\XnView\\XnView.exe";
const Text kDir = "D:\\photos\\050828 avg";

ViewerRequest Request(ViewerSender sender, int32_t lastKey, bool withFileName) {
  ViewerRequest r;
  r.sender = sender;
  r.lastKey = lastKey;
  r.withFileName = withFileName;
  r.pictureDirectory = kDir;
  r.currentImagePath = kDir + "\\img_0012.jpg";
  r.albumA = "C:\\Lumivel\\A";
  r.albumB = "C:\\Lumivel\\B";
  r.viewerPath = kViewer;
  return r;
}

TEST(ViewerCommand, TargetBySenderAndSlideshow) {
  struct Case {
    const char* what;
    ViewerSender sender;
    int32_t lastKey;
    bool withFileName;
    Text commandLine;
    bool slideshow;
    Text target;
  };
  const Case cases[] = {
      {"picture panel opens the directory", ViewerSender::PictureFolderPanel, 0, false,
       "\"C:\\Program Files (x86)\\XnView\\XnView.exe\" \"D:\\photos\\050828 avg\"", false, kDir},
      {"picture panel with the file name opens the picture", ViewerSender::PictureFolderPanel, 37,
       true,
       "\"C:\\Program Files (x86)\\XnView\\XnView.exe\" \"D:\\photos\\050828 avg\\img_0012.jpg\"",
       false, kDir + "\\img_0012.jpg"},
      {"album A", ViewerSender::AlbumAPanel, 0, true,
       "\"C:\\Program Files (x86)\\XnView\\XnView.exe\" \"C:\\Lumivel\\A\"", false,
       "C:\\Lumivel\\A"},
      {"album B", ViewerSender::AlbumBPanel, 0, false,
       "\"C:\\Program Files (x86)\\XnView\\XnView.exe\" \"C:\\Lumivel\\B\"", false,
       "C:\\Lumivel\\B"},
      {"another sender opens the C drive", ViewerSender::Other, 32, false,
       "\"C:\\Program Files (x86)\\XnView\\XnView.exe\" \"C:\\\"", false, "C:\\"},
      {"slideshow button: the directory alone, even with the file name asked",
       ViewerSender::SlideshowButton, 0, true,
       "\"C:\\Program Files (x86)\\XnView\\XnView.exe\" -slide \"D:\\photos\\050828 avg\"", true,
       kDir},
      {"F3 from the main window", ViewerSender::Other, 114, false,
       "\"C:\\Program Files (x86)\\XnView\\XnView.exe\" -slide \"D:\\photos\\050828 avg\"", true,
       kDir},
      {"F3 as the last key turns an album panel into the slideshow", ViewerSender::AlbumAPanel,
       114, false,
       "\"C:\\Program Files (x86)\\XnView\\XnView.exe\" -slide \"D:\\photos\\050828 avg\"", true,
       kDir},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ViewerCommand command = BuildViewerCommand(Request(c.sender, c.lastKey, c.withFileName));
    EXPECT_EQ(command.commandLine, c.commandLine);
    EXPECT_EQ(command.program.text, kViewer);
    EXPECT_TRUE(command.program.isProgramPath);
    ASSERT_EQ(command.arguments.size(), c.slideshow ? 2u : 1u);
    if (c.slideshow) {
      EXPECT_EQ(command.arguments[0].text, "-slide");
      EXPECT_FALSE(command.arguments[0].isProgramPath);
    }
    EXPECT_EQ(command.arguments.back().text, c.target);
    EXPECT_TRUE(command.arguments.back().isProgramPath);
  }
}

}  // namespace
}  // namespace lumivel
