#pragma once
// Saves a picture of every tab and dialog of the program, for the user guide and for review.
#include <string>

// Runs inside a QApplication; opens `coverFile` when given. Returns the number of pictures
// written, or -1 when the folder cannot be written.
int SaveScreenshots(const std::string& folder, const std::string& coverFile);
