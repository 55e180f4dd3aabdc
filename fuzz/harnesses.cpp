#include "harnesses.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>

#include "index/exclusion_file.h"
#include "index/image_index.h"
#include "posix/bmp_decoder.h"
#include "posix/ico_decoder.h"
#include "posix/jpeg_decoder.h"
#include "posix/jpeg_segments.h"
#include "posix/picture_loader.h"
#include "settings/ini_profile.h"
#include "settings/param_list.h"
#include "util/errors.h"
#include "util/text_lines.h"

namespace lumivel::fuzz {
namespace {

using namespace literals;

void Require(bool condition) {
  if (!condition) std::abort();
}

std::string_view Bytes(const uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

class NoMessages : public MessageSink {
 public:
  void ShowMessage(const Text&) override { ++count; }
  int count = 0;
};

const char* const kKeys[] = {"rep_album_A.Caption", "dt0_a", "_haut", "vmax", "zoom_max10", "inc_dx",
                             "Rdg1.ItemIndex", "CheckBox_rnd.Checked", "annee_de", "filtre_contient"};

// One file for the whole process, rewritten for each input, for the readers that take a path.
class ScratchFile {
 public:
  ScratchFile()
      : folder_(std::filesystem::temp_directory_path() / ("lumivel-fuzz-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(folder_);
  }
  ~ScratchFile() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  std::string Write(const uint8_t* data, std::size_t size) const {
    const auto path = folder_ / "input";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path.string();
  }

 private:
  std::filesystem::path folder_;
};

void CheckPicture(const Picture& p) {
  Require(p.width >= 0 && p.height >= 0 && p.pixelWidth >= 0 && p.pixelHeight >= 0);
  Require(p.pixels.size() == static_cast<std::size_t>(p.pixelWidth) * static_cast<std::size_t>(p.pixelHeight));
  // Every pixel written: each word is opaque, where fresh memory would most likely read 0.
  for (std::size_t i = 0; i < p.pixels.size(); ++i) Require(p.pixels.data()[i] >> 24 == 0xFF);
}

}  // namespace

int ParamFile(const uint8_t* data, std::size_t size) {
  ParamList list = SplitTextLines(Bytes(data, size));
  for (const char* key : kKeys) {
    Text text = ParamReadText(list, key, "d");
    Require(!text.empty());
    Require(text.front() != ' ' && text.back() != ' ');
    try {
      ParamReadInt(list, key, "0");
    } catch (const ProgramError& e) {
      Require(!e.Message().empty());
    }
    ParamReadBool(list, key, "false");
  }
  return 0;
}

int TextListFile(const uint8_t* data, std::size_t size) {
  auto lines = SplitTextLines(Bytes(data, size));
  for (const Text& line : lines) Require(line.find_first_of(std::string("\r\n\0", 3)) == Text::npos);
  Require(SplitTextLines(JoinCrLf(lines)) == lines);
  return 0;
}

int IndexRecords(const uint8_t* data, std::size_t size) {
  ImageIndex index;
  bool whole = index.Deserialize(Bytes(data, size));
  Require(whole == (size % kRecordSize == 0));
  Require(static_cast<std::size_t>(index.Count()) == size / kRecordSize);
  std::string again = index.Serialize();
  Require(again == std::string(Bytes(data, size - size % kRecordSize)));
  for (int32_t i = 0; i < index.Count(); ++i) Require(index.At(i).Name().size() <= kRecordNameSize);
  return 0;
}

int ExclusionFile(const uint8_t* data, std::size_t size) {
  NoMessages messages;
  ExclusionLists lists = ParseExclusionFile(Bytes(data, size), messages);
  // Every block entry names its directory first.
  for (const Text& entry : lists.fileEntries) Require(entry.find('\\') != Text::npos);
  return 0;
}

int IniFile(const uint8_t* data, std::size_t size) {
  std::string_view bytes = Bytes(data, size);
  Text before = IniReadString(bytes, "Parametres", "Texte", "defaut");
  Require(before.size() < 2048);
  std::string written = IniWriteString(bytes, "Parametres", "Couleur", "Vert");
  Require(IniReadString(written, "Parametres", "Couleur", "x") == "Vert");
  return 0;
}

int JpegFile(const uint8_t* data, std::size_t size) {
  std::span<const uint8_t> file(data, size);
  if (auto segments = ReadJpegSegments(file)) {
    int orientation = ExifOrientation(segments->exif);
    Require(orientation >= 0 && orientation <= 255);
  }
  // A small cover keeps each run fast; the header's full size is still read and bounded.
  if (auto picture = DecodeJpeg(file, 64, 64)) CheckPicture(*picture);
  return 0;
}

int BmpFile(const uint8_t* data, std::size_t size) {
  if (auto picture = DecodeBmp(std::span<const uint8_t>(data, size))) CheckPicture(*picture);
  return 0;
}

int IcoFile(const uint8_t* data, std::size_t size) {
  if (auto picture = DecodeIco(std::span<const uint8_t>(data, size))) CheckPicture(*picture);
  return 0;
}

// Metafiles are drawn as the program draws them, by its helper program; that a hostile file can
// crash the helper is known (the libraries are old C), so what must hold is the program's side:
// it either gets a sound picture or raises its error, whatever the helper does. Drawn small, so
// that each run stays fast.
int Metafile(const uint8_t* data, std::size_t size) {
  static const ScratchFile input;
  try {
    CheckPicture(*PosixPictureLoader().LoadMetafile(input.Write(data, size), 48, 48));
  } catch (const ProgramError& e) {
    Require(e.Message() == "Métafichier incorrect"_cp);
  }
  return 0;
}

int WmfFile(const uint8_t* data, std::size_t size) { return Metafile(data, size); }

int EmfFile(const uint8_t* data, std::size_t size) { return Metafile(data, size); }

const std::vector<Harness>& AllHarnesses() {
  static const std::vector<Harness> all = {
      {"param_file", ParamFile},       {"text_list_file", TextListFile}, {"index_records", IndexRecords},
      {"exclusion_file", ExclusionFile}, {"ini_file", IniFile},         {"jpeg_file", JpegFile},
      {"bmp_file", BmpFile},           {"ico_file", IcoFile},            {"wmf_file", WmfFile},
      {"emf_file", EmfFile}};
  return all;
}

}  // namespace lumivel::fuzz
