#include "print/QueueOptions.h"

#include <cups/cups.h>
#include <cups/ppd.h>
#include <unistd.h>

#include "platform/Translate.h"

#pragma GCC diagnostic ignored "-Wdeprecated-declarations"  // the PPD is what lists driver options

namespace {
constexpr double kPointMm = 25.4 / 72;

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
          if (const ppd_size_t* size = ppdPageSize(ppd, opt.choices[c].choice)) {
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
  ppd_file_t* ppd = ppdOpenFile(ppdFile.c_str());
  if (!ppd) {
    int line = 0;
    if (error)
      *error = Translate("QueueOptions", "its driver description cannot be read: ") +
               ppdErrorString(ppdLastError(&line));
    return {};
  }
  QueueOptions out = FromPpd(ppd);
  ppdClose(ppd);
  return out;
}

QueueOptions ReadQueueOptions(const std::string& queue, std::string* error) {
  const char* file = cupsGetPPD2(CUPS_HTTP_DEFAULT, queue.c_str());
  if (!file) {
    if (error)
      *error = Translate("QueueOptions", "CUPS gives no driver description for it (") +
               cupsLastErrorString() + ")";
    return {};
  }
  const std::string copy = file;
  QueueOptions out = ReadPpdOptions(copy, error);
  unlink(copy.c_str());  // CUPS made it for this call: a temporary copy or link
  return out;
}
