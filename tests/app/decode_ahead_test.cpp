// Which picture the show has decoded while the current one is shown: the one the next turn loads,
// whenever it is known without a random draw.
#include <gtest/gtest.h>

#include "app/in_process_window.h"
#include "services/data_paths.h"

namespace lumivel {
namespace {

class HintedLoader : public PosixPictureLoader {
 public:
  void DecodeAhead(const std::string& hostPath, int, int) override { hints.push_back(hostPath); }
  std::vector<std::string> hints;
};

struct Window : testing::InProcessWindowWith<HintedLoader> {
  // The hint the window gives now, in program form; "" for none.
  std::string Hint() {
    pictures.hints.clear();
    diapo.DecodeNextAhead();
    return pictures.hints.empty() ? "" : fs.ToProgram(pictures.hints.back());
  }
};

TEST(DecodeAhead, NewPicturesInIndexOrderNearACentreOrFromTheQueueFile) {
  Window w;
  Tdiapo& d = w.diapo;
  d.ListBox_rep.SetLines({"C:\\Photos"});
  for (const char* name : {"p0.jpg", "p1.JPG", "p2.jpg", "p3.jpeg", "p4.png"}) d.ImageIndexRecords.Append(0, name);
  d.ShowMode = 1;
  d.rayon_rnd = 5;
  d.nb_fouille = 3;

  d.CheckBox_rnd.SetChecked(false);
  d.indice_non_aleatoire = 0;
  EXPECT_EQ(w.Hint(), "C:\\Photos\\p1.JPG") << "index order";
  d.indice_non_aleatoire = 4;
  EXPECT_EQ(w.Hint(), "C:\\Photos\\p0.jpg") << "back to the start past the end";
  d.indice_non_aleatoire = 3;
  EXPECT_EQ(w.Hint(), "") << "not a JPEG";
  EXPECT_EQ(d.indice_non_aleatoire, 3) << "nothing moved";

  d.CheckBox_rnd.SetChecked(true);
  d.Picker.DrawCounter = 0;
  EXPECT_EQ(w.Hint(), "") << "a new centre is a random draw";
  d.Picker.DrawCounter = 1;
  d.Picker.NeighbourCentre = 1;
  d.Picker.NeighbourTable[0] = 2;
  EXPECT_EQ(w.Hint(), "C:\\Photos\\p3.jpeg") << "the next neighbour of the centre";
  EXPECT_EQ(d.Picker.DrawCounter, 1) << "nothing moved";

  w.fs.CreateDirectories("C:\\lumivel");
  w.fs.WriteFile(paths::kQueueFile, "C:\\Queue\r\nq1.jpg\r\n");
  d.ListBox_fic_rep_crt.SetLines({"C:\\Queue", "q1.jpg"});
  EXPECT_EQ(w.Hint(), "C:\\Queue\\q1.jpg") << "the queue file's next name comes first";
  d.ListBox_fic_rep_crt.SetLines({"C:\\Queue"});
  EXPECT_EQ(w.Hint(), "C:\\Photos\\p3.jpeg") << "a spent queue file gives way to the pick";
}

TEST(DecodeAhead, StepsThroughTheHistoryGoTheSameWayAsTheLastOne) {
  Window w;
  Tdiapo& d = w.diapo;
  d.ListBox_passee.SetLines({"C:\\h0.jpg", "C:\\h1.jpg", "C:\\h2.jpg", "C:\\h3.jpg"});
  d.ShowMode = 0;
  d.HistoryPos = 2;
  EXPECT_EQ(w.Hint(), "C:\\h1.jpg") << "the first picture browsed: back is likelier";
  d.HistoryPos = 1;
  EXPECT_EQ(w.Hint(), "C:\\h0.jpg") << "going back";
  d.HistoryPos = 0;
  EXPECT_EQ(w.Hint(), "") << "nothing before the oldest";
  d.HistoryPos = 1;
  EXPECT_EQ(w.Hint(), "C:\\h2.jpg") << "going forward";
  d.HistoryPos = 3;
  EXPECT_EQ(w.Hint(), "") << "nothing after the newest";
}

}  // namespace
}  // namespace lumivel
