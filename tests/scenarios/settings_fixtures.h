#pragma once
// Data folders for the settings, keys and root-directory scenarios: a saved index of real pictures
// that the show can run through, and the data files by their names.
#include <string>

#include "index/image_index.h"
#include "support/picture_factory.h"
#include "support/scenario.h"

namespace lumivel::testing {

// Written and read under one spelling of the data folder, so the test and the program meet in the
// same host folder (the program finds it whatever the case of its own paths).
inline const std::string kParamFile = "C:\\Lumivel\\lumivel_var.prm";
inline const std::string kRootsFile = "C:\\Lumivel\\lumivel.rep";
inline const std::string kFlagsFile = "C:\\Lumivel\\lumivel.repflag";
inline const std::string kHistoryFile = "C:\\Lumivel\\img_affichees.lst";
inline const std::string kQueueFile = "C:\\Lumivel\\image_rep_crt.txt";
inline const std::string kMarkerFile = "C:\\Lumivel\\effacez_moi_pour_reinitialiser.___";

// Three small pictures in C:\Photos with the index naming them and its marker, a history holding
// the first, and a parameter file (plus `params`) in which a picture stays 100 ms: a start loads
// the index and the show runs in short turns.
inline void WriteShowablePictures(const Scenario& s, const std::string& params = "") {
  ImageIndex index;
  const std::string jpeg = QuadrantJpeg(64, 48);
  for (const char* name : {"p0.jpg", "p1.jpg", "p2.jpg"}) {
    s.WriteFile(std::string("C:\\Photos\\") + name, jpeg);
    index.Append(0, name);
  }
  s.WriteFile("C:\\Lumivel\\toutes_img._nf", index.Serialize());
  s.WriteFile("C:\\Lumivel\\toutes_img_ListBox_rep.dat", "C:\\Photos\r\n");
  s.WriteFile(kMarkerFile, "");
  s.WriteFile(kHistoryFile, "C:\\Photos\\p0.jpg\r\n");
  s.WriteFile(kParamFile, "dt0_a = 100\r\n" + params);
}

}  // namespace lumivel::testing
