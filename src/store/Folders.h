#pragma once

#include <filesystem>

namespace store {

// The program folder holds data/namedata.db and Help/. In a build it is the executable's own folder
// (data/ beside it); in an installed tree it is ../share/nestling from bin/, so a relocated or unpacked
// tree works as well.
std::filesystem::path programFolder();
std::filesystem::path programFolderOf(const std::filesystem::path& executableFolder);

// True for the share/nestling folder of an installed tree: the program never writes into it, even
// when it could (root, or a prefix the user owns), so an installation holds only its own files.
bool isInstalledTree(const std::filesystem::path& programFolder);

// The per-user folder for written files: $XDG_DATA_HOME/nestling, or ~/.local/share/nestling.
std::filesystem::path userDataFolder();

// Where the program writes its pages, reports, exported lists and voice files: data/ in the program
// folder of a build when it can be written to, else the per-user folder, which is created when missing.
std::filesystem::path writeFolder(const std::filesystem::path& programFolder);

} // namespace store
