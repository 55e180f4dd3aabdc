#pragma once
// What the show's scenarios share: a saved index over pictures made on the spot, settings lines,
// a saved history, and readers for the transcript's titles, pictures and places.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "support/scenario.h"

namespace lumivel::testing {

// One indexed picture: its directory (a program path) and its file name, UTF-8.
struct IndexedFile {
  std::string directory;
  std::string name;
};

// Writes the record file, the directory list (directories in order of first use) and the marker,
// so the start loads this index.
void WriteIndex(const Scenario& s, const std::vector<IndexedFile>& files);
// Writes each file of the index with the given bytes.
void WritePictures(const Scenario& s, const std::vector<IndexedFile>& files,
                   const std::string& bytes);
// The parameter file, one "key = value" a line; keys left out keep their defaults.
void WriteSettings(const Scenario& s, const std::vector<std::string>& lines);
// A saved history: the start is then not a first start.
void WriteHistory(const Scenario& s, const std::vector<std::string>& paths);

// A small JPEG of the given size.
std::string SmallJpeg(int width = 8, int height = 6);

// Transcript events of one kind with their virtual time.
std::vector<std::pair<int64_t, std::string>> TimedEvents(const ScenarioResult& r,
                                                         const std::string& kind);
// The transcript's form of a program text (UTF-8): quoted, backslashes doubled.
std::string Quoted(const std::string& utf8);
// The title events without their quotes; "\\" in them stands for one backslash.
std::vector<std::string> Titles(const ScenarioResult& r);
// k of each "(k/n)" title of a new picture.
std::vector<int> TitlePositions(const ScenarioResult& r);

}  // namespace lumivel::testing
