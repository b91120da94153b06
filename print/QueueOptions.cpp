#include "print/QueueOptions.h"

#include <cups/cups.h>
#include <cups/ppd.h>
#include <unistd.h>

#include "platform/SharedLibrary.h"
#include "platform/Translate.h"

#pragma GCC diagnostic ignored "-Wdeprecated-declarations"  // the PPD is what lists driver options

namespace {
constexpr double kPointMm = 25.4 / 72;

// libcups is loaded when a queue's options are first read, not with the program: with the
// libraries it brings it holds megabytes that no other command and no picture needs.
struct CupsCalls {
  decltype(&ppdOpenFile) openFile = nullptr;
  decltype(&ppdClose) close = nullptr;
  decltype(&ppdPageSize) pageSize = nullptr;
  decltype(&ppdErrorString) errorString = nullptr;
  decltype(&ppdLastError) lastError = nullptr;
  decltype(&cupsGetPPD2) getPpd = nullptr;
  decltype(&cupsLastErrorString) lastErrorString = nullptr;
  bool loaded() const {
    return openFile && close && pageSize && errorString && lastError && getPpd && lastErrorString;
  }
};

const CupsCalls& Cups() {
  static const CupsCalls calls = [] {
    CupsCalls c;
    const SharedLibrary library("libcups.so.2");
    library.find("ppdOpenFile", c.openFile);
    library.find("ppdClose", c.close);
    library.find("ppdPageSize", c.pageSize);
    library.find("ppdErrorString", c.errorString);
    library.find("ppdLastError", c.lastError);
    library.find("cupsGetPPD2", c.getPpd);
    library.find("cupsLastErrorString", c.lastErrorString);
    return c;
  }();
  return calls;
}

bool CupsLoaded(std::string* error) {
  if (Cups().loaded()) return true;
  if (error) *error = Translate("QueueOptions", "the CUPS library (libcups.so.2) cannot be loaded");
  return false;
}

QueueOptions FromPpd(ppd_file_t* ppd) {
  QueueOptions out;
  for (int g = 0; g < ppd->num_groups; ++g) {
    const ppd_group_t& group = ppd->groups[g];
    for (int o = 0; o < group.num_options; ++o) {
      const ppd_option_t& opt = group.options[o];
      QueueOption q{opt.keyword, {}};
      for (int c = 0; c < opt.num_choices && q.choices.size() < kMaxQueueChoices; ++c) {
        QueueChoice choice{opt.choices[c].choice, opt.choices[c].text, 0, 0};
        if (q.keyword == "PageSize") {
          if (const ppd_size_t* size = Cups().pageSize(ppd, opt.choices[c].choice)) {
            choice.width = size->width * kPointMm;
            choice.height = size->length * kPointMm;
          }
        }
        q.choices.push_back(std::move(choice));
      }
      out.push_back(std::move(q));
    }
  }
  return out;
}
}  // namespace

const QueueOption* FindQueueOption(const QueueOptions& options, const std::string& keyword) {
  for (const QueueOption& o : options)
    if (o.keyword == keyword) return &o;
  return nullptr;
}

QueueOptions ReadPpdOptions(const std::string& ppdFile, std::string* error) {
  if (!CupsLoaded(error)) return {};
  ppd_file_t* ppd = Cups().openFile(ppdFile.c_str());
  if (!ppd) {
    int line = 0;
    if (error)
      *error = Translate("QueueOptions", "its driver description cannot be read: ") +
               Cups().errorString(Cups().lastError(&line));
    return {};
  }
  QueueOptions out = FromPpd(ppd);
  Cups().close(ppd);
  return out;
}

QueueOptions ReadQueueOptions(const std::string& queue, std::string* error) {
  if (!CupsLoaded(error)) return {};
  const char* file = Cups().getPpd(CUPS_HTTP_DEFAULT, queue.c_str());
  if (!file) {
    if (error)
      *error = Translate("QueueOptions", "CUPS gives no driver description for it (") +
               Cups().lastErrorString() + ")";
    return {};
  }
  const std::string copy = file;
  QueueOptions out = ReadPpdOptions(copy, error);
  unlink(copy.c_str());  // CUPS made it for this call: a temporary copy or link
  return out;
}
