#pragma once
// Where the inspection directory is read and written. It ships in the program's
// data folder, which an installed program cannot write (/usr/share/kvarzen). A
// directory the user rebuilds then goes to the user's own data folder
// ($XDG_DATA_HOME/kvarzen/, else ~/.local/share/kvarzen/), and the newer of the
// two copies is the one read, so a later package with a newer directory still wins.
#include <string>

namespace kvz {

inline constexpr const char* kInspectionsFileName = "InspectionNumbers.xml";

// Ends with "/"; empty when neither XDG_DATA_HOME nor HOME is set.
std::string UserDataFolder();

// programFolder ends with "/".
std::string InspectionDirectoryToRead(const std::string& programFolder);

// The program folder's file when that folder can be written, else the user's
// (its folder is created). Empty when neither can be written.
std::string InspectionDirectoryToWrite(const std::string& programFolder);

}  // namespace kvz
