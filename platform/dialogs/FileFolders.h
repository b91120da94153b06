#pragma once
// Where file dialogs start: the folder last used for the same kind of file in this run,
// else the user's Pictures or Documents folder; never the working directory.
#include <string>

enum class FileKind { Other, Picture, Design, Pdf };

// The start folder for a dialog of `kind`; `requested` (a folder or file) wins when given.
std::string StartFolder(FileKind kind, const std::string& requested = {});
// Remembers the folder of `chosenFile` for later dialogs of `kind`, in memory only.
void RememberFolder(FileKind kind, const std::string& chosenFile);
// Clears what was remembered (for tests).
void ForgetFolders();

// The user's Pictures (pictures) or Documents (everything else) folder from the XDG user
// directories, else ~/Pictures or ~/Documents when present, else the home folder.
std::string UserFolder(FileKind kind);
