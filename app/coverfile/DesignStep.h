#pragma once
// A whole new design as one undo step: undo brings back the design shown before, with all its
// parts, their undo steps, its selection and its file name; redo the new design again.
#include <functional>
#include <string>

#include "app/Document.h"

// Runs `make`, which replaces the document by a new design (false: it could not, and left the
// document as it was), and makes the replacement one step named `what`. The new design has no
// file name. False when `make` failed.
bool ReplaceDesignAsStep(Document& doc, const std::string& what, const std::function<bool()>& make);
