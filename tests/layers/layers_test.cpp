// The folders of src/ are layers: a folder includes only the folders below it that the table
// names, and no two folders include each other through any chain. Read from the sources as they
// are, so that a new include that breaks the order fails here before anyone has to find it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#ifndef LUMIVEL_SOURCE_DIR
#error "LUMIVEL_SOURCE_DIR must name the src/ folder"
#endif

namespace {

namespace fs = std::filesystem;

// Each layer of src/, bottom up, and the layers its files may include besides its own. A
// sub-folder belongs to the layer of its first folder (app/show/ is app).
const std::map<std::string, std::set<std::string>> kMayInclude = {
    {"util", {}},
    {"services", {"util"}},
    // The rules of each subsystem: no window, no adapter, no other subsystem.
    {"settings", {"util", "services"}},
    {"index", {"util", "services"}},
    {"show", {"util", "services"}},
    {"dates", {"util", "services"}},
    {"tools", {"util", "services"}},
    // The control model and its runtime, knowing nothing of the main window.
    {"ui", {"util", "services"}},
    // The main window, its form and every handler.
    {"app", {"util", "services", "settings", "index", "show", "dates", "tools", "ui"}},
    // The adapters.
    {"posix", {"util", "services"}},
    {"qt", {"util", "services", "ui", "posix"}},
    {"headless", {"util", "services", "ui", "app", "posix"}},
    // The programs.
    {"main", {"util", "services", "settings", "index", "show", "dates", "tools", "ui", "app", "posix",
              "qt", "headless"}},
};

// Headers of the outside libraries the program draws, decodes, plays and asks the desktop with:
// only the adapters and the programs include them.
const std::vector<std::string> kOutsideHeaders = {"Q", "X11/", "xcb/", "alsa/", "turbojpeg.h", "jpeglib.h",
                                                  "libexif/", "glib", "libwmf/", "librsvg/", "cairo",
                                                  "emf2svg.h"};
const std::set<std::string> kMayIncludeOutsideHeaders = {"posix", "qt", "main"};

struct Include {
  std::string file;      // relative to src/
  std::string included;  // as written
};

struct Sources {
  std::set<std::string> files;  // relative to src/
  std::vector<Include> quoted;
  std::vector<Include> angled;
};

std::string FolderOf(const std::string& file) { return fs::path(file).parent_path().string(); }

std::string LayerOf(const std::string& folder) { return folder.substr(0, folder.find('/')); }

const Sources& ReadSources() {
  static const Sources sources = [] {
    Sources read;
    const fs::path root = LUMIVEL_SOURCE_DIR;
    const std::regex include(R"(^\s*#\s*include\s*([<"])([^">]+)[">])");
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
      const std::string ext = entry.path().extension().string();
      if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
      const std::string file = fs::relative(entry.path(), root).generic_string();
      read.files.insert(file);
      std::ifstream in(entry.path());
      std::string line;
      std::smatch match;
      while (std::getline(in, line)) {
        if (!std::regex_search(line, match, include)) continue;
        (match[1] == "\"" ? read.quoted : read.angled).push_back({file, match[2]});
      }
    }
    return read;
  }();
  return sources;
}

// Which folders include which, through the quoted includes of their files.
std::map<std::string, std::set<std::string>> FolderGraph() {
  std::map<std::string, std::set<std::string>> graph;
  for (const Include& include : ReadSources().quoted) {
    const std::string from = FolderOf(include.file);
    const std::string to = FolderOf(include.included);
    graph[from];
    if (to != from) graph[from].insert(to);
  }
  return graph;
}

TEST(Layers, TheSourcesAreThere) {
  EXPECT_GT(ReadSources().files.size(), 100u);
  EXPECT_GT(ReadSources().quoted.size(), 300u);
}

TEST(Layers, EveryFolderHasItsPlaceInTheTable) {
  for (const std::string& file : ReadSources().files) {
    const std::string folder = FolderOf(file);
    EXPECT_FALSE(folder.empty()) << file << " lies outside every layer";
    EXPECT_TRUE(kMayInclude.count(LayerOf(folder))) << file << ": the layer " << LayerOf(folder)
                                                    << " is not in the table";
  }
}

TEST(Layers, QuotedIncludesNameFilesOfSrc) {
  for (const Include& include : ReadSources().quoted) {
    EXPECT_TRUE(ReadSources().files.count(include.included))
        << include.file << " includes \"" << include.included << "\", which is no file of src/";
  }
}

TEST(Layers, EachFolderIncludesOnlyTheLayersItMayUse) {
  for (const Include& include : ReadSources().quoted) {
    const std::string from = LayerOf(FolderOf(include.file));
    const std::string to = LayerOf(FolderOf(include.included));
    if (from == to || !kMayInclude.count(from)) continue;
    EXPECT_TRUE(kMayInclude.at(from).count(to))
        << include.file << " includes \"" << include.included << "\": " << from << " may not use " << to;
  }
}

TEST(Layers, NoTwoFoldersIncludeEachOtherThroughAnyChain) {
  const auto graph = FolderGraph();
  // A depth-first walk: a folder met again while its own walk is open closes a circle.
  std::map<std::string, int> state;  // 1: being walked, 2: done
  std::vector<std::string> path;
  std::function<void(const std::string&)> walk = [&](const std::string& folder) {
    state[folder] = 1;
    path.push_back(folder);
    if (auto it = graph.find(folder); it != graph.end()) {
      for (const std::string& next : it->second) {
        if (state[next] == 1) {
          std::string circle;
          for (auto at = std::find(path.begin(), path.end(), next); at != path.end(); ++at) circle += *at + " -> ";
          ADD_FAILURE() << "folders include each other: " << circle << next;
        } else if (state[next] == 0) {
          walk(next);
        }
      }
    }
    path.pop_back();
    state[folder] = 2;
  };
  for (const auto& [folder, _] : graph) {
    if (state[folder] == 0) walk(folder);
  }
}

TEST(Layers, OnlyTheAdaptersAndTheProgramsIncludeOutsideLibraries) {
  for (const Include& include : ReadSources().angled) {
    const std::string layer = LayerOf(FolderOf(include.file));
    if (kMayIncludeOutsideHeaders.count(layer)) continue;
    for (const std::string& prefix : kOutsideHeaders) {
      EXPECT_FALSE(include.included.starts_with(prefix))
          << include.file << " includes <" << include.included << ">, a library only the adapters use";
    }
  }
}

}  // namespace
