#include "app/batch/BatchParts.h"

#include <cstdio>
#include <optional>

#include "app/coverfile/CoverFile.h"
#include "app/coverfile/PartEdits.h"
#include "app/coverfile/PartPresets.h"
#include "platform/AnsiText.h"
#include "platform/Translate.h"
#include "print/settings/PaperFormatList.h"
#include "print/settings/StarterPaper.h"

namespace {
bool Open(const std::string& name, Document& doc, std::string& error) {
  FileSource source(name);
  if (!source.ok()) {
    error = name + Translate("BatchParts", ": the file could not be opened");
    return false;
  }
  CoverContents contents;
  const CoverError read = ParseCover(source, contents);
  if (read != CoverError::None) {
    error = name + ": " + CoverErrorText(read, name, contents.why);
    return false;
  }
  CommitCover(doc, contents);
  doc.savedFileName = name;
  return true;
}

int List(const Document& doc) {
  for (size_t i = 0; i < doc.parts.list.size(); ++i) {
    const DesignPart& part = doc.parts.list[i];
    Document one;
    std::string error;
    if (!ExtractPart(doc, i, one, error)) return Fail(kExitFailure, error);
    int objects = 0;
    for (int slot = 1; slot <= ObjectTable::kSlots; ++slot) objects += one.objects.occupied(slot);
    const std::string format = part.format ? AnsiToUtf8(part.format->name) : "-";
    std::printf("%zu\t%s\t%s\t%dx%d\t%d\n", i + 1, part.name.c_str(), format.c_str(),
                DibWidth(one.picture), DibHeight(one.picture), objects);
  }
  return 0;
}

// The format numbered `key` from 1 in the user's list.
bool UserFormat(const std::string& key, PaperFormat& format) {
  PaperFormatList list;
  list.load(UserPaperFile(), StarterPaperFiles());
  const auto& formats = list.formats();
  for (size_t i = 0; i < formats.size(); ++i)
    if (std::to_string(i + 1) == key || AnsiToUtf8(formats[i].name) == key) {
      format = formats[i];
      return true;
    }
  return false;
}

int Add(Document& doc, const Args& args) {
  DesignPart part{args[0], {}, {}};
  for (size_t i = 1; i + 1 < args.size(); i += 2) {
    if (args[i] == "--from") {
      Document other;
      std::string error;
      if (!Open(args[i + 1], other, error)) return Fail(kExitFailure, error);
      part.cover = PartCoverBytes(other, other.parts.current);
    } else if (args[i] == "--paper") {
      PaperFormat format;
      if (!UserFormat(args[i + 1], format))
        return Fail(kExitUsage, Translate("BatchParts", "no paper format ") + args[i + 1]);
      part.format = format;
    } else {
      return Fail(kExitUsage, Translate("BatchParts", "unknown option ") + args[i]);
    }
  }
  if (args.size() % 2 == 0)
    return Fail(kExitUsage, Translate("BatchParts", "missing value after ") + args.back());
  if (part.cover.empty()) part.cover = BlankPartCover(doc);
  std::string error;
  return AddPart(doc, std::move(part), error) ? 0 : Fail(kExitFailure, error);
}

int Usage() {
  return Fail(kExitUsage, Translate("BatchParts", "usage: see quendrix --help"));
}

std::optional<size_t> Part(const Document& doc, const std::string& key, std::string& error) {
  const auto index = FindPart(doc.parts, key);
  if (!index) error = Translate("BatchParts", "the design has no part ") + key;
  return index;
}
}  // namespace

int RunParts(const Args& args) {
  if (args.empty()) return Usage();
  const std::string& file = args[0];
  Document doc;
  std::string error;
  if (args.size() == 3 && args[1] == "--new") {
    const PartPreset* preset = FindPartPreset(args[2]);
    if (!preset) return Fail(kExitUsage, Translate("BatchParts", "no preset ") + args[2]);
    NewDesignFromPreset(doc, *preset);
    return SaveFile(doc, file) ? 0 : kExitFailure;
  }
  if (!Open(file, doc, error)) return Fail(kExitFailure, error);
  if (args.size() == 1) return List(doc);
  const std::string& command = args[1];
  const Args rest(args.begin() + 2, args.end());
  bool ok = false;
  if (command == "--add" && !rest.empty()) {
    if (const int code = Add(doc, rest); code != 0) return code;
    ok = true;
  } else if (command == "--rename" && rest.size() == 2) {
    const auto index = Part(doc, rest[0], error);
    ok = index && RenamePart(doc, *index, rest[1], error);
  } else if (command == "--remove" && rest.size() == 1) {
    const auto index = Part(doc, rest[0], error);
    ok = index && RemovePart(doc, *index, error);
  } else if (command == "--extract" && rest.size() == 2) {
    const auto index = Part(doc, rest[0], error);
    Document part;
    if (!index || !ExtractPart(doc, *index, part, error)) return Fail(kExitFailure, error);
    return SaveFile(part, rest[1]) ? 0 : kExitFailure;  // SaveFile has said why it failed
  } else {
    return Usage();
  }
  if (!ok) return Fail(kExitFailure, error);
  return SaveFile(doc, file) ? 0 : kExitFailure;
}
