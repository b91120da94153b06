#pragma once
// Changes to a design's parts, in the window and the `parts` command alike. The current part
// moves between the document's fields and its bytes only through SwitchPart.
#include <string>

#include "app/coverfile/CoverFile.h"

// The part's one-part cover file: the current part encoded from the document.
std::vector<uint8_t> PartCoverBytes(const Document& doc, size_t index);
// Makes part `index` the current one, keeping the others and each part's undo steps; false
// with `error` (and nothing changed) when its bytes do not read.
bool SwitchPart(Document& doc, size_t index, std::string& error);
// A new part after the others from a one-part cover file; false with `error` when the name is
// not free or the bytes do not read.
bool AddPart(Document& doc, DesignPart part, std::string& error);
// A copy of part `index` called `name`, right after it.
bool DuplicatePart(Document& doc, size_t index, const std::string& name, std::string& error);
bool RenamePart(Document& doc, size_t index, const std::string& name, std::string& error);
// Removes part `index` (never the last one); the current part stays current unless removed,
// when the part before it (or the new first) becomes current.
bool RemovePart(Document& doc, size_t index, std::string& error);
// Moves part `from` to place `to`; the same part stays current.
void MovePart(Document& doc, size_t from, size_t to);
// A blank part's cover: the start picture, no objects, the current part's page size and scales.
std::vector<uint8_t> BlankPartCover(const Document& doc);
// The design's part `index` alone, as a one-part design in `out`.
bool ExtractPart(const Document& doc, size_t index, Document& out, std::string& error);
// Copies the objects in `slots` of the current part into each part of `targets` (other parts)
// at the same place in the element, each into the lowest free slot there; false with `error`
// (and no part changed) when a part has no free slot left or does not read.
bool CopyObjectsToParts(Document& doc, const std::vector<int>& slots,
                        const std::vector<size_t>& targets, std::string& error);
