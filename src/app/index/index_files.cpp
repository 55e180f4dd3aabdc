// Saving, loading and choosing between loading and rebuilding the picture index at start-up.
#include "app/tdiapo.h"
#include "services/data_paths.h"
#include "util/errors.h"
#include "util/text_lines.h"

namespace lumivel {

using namespace literals;

namespace {

[[noreturn]] void ThrowIo(int error) { throw ProgramError(RuntimeIoMessage(error)); }

}  // namespace

void Tdiapo::SaveIndex() {
  FileSystem& fs = services_.fs;
  if (ImageCount() == 0) {
    fs.DeleteFile(paths::kMarkerFile);
    return;
  }
  if (fs.WriteFile(paths::kDirectoryFile, JoinCrLf(ListBox_rep.Lines())) != 0) {
    throw ProgramError(FormatMessage("Impossible de créer le fichier %s"_cp, paths::kDirectoryFile));
  }
  if (int error = fs.WriteFile(paths::kRecordFile, ImageIndexRecords.Bytes())) ThrowIo(error);
  // Last, so that the marker is only ever beside a complete pair.
  if (int error = fs.WriteFile(paths::kMarkerFile, "")) ThrowIo(error);
}

void Tdiapo::LoadIndex() {
  FileSystem& fs = services_.fs;
  int error = 0;
  auto directories = fs.ReadFile(paths::kDirectoryFile, &error);
  if (!directories) {
    throw ProgramError(FormatMessage("Impossible d'ouvrir le fichier %s"_cp, paths::kDirectoryFile));
  }
  ListBox_rep.SetLines(SplitTextLines(*directories));
  const auto bytesRead = fs.ReadFileInto(
      paths::kRecordFile, [this](std::size_t bytes) { return ImageIndexRecords.PrepareLoad(bytes); },
      &error);
  if (!bytesRead) {
    ImageIndexRecords.FinishLoad(0);
    ThrowIo(error);
  }
  if (!ImageIndexRecords.FinishLoad(*bytesRead)) {
    throw ProgramError("Lecture au-delà de la fin de fichier"_cp);
  }
}

void Tdiapo::PrepareIndex() {
  FileSystem& fs = services_.fs;
  toolkit_.SetCursorHidden(true);
  Label6.SetCaption("patientez ...   ou   Esc"_cp);
  Form.SetColor(colors::kGrey);
  LoadSettings();
  ReadExclusionFile();
  if (fs.FileExists(paths::kMarkerFile)) {
    if (fs.FileExists(paths::kRecordFile) && fs.FileExists(paths::kDirectoryFile)) {
      LoadIndex();
    } else {
      WalkRoots();
      SaveIndex();
    }
  } else {
    fs.DeleteFile(paths::kHistoryFile);
    WalkRoots();
    SaveIndex();
  }
  if (ImageCount() == 0) {
    toolkit_.ShowMessage("    aucune image retenue, dans les Options, changer les filtres          "_cp);
  }
  Panel1.SetVisible(false);
  ShowMode = 1;
  toolkit_.SetCursorHidden(true);
  RunShow();
}

}  // namespace lumivel
