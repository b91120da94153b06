#pragma once
// The unit the paper format dialog shows, kept in paper-units.txt beside paper.dat.
#include <string>

#include "platform/KeptFiles.h"

// Whether the file chooses millimetres (else inches, also when it is missing). What the user
// must hear of a damaged or unreadable file is put in `message`.
bool ReadUnitsChoice(const std::string& path, std::string* message = nullptr);
// Writes the choice as KeptFiles allows.
KeptWrite KeepUnitsChoice(const std::string& path, bool millimetres);
