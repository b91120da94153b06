#pragma once
// A whole design made from music in one step: every part of a preset with the album's art and
// texts as ordinary objects, for the `album` command and "New from music..." alike.
#include <cstdint>
#include <string>

#include "app/Document.h"
#include "app/coverfile/PartPresets.h"
#include "cover/album/AlbumMusic.h"
#include "platform/device/Device.h"

// What each kind of part receives.
enum class AlbumPartKind { Front, BackInlay, Disc, WrapAround };
// The kind of a preset's part, by its English name.
AlbumPartKind AlbumPartKindOf(const PartPreset::Part& part);

// Replaces `doc` by a design of the preset's parts, the first one current: the front with the
// art as its picture (else `background`, 0x00RRGGBB) and album and artist over it, the back
// inlay with the track list between two spines, the disc with the art scaled into its ring and
// album and artist on its arcs. Texts are measured through `dc`. Track lines that could not be
// placed are counted in `leftOut`. False with a reason (and `doc` unchanged) when memory runs out.
bool MakeAlbumDesign(Document& doc, const AlbumMusic& music, const PartPreset& preset,
                     uint32_t background, Device& dc, std::string& error, int* leftOut = nullptr);
