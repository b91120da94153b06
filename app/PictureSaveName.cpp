#include "app/PictureSaveName.h"

#include "platform/codecs/PictureFile.h"

std::string PictureSaveName(const std::string& name, int filterIndex) {
  const size_t slash = name.find_last_of('/');
  const size_t dot = name.find_last_of('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return hasExtension ? name : name + SaveFormatExtension(filterIndex);
}
