#pragma once
// Which entries of a listed directory enter the index: picture files that pass the control
// panel's filters (exclusion file, marker characters, date range read from the directory's name,
// excluded and required words). Pure rules; the walk and the append belong to the main window.
#include <memory>
#include <string_view>
#include <vector>

#include "services/file_system.h"
#include "util/cp1252.h"

namespace lumivel {

// A file whose name holds ".JPG" or ".BMP" anywhere (any case), does not begin with a dot and is
// not empty. Directories are refused whatever their size.
bool IsPictureFile(const DirEntry& entry);

// The items of a word box ("ne doit pas contenir", "doit contenir"): the text trimmed, folded by
// NormalizeForMatch (so blanks and hyphens vanish) and upper-cased, then split as a comma text.
// A comma or any character of code 1 to 32 ends an item; an item beginning with '"' runs to the
// next lone '"', a doubled '"' standing for one, or to the end of the text when none closes it.
// ",," gives an empty item and so does a leading comma; a trailing comma gives none.
std::vector<Text> SplitFilterWords(const Text& boxText);

// Item indexes of RadioGroup_exclusion.
inline constexpr int kMarkerExcludes = 0;  // "++" or "§" in the path rejects the picture
inline constexpr int kMarkerIgnored = 1;
inline constexpr int kMarkerRequired = 2;  // only paths holding "++" or "§" are kept

// What the filters read from the control panel and the main window's lists: at the start of a
// walk, and again when one of those controls changes during it (the word lists stay the walk's).
struct WalkFilterSettings {
  bool exclusionListsOn = false;          // CheckBox_fic_exclusion
  std::vector<Text> excludedDirectories;  // ListBox_rep_exclu
  std::vector<Text> excludedFileEntries;  // ListBox_rep_nom_fic_exclu
  int markerRule = kMarkerExcludes;       // RadioGroup_exclusion item index, -1 when none
  int dateMode = 0;                       // RadioGroup_filtre_date item index
  Text yearFrom;                          // Edit_annee_de
  Text monthFrom;                         // Edit_mois_de
  Text yearTo;                            // Edit_annee_a
  Text monthTo;                           // Edit_mois_a
  bool excludedWordsChecked = false;      // CheckBox_ne_contient_pas
  bool excludedWordsBoxEmpty = true;      // Edit_ne_contient_pas holds no text at all
  std::vector<Text> excludedWords;        // ExcludedWords (SplitFilterWords of the box)
  bool requiredWordsChecked = false;      // CheckBox_contient
  bool requiredWordsBoxEmpty = true;      // Edit_contient holds no text at all
  std::vector<Text> requiredWords;        // RequiredWords
};

class PreparedWalkFilters;
struct ExclusionTails;

// The filters' answer for one listed directory. The walk asks for it once per directory and
// then only asks AcceptsFile for each picture file in it, which costs a search of the file's
// name for the markers and for the few exclusion texts that could end inside a file name.
// It points into the PreparedWalkFilters that made it and must not outlive them.
class DirectoryVerdict {
 public:
  // True when no picture of the directory can pass: a filter that reads only the directory
  // fails (date, words), or an exclusion text already occurs in the directory's path.
  bool RejectsEveryFile() const { return rejectsAll_; }
  // The verdict for the file of this directory with the given name (names hold no backslash).
  bool AcceptsFile(std::string_view name) const;

 private:
  friend class PreparedWalkFilters;

  bool rejectsAll_ = false;
  bool markerInDirectory_ = false;
  int markerRule_ = kMarkerIgnored;
  const std::vector<Text>* plainEntries_ = nullptr;  // exclusion texts without a backslash
  std::vector<const ExclusionTails*> tails_;  // exclusion texts whose part before the name ends dir
};

// The filters of one walk, with what does not depend on the directory or the file worked out
// once: the date bounds, the words without their empty items (an empty word never occurs), and
// the exclusion texts grouped by their part up to the last backslash.
class PreparedWalkFilters {
 public:
  explicit PreparedWalkFilters(const WalkFilterSettings& settings);
  ~PreparedWalkFilters();
  PreparedWalkFilters(PreparedWalkFilters&&) noexcept;
  PreparedWalkFilters& operator=(PreparedWalkFilters&&) noexcept;

  // dir is the directory being listed, without a trailing backslash; its files' paths are
  // dir + "\" + name.
  DirectoryVerdict JudgeDirectory(const Text& dir) const;

 private:
  struct Exclusions;

  bool PassesDateFilter(const Text& dir) const;
  bool PassesWordFilters(const Text& dir) const;

  int markerRule_;
  int dateMode_;
  bool dateRejectsAll_ = false;
  bool yearsOnly_ = false;
  Text from_;
  Text to_;
  bool excludedWordsOn_;
  bool requiredWordsOn_;
  std::vector<Text> excludedWords_;
  std::vector<Text> requiredWords_;
  std::unique_ptr<Exclusions> exclusions_;  // null when the exclusion file is not used
};

// Filters 2 to 6 for one picture file in the order the walk applies them: exclusion lists,
// marker rule, date, excluded words, required words. path is dir + "\" + the file's name.
// Directory entries never come here: IsPictureFile refuses them. For many files of one
// directory, JudgeDirectory once and AcceptsFile per file give the same answers faster.
bool PassesWalkFilters(const PreparedWalkFilters& filters, const Text& dir, const Text& path);

}  // namespace lumivel
