#pragma once
// What the walk's scenarios share: photo trees on drive C, the saved settings that choose the
// roots and the filters, and the index files a walk must leave, in the order the file system
// lists the tree.
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "scenarios/settings_fixtures.h"
#include "support/scenario.h"

namespace lumivel::testing {

inline const std::string kRecordFile = "C:\\Lumivel\\toutes_img._nf";
inline const std::string kDirectoryFile = "C:\\Lumivel\\toutes_img_ListBox_rep.dat";
inline const std::string kExclusionFile = "C:\\Lumivel\\Lumivel_exclusion.txt";
inline const std::string kNoPictureBox =
    "\"    aucune image retenue, dans les Options, changer les filtres          \"";

// Small files that are not empty (an empty file is never a picture), at program paths in UTF-8.
void WriteFiles(const Scenario& s, const std::vector<std::string>& paths);
// The root directories with their ticks, as the user's saved settings hold them.
void WriteRoots(const Scenario& s, const std::vector<std::pair<std::string, bool>>& roots);
// The parameter file: "key = value" lines in UTF-8; keys left out keep their load defaults.
void WriteParams(const Scenario& s, const std::vector<std::string>& lines);

// The two index files as a walk leaves them.
struct IndexFiles {
  std::string records;      // 88-byte records
  std::string directories;  // CP1252 lines ended by CR LF
};

IndexFiles ReadIndexFiles(const Scenario& s);

// The files a walk over `roots` (program paths) meets, in the order the file system lists them,
// sub-folders depth first where their entry comes (only with `recursive`), kept when their program
// path (UTF-8) is in `kept`, turned into index files. Every kept path must be met.
IndexFiles ExpectedIndex(const Scenario& s, const std::vector<std::string>& roots, bool recursive,
                         const std::set<std::string>& kept);

}  // namespace lumivel::testing
