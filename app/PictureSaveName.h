#pragma once
// The file name a picture is saved under from the save dialog's answer.
#include <string>

// `name` itself when its file name (after the last folder separator) holds a dot; otherwise
// `name` with the default extension of the chosen filter entry (1-based) appended.
std::string PictureSaveName(const std::string& name, int filterIndex);
// The save format code of a filter entry (1-based).
inline int PictureSaveCode(int filterIndex) {
  return filterIndex + 2;
}
