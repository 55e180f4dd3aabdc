// Effects and pictures as a person sees them: where each effect puts the picture, how long it
// stays, the slow zoom, and what becomes of files that are not good pictures.
#include <gtest/gtest.h>

#include "scenarios/show_scenario.h"
#include "support/picture_factory.h"

namespace lumivel::testing {

namespace {

const std::string kDir = "C:\\Photos\\2014.10 Rome";

// Made once: a 4000 x 3000 photo, its header read for the geometry, the pixels kept small.
const std::string& Photo4000x3000() {
  static const std::string jpeg = QuadrantJpeg(4000, 3000, {.quality = 10, .subsample420 = true});
  return jpeg;
}

// An index in the given order, shown in that order from the first file.
void WriteSequentialShow(const Scenario& s,
                         const std::vector<std::pair<std::string, std::string>>& files,
                         std::vector<std::string> settings) {
  std::vector<IndexedFile> indexed;
  for (const auto& [name, bytes] : files) {
    indexed.push_back({kDir, name});
    s.WriteFile(kDir + "\\" + name, bytes);
  }
  WriteIndex(s, indexed);
  settings.push_back("CheckBox_rnd.Checked = false");
  settings.push_back("indice_non_aleatoire = " + std::to_string(files.size() - 1));
  WriteSettings(s, settings);
  WriteHistory(s, {kDir + "\\" + files.front().first});
}

std::vector<std::string> PlacesUntil(const ScenarioResult& r, int64_t until) {
  std::vector<std::string> out;
  for (const auto& [ms, place] : TimedEvents(r, "place")) {
    if (ms < until) out.push_back(place);
  }
  return out;
}

TEST(Effects, FitAndFillOfA4000x3000PhotoOnAFullHdScreen) {
  struct Case {
    const char* what;
    std::vector<std::string> settings;
    std::vector<std::string> places;
  };
  const Case cases[] = {
      {"effect 0: fitted", {"Rdg1.ItemIndex = 0"}, {"240 0 1440 1080"}},
      {"effect 1, top kept", {"Rdg1.ItemIndex = 1", "_haut = 100"}, {"0 0 1920 1440"}},
      {"effect 1, centred", {"Rdg1.ItemIndex = 1", "_haut = 0"}, {"0 -180 1920 1440"}},
      {"effect 2: fitted, then filled",
       {"Rdg1.ItemIndex = 2", "_haut = 0"},
       {"240 0 1440 1080", "0 -180 1920 1440"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Scenario s;
    WriteSequentialShow(s, {{"photo.jpg", Photo4000x3000()}}, c.settings);
    auto r = s.Run("", "/s", 9000);
    EXPECT_EQ(r.Events("picture").front(), Quoted(kDir + "\\photo.jpg") + " 4000x3000");
    const auto titles = TimedEvents(r, "title");
    ASSERT_GE(titles.size(), 2u);
    EXPECT_EQ(PlacesUntil(r, titles[1].first), c.places);
  }
}

TEST(Effects, WaitsCountWholeTenthsOfASecond) {
  const struct {
    int duration;
    int atLeast, below;
  } cases[] = {{150, 100, 200}, {99, 0, 100}, {0, 0, 100}, {250, 200, 300}};
  for (const auto& c : cases) {
    Scenario s;
    WriteSequentialShow(s, {{"a.jpg", SmallJpeg()}}, {"dt0_a = " + std::to_string(c.duration)});
    auto r = s.Run("", "/s", 1000);
    const auto titles = TimedEvents(r, "title");
    ASSERT_GE(titles.size(), 3u) << c.duration;
    const int64_t gap = titles[2].first - titles[1].first;
    EXPECT_GE(gap, c.atLeast) << c.duration;
    EXPECT_LT(gap, c.below) << c.duration;
  }
}

TEST(Effects, SlowZoomFromTheScreenWidthToJustBelowItsEnd) {
  Scenario s;
  WriteSequentialShow(s, {{"photo.jpg", Photo4000x3000()}},
                      {"Rdg1.ItemIndex = 5", "zoom_max10 = 32", "inc_dx = 500", "_haut = 100",
                       "dt5_a = 200", "dt5_b = 300"});
  auto r = s.Run("", "/s", 5000);
  const auto titles = TimedEvents(r, "title");
  ASSERT_GE(titles.size(), 2u);
  const auto places = PlacesUntil(r, titles[1].first);
  // The fill, then passes 0 to 500: the first two at the fill's width, the last at
  // 1920 + round(4224 / 500 * 499) = 6136, below 6144 = 1920 x 32 / 10.
  ASSERT_EQ(places.size(), 502u);
  EXPECT_EQ(places[0], "0 0 1920 1440");
  EXPECT_EQ(places[1], "0 0 1920 1440");
  EXPECT_EQ(places[2], "0 0 1920 1440");
  EXPECT_EQ(places.back(), "-2108 0 6136 4602");
}

// A key that only stops the show takes effect at the end of the turn; but a slow zoom that
// starts after it clears the stop, and the show goes on.
TEST(Effects, StoppingKeyEndsTheShowUnlessAZoomFollows) {
  const struct {
    const char* what;
    std::vector<std::string> settings;
    bool goesOn;
  } cases[] = {
      {"effect 0: stops", {"Rdg1.ItemIndex = 0", "dt0_a = 1000"}, false},
      {"effect 5 with no zoom pass: the stop is still cleared",
       {"Rdg1.ItemIndex = 5", "zoom_max10 = 10", "dt5_a = 1000", "dt5_b = 100"},
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Scenario s;
    WriteSequentialShow(s, {{"photo.jpg", Photo4000x3000()}}, c.settings);
    auto r = s.Run("300 keyup 13\n", "/s", 6000);
    EXPECT_EQ(r.Events("title").size() > 1, c.goesOn);
    EXPECT_EQ(r.State("StopShow").boolean, !c.goesOn);
  }
}

TEST(Effects, NoEffectZoomsFromNothingWithoutWaiting) {
  Scenario s;
  WriteSequentialShow(s, {{"photo.jpg", Photo4000x3000()}}, {"Rdg1.ItemIndex = -1", "inc_dx = 4"});
  auto r = s.Run("", "/s", 20);
  const auto titles = TimedEvents(r, "title");
  ASSERT_GE(titles.size(), 2u);
  // wmax 6144 in 4 strides of 1536: 0, 0, 1536, 3072, 4608.
  EXPECT_EQ(PlacesUntil(r, titles[1].first),
            (std::vector<std::string>{"960 0 0 0", "960 0 0 0", "192 0 1536 1152",
                                      "-576 0 3072 2304", "-1344 0 4608 3456"}));
  EXPECT_LT(titles[1].first - titles[0].first, 100);
}

TEST(Effects, ZoomWithoutAStepCountDoesNotHarmTheShow) {
  for (const char* steps : {"inc_dx = 0", "inc_dx = -5"}) {
    SCOPED_TRACE(steps);
    Scenario s;
    WriteSequentialShow(s, {{"photo.jpg", Photo4000x3000()}},
                        {"Rdg1.ItemIndex = 3", steps, "dt3_a = 100", "dt3_b = 100"});
    auto r = s.Run("", "/s", 700);
    const auto titles = TimedEvents(r, "title");
    ASSERT_GE(titles.size(), 3u) << "the show goes on";
    // The fit, then the zoom shows its starting width twice and stops.
    EXPECT_EQ(PlacesUntil(r, titles[1].first).size(), 3u);
    EXPECT_TRUE(r.Events("box").empty());
  }
}

TEST(Effects, FilesThatAreNotGoodPictures) {
  const std::string good = SmallJpeg(8, 6);
  const std::string red = " " + std::string(42, 'x') + " ix=0 ";
  struct Case {
    const char* what;
    std::string name;
    std::string bytes;
    std::string picture;  // the picture event of the file, "-" for none
    std::string label4;   // "" when the notice is not shown
    int64_t turnAtLeast;  // the bad file's turn, in ms
  };
  const Case cases[] = {
      {"truncated JPEG: red notice for 2 s", "cut.jpg", good.substr(0, good.size() / 2), "0x0", red,
       2000},
      {"garbage JPEG", "junk.jpg", GarbageBytes(500), "0x0", red, 2000},
      {"upper-case extension loads", "UP.JPG", good, "8x6", "", 0},
      {"png keeps the previous picture", "still.png", "not read", "-", "", 0},
      {"mp4 is passed over at once", "clip.mp4", "not read", "-", "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Scenario s;
    WriteSequentialShow(s, {{"a.jpg", good}, {c.name, c.bytes}}, {"dt0_a = 300"});
    auto r = s.Run("", "/s", 3000);
    const auto titles = TimedEvents(r, "title");
    ASSERT_GE(titles.size(), 3u) << "the show goes on";
    const std::string path = Quoted(kDir + "\\" + c.name);
    bool loaded = false;
    for (const auto& p : r.Events("picture")) {
      if (p.rfind(path, 0) == 0) {
        EXPECT_EQ(p, path + " " + c.picture);
        loaded = true;
      }
    }
    EXPECT_EQ(loaded, c.picture != "-");
    const int64_t turn = titles[2].first - titles[1].first;
    EXPECT_GE(turn, c.turnAtLeast);
    EXPECT_LT(turn, c.turnAtLeast + 400);
    EXPECT_EQ(r.Control("Label4")["text"].string,
              c.label4.empty() ? "" : c.label4 + "C:\\Photos\\2014.10 Rome\\" + c.name);
    EXPECT_TRUE(r.Events("box").empty());
  }
}

TEST(Effects, RedScreenForAnUnreadablePicture) {
  Scenario s;
  WriteSequentialShow(s, {{"a.jpg", SmallJpeg()}, {"cut.jpg", GarbageBytes(100)}}, {"dt0_a = 300"});
  auto atNotice = s.Run("", "/s", 1000);
  EXPECT_EQ(atNotice.Control("diapo")["color"].Int(), 0x0000FF);
  auto after = s.Run("", "/s", 2500);
  EXPECT_EQ(after.Control("diapo")["color"].Int(), 0) << "black again for the next picture";
}

// A bitmap, icon or metafile the loader refuses: its error is shown and the show ends, until a
// key starts it again.
TEST(Effects, RefusedPictureEndsTheShow) {
  struct Case {
    std::string name;
    std::string bytes;
    std::string box;  // how the message begins in the transcript
  };
  const Case cases[] = {
      {"liar.bmp", BmpFile({.width = 4000, .height = 3000, .pixels = std::string(48, '\x40')}),
       Quoted("Image bitmap incorrecte")},
      {"broken.ico", GarbageBytes(300), Quoted("Image icône incorrecte")},
      {"drawing.emf", GarbageBytes(300), "\"Métafichier"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Scenario s;
    WriteSequentialShow(s, {{c.name, c.bytes}, {"a.jpg", SmallJpeg()}}, {"dt0_a = 300"});
    auto r = s.Run("2000 keyup 39\n", "/s", 2200);
    const auto boxes = r.Events("box");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].substr(0, c.box.size()), c.box);
    const auto titles = TimedEvents(r, "title");
    ASSERT_EQ(titles.size(), 2u) << "nothing between the error and the key";
    EXPECT_EQ(titles[0].first, 0);
    EXPECT_GE(titles[1].first, 2000);
    EXPECT_EQ(r.Events("picture"), std::vector<std::string>{Quoted(kDir + "\\a.jpg") + " 8x6"});
  }
}

// Metafiles are drawn by a helper program that a hostile file may crash, hang or lead astray: the
// program then shows the metafile error, as for any metafile it cannot draw, and goes on. The real
// helper, where an installation keeps it, draws the same file.
TEST(Effects, MetafileHelperThatFailsGivesTheMetafileError) {
  struct Case {
    const char* what;
    std::string helper;  // the script standing for the helper beside the program; empty: the real one
  };
  const Case cases[] = {
      {"the real helper in the installation's helper folder", ""},
      {"crashes", "kill -SEGV $$"},
      {"announces a pixel and ends", "printf 'LMF1\\1\\0\\0\\0\\1\\0\\0\\0\\1\\0\\0\\0\\1\\0\\0\\0'"},
      {"hangs past the deadline", "exec sleep 600"},
  };
  const std::string drawing = EmfFile(5292, 2646, 200, 100, {{0, 0, 100, 100, {200, 0, 0}}});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Scenario s;
    TempDir installed;
    s.program = (installed.Path() / "bin/lumivel-headless").string();
    InstallHeadlessProgram(s.program);
    if (c.helper.empty()) {
      std::filesystem::create_directories(installed.Path() / "libexec/lumivel");
      std::filesystem::copy_file(LUMIVEL_METAFILE_BIN, installed.Path() / "libexec/lumivel/lumivel-metafile");
    } else {
      // It notes the file it was given, then does its part.
      const auto fake = installed.Write("bin/lumivel-metafile",
                                        "#!/bin/sh\nprintf '%s' \"$1\" > \"$0.file\"\n" + c.helper + "\n");
      std::filesystem::permissions(fake, std::filesystem::perms::owner_all);
    }
    WriteSequentialShow(s, {{"drawing.emf", drawing}, {"a.jpg", SmallJpeg()}}, {"dt0_a = 300"});
    auto r = s.Run("2000 keyup 39\n", "/s", 2200);
    const auto pictures = r.Events("picture");
    if (c.helper.empty()) {
      EXPECT_TRUE(r.Events("box").empty());
      ASSERT_FALSE(pictures.empty());
      EXPECT_EQ(pictures[0], Quoted(kDir + "\\drawing.emf") + " 200x100");
    } else {
      EXPECT_EQ(r.Events("box"), std::vector<std::string>{Quoted("Métafichier incorrect")});
      EXPECT_EQ(pictures, std::vector<std::string>{Quoted(kDir + "\\a.jpg") + " 8x6"})
          << "the next picture after the key";
      EXPECT_EQ(installed.Read("bin/lumivel-metafile.file"), s.Host(kDir + "\\drawing.emf").string());
    }
  }
}

TEST(Effects, SidewaysPhotoIsShownUpright) {
  Scenario s;
  WriteSequentialShow(s, {{"turned.jpg", QuadrantJpeg(40, 30, {.orientation = 6})}},
                      {"dt0_a = 1000"});
  auto r = s.Run("", "/s", 500);
  EXPECT_EQ(r.Events("picture"),
            std::vector<std::string>{Quoted(kDir + "\\turned.jpg") + " 30x40"});
  // Fitted as a portrait: 1080 x 30 / 40 = 810 wide.
  EXPECT_EQ(r.Events("place"), std::vector<std::string>{"555 0 810 1080"});
}

}  // namespace
}  // namespace lumivel::testing
