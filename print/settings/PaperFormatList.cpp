#include "print/settings/PaperFormatList.h"

#include "platform/SettingsDir.h"
#include "platform/SettingsFile.h"
#include "platform/Translate.h"
#include "print/settings/DetailsFile.h"
#include "print/settings/StarterPaper.h"

std::string UserPaperFile() {
  return (SettingsDir() / "paper.dat").string();
}

std::vector<std::string> StarterPaperFiles() {
  const auto dir = ProgramDir();
  return {(dir.parent_path() / "share" / "quendrix" / "paper.dat").string(),
          "/usr/share/quendrix/paper.dat"};
}

std::string PaperFormatList::load(const std::string& file,
                                  const std::vector<std::string>& starterFiles) {
  file_ = file;
  PaperLoadResult r = LoadCatalogueAtStart(file, starterFiles);
  formats_ = std::move(r.formats);
  details_ = std::move(r.details);
  details_.resize(formats_.size());
  keepDamaged_ = r.status == PaperLoadResult::Damaged;
  unreadable_ = r.status == PaperLoadResult::Unreadable;
  fault_ = r.message;
  if (!r.detailsMessage.empty()) fault_ += (fault_.empty() ? "" : "\n") + r.detailsMessage;
  if (keepDamaged_)
    return r.message + Translate("PaperFormatPanel", "\nThe file is kept as ") + file_ +
           Translate("PaperFormatPanel", ".damaged when the list is saved.");
  if (unreadable_) return r.message + Translate("PaperFormatPanel", "\nThe file is left as it is.");
  return r.detailsMessage;
}

std::string PaperFormatList::unitsFile() const {
  return SideFile(file_, "-units.txt");
}

FormatDetails PaperFormatList::detailsAt(size_t i) const {
  return i < details_.size() ? details_[i] : FormatDetails{};
}

void PaperFormatList::add(const PaperFormat& record, const FormatDetails& details) {
  details_.resize(formats_.size());
  formats_.push_back(record);
  details_.push_back(details);
}

void PaperFormatList::replace(size_t i, const PaperFormat& record, const FormatDetails& details) {
  if (i >= formats_.size()) return;
  details_.resize(formats_.size());
  formats_[i] = record;
  details_[i] = details;
}

void PaperFormatList::remove(size_t i) {
  if (i >= formats_.size()) return;
  formats_.erase(formats_.begin() + static_cast<std::ptrdiff_t>(i));
  if (i < details_.size()) details_.erase(details_.begin() + static_cast<std::ptrdiff_t>(i));
}

std::string PaperFormatList::importFile(const std::string& path) {
  std::vector<LabelTemplate> templates;
  if (std::string error = ImportTemplateFile(path, templates); !error.empty()) return error;
  if (formats_.size() + templates.size() > static_cast<size_t>(kMaxPaperFormats))
    return path + Translate("PaperFormatList", ": the list would hold more than ") +
           std::to_string(kMaxPaperFormats) + Translate("PaperFormatList", " paper formats.");
  // Only what the list's reader takes back is added: a format it would refuse loses the list.
  for (const LabelTemplate& t : templates) {
    PaperFormat back;
    std::string why = DecodePaperFormat(EncodePaperFormat(t.record).data(), back)
                          ? CheckDetails(back, t.details)
                          : Translate("PaperFormatList", "its sizes or positions are impossible.");
    if (!why.empty())
      return path + Translate("PaperFormatList", ": the label ") + t.record.name +
             Translate("PaperFormatList", " cannot be kept: ") + why;
  }
  for (const LabelTemplate& t : templates) add(t.record, t.details);
  return {};
}

std::string PaperFormatList::exportFormat(size_t i, const std::string& path) const {
  if (i >= formats_.size()) return {};
  return ExportTemplateFile(path, formats_[i], detailsAt(i));
}

PaperListSave PaperFormatList::save() {
  PaperListSave r;
  if (file_.empty()) return r;
  details_.resize(formats_.size());
  const KeptWrite written = SaveCatalogue(file_, formats_, details_);
  r.message = written.message;
  if (written.outcome == KeptWrite::Kept) {
    r.outcome = PaperListSave::Unreadable;
    if (!r.message.empty() && unreadable_)
      r.message = Translate("PaperFormatPanel", "The paper format list cannot be saved, because ") +
                  file_ + Translate("PaperFormatPanel", " cannot be read.");
  } else if (written.outcome == KeptWrite::NotKeptAside) {
    r.outcome = PaperListSave::NotKeptAside;
  } else if (written.outcome == KeptWrite::NotWritten) {
    r.outcome = PaperListSave::NotWritten;
  } else {
    keepDamaged_ = false;
  }
  return r;
}
