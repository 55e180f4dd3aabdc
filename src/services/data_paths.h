#pragma once
// The program's data files, all in the data folder, in the spelling the program has always used.

namespace lumivel::paths {

inline constexpr const char* kDataDir = "C:\\Lumivel";
inline constexpr const char* kParamFile = "C:\\lumivel\\lumivel_var.prm";
inline constexpr const char* kParamBackupFile = "C:\\lumivel\\lumivel_var.prm.bak";
inline constexpr const char* kRootsFile = "C:\\lumivel\\lumivel.rep";
inline constexpr const char* kRootFlagsFile = "C:\\lumivel\\lumivel.repflag";
inline constexpr const char* kHistoryFile = "C:\\lumivel\\img_affichees.lst";
inline constexpr const char* kQueueFile = "C:\\lumivel\\image_rep_crt.txt";
inline constexpr const char* kRecordFile = "C:\\Lumivel\\toutes_img._nf";
inline constexpr const char* kDirectoryFile = "C:\\Lumivel\\toutes_img_ListBox_rep.dat";
inline constexpr const char* kMarkerFile = "C:\\Lumivel\\effacez_moi_pour_reinitialiser.___";
inline constexpr const char* kExclusionFile = "C:\\Lumivel\\Lumivel_exclusion.txt";

}  // namespace lumivel::paths
