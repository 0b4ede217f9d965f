#pragma once
// The folder rules of the export command: where files go and where the program's
// own files lie.
#include <functional>
#include <optional>
#include <string>

namespace kvz {

// The folder with a trailing "/" (an empty folder stays empty).
std::string WithTrailingSlash(const std::string& folder);
bool IsExistingDirectory(const std::string& path);
// A preset folder that does not name an existing directory is dropped.
std::string ExistingFolderOrEmpty(const std::string& folder);

// The folder of the running program file, with a trailing "/" ("" when the system
// does not tell).
std::string ProgramFolder();

// Where the program finds one of its own files, with a trailing "/": the program's
// folder when `file` lies there (a build tree, a copied folder), else `installed`
// taken from the program's folder when that folder exists (an installed program:
// /usr/bin/ + "../share/kvarzen" is /usr/share/kvarzen/), else the program's folder.
std::string ProgramFileFolder(const std::string& file, const std::string& installed);

// The folder of the data files (the schema, the directories, the help pages, the
// example): beside the program, or <prefix>/share/kvarzen/ when installed.
std::string ProgramDataFolder();

// Shows the platform's folder choice with a title, an optional root and an optional
// preselected folder; returns the chosen folder or nothing when the user cancelled.
using FolderPicker = std::function<std::optional<std::string>(const std::string& title, const std::string& root,
                                                              const std::string& preselected)>;

// Asks for a folder. A preset folder that does not exist is dropped first (and stays
// dropped when the user cancels). True when a folder was chosen: it is then in folder.
bool BrowseForFolder(const std::string& title, const std::string& root, std::string& folder,
                     const FolderPicker& pick);

// The folder the export writes into: the chosen one with a trailing "/".
std::string ExportTargetFolder(const std::string& chosen);

}  // namespace kvz
