#include "scenarios/show_scenario.h"

#include <map>

#include "headless/transcript.h"
#include "index/image_index.h"
#include "support/picture_factory.h"

namespace lumivel::testing {

void WriteIndex(const Scenario& s, const std::vector<IndexedFile>& files) {
  std::vector<std::string> directories;
  std::map<std::string, int32_t> numbers;
  ImageIndex index;
  for (const auto& f : files) {
    auto [at, added] = numbers.emplace(f.directory, static_cast<int32_t>(directories.size()));
    if (added) directories.push_back(f.directory);
    index.Append(at->second, Cp(f.name));
  }
  std::string list;
  for (const auto& d : directories) list += Cp(d) + "\r\n";
  s.WriteFile("C:\\Lumivel\\toutes_img._nf", index.Serialize());
  s.WriteFile("C:\\Lumivel\\toutes_img_ListBox_rep.dat", list);
  s.WriteFile("C:\\Lumivel\\effacez_moi_pour_reinitialiser.___", "");
}

void WritePictures(const Scenario& s, const std::vector<IndexedFile>& files,
                   const std::string& bytes) {
  for (const auto& f : files) s.WriteFile(f.directory + "\\" + f.name, bytes);
}

void WriteSettings(const Scenario& s, const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += Cp(line) + "\r\n";
  s.WriteFile("C:\\lumivel\\lumivel_var.prm", text);
}

void WriteHistory(const Scenario& s, const std::vector<std::string>& paths) {
  std::string text;
  for (const auto& p : paths) text += Cp(p) + "\r\n";
  s.WriteFile("C:\\lumivel\\img_affichees.lst", text);
}

std::string SmallJpeg(int width, int height) { return QuadrantJpeg(width, height); }

std::vector<std::pair<int64_t, std::string>> TimedEvents(const ScenarioResult& r,
                                                         const std::string& kind) {
  std::vector<std::pair<int64_t, std::string>> out;
  for (const auto& line : r.transcript) {
    const auto space = line.find(' ');
    if (space == std::string::npos) continue;
    const std::string rest = line.substr(space + 1);
    if (rest.rfind(kind + " ", 0) == 0)
      out.emplace_back(std::stoll(line.substr(0, space)), rest.substr(kind.size() + 1));
  }
  return out;
}

std::string Quoted(const std::string& utf8) { return QuoteForTranscript(Cp(utf8)); }

std::vector<std::string> Titles(const ScenarioResult& r) {
  std::vector<std::string> titles;
  for (const auto& t : r.Events("title"))
    titles.push_back(t.size() >= 2 ? t.substr(1, t.size() - 2) : t);
  return titles;
}

std::vector<int> TitlePositions(const ScenarioResult& r) {
  std::vector<int> positions;
  for (const auto& t : Titles(r)) {
    if (t.rfind("(", 0) == 0) positions.push_back(std::stoi(t.substr(1)));
  }
  return positions;
}

}  // namespace lumivel::testing
