#include "app/views/PartPrints.h"

#include <algorithm>

#include "app/coverfile/PartEdits.h"
#include "app/coverfile/PartPresets.h"
#include "platform/Translate.h"
#include "print/PrintJobPlan.h"
#include "print/views/CoverDrawer.h"

const CoverJob* PartCovers::cover(size_t index, const CoverSettings& settings, CopyFields* fields,
                                  std::string& error) {
  kept_.resize(doc_.parts.list.size());  // parts removed meanwhile are let go
  if (index == doc_.parts.current) {
    kept_[index].reset();
    current_ = CoverJob{settings,
                        DibWidth(doc_.picture),
                        DibHeight(doc_.picture),
                        MakeCoverDrawer(doc_.picture, doc_.objects),
                        &doc_.objects,
                        fields};
    return &current_;
  }
  std::unique_ptr<Kept>& kept = kept_[index];
  const std::vector<uint8_t>& bytes = doc_.parts.list[index].cover;
  if (!kept || kept->bytes != bytes) {
    auto read = std::make_unique<Kept>();
    read->doc = std::make_unique<Document>();
    read->doc->scales = doc_.scales;
    if (!ExtractPart(doc_, index, *read->doc, error)) return nullptr;
    read->bytes = bytes;
    read->job.draw = MakeCoverDrawer(read->doc->picture, read->doc->objects);
    kept = std::move(read);
  }
  Document& one = *kept->doc;
  kept->job = CoverJob{settings,       DibWidth(one.picture), DibHeight(one.picture),
                       kept->job.draw, &one.objects,          fields};
  // The part keeps the size of its own format's element, centred on the positions it takes.
  if (const auto& own = doc_.parts.list[index].format)
    kept->job.elementWidth = own->width, kept->job.elementHeight = own->height;
  return &kept->job;
}

bool AllPartPrints(Document& doc, PartCovers& covers, const AllPartsChoices& c,
                   std::vector<PartPrint>& out, std::string& error) {
  out.clear();
  for (size_t i = 0; i < doc.parts.list.size(); ++i) {
    const DesignPart& part = doc.parts.list[i];
    const PaperFormat* format = c.paper ? c.paper : part.format ? &*part.format : c.fallback;
    if (!format) {
      error = FillIn(Translate("PartPrints", "%1: the part has no paper format"), {part.name});
      return false;
    }
    JobChoices choices;
    choices.format = *format;
    if (c.list) choices.details = PartFormatDetails(c.list->formats(), c.list->details(), *format);
    choices.copies = c.copies;
    choices.outlines = c.outlines;
    choices.cropMarks = c.cropMarks;
    PrintRequest request = PrintJobPlan(choices).request();
    request.calibration = c.calibration;
    const CoverJob* cover = covers.cover(i, c.settings.value_or(part.center), c.fields, error);
    if (!cover) return false;
    out.push_back({request, *cover, {}});
  }
  return true;
}

bool PlaceParts(Document& doc, PartCovers& covers, const std::vector<size_t>& partAt,
                PartPrint& job, std::string& error) {
  for (size_t k = 0; k < partAt.size(); ++k) {
    if (partAt[k] == doc.parts.current) continue;
    const CoverJob* cover = covers.cover(partAt[k], job.cover.settings, job.cover.fields, error);
    if (!cover) return false;
    if (job.at.size() < partAt.size()) job.at.resize(partAt.size());
    job.at[k] = cover;
  }
  return true;
}
