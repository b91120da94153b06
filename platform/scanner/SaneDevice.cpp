#include "platform/scanner/SaneDevice.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <mutex>

#include "platform/AnsiText.h"
#include "platform/Translate.h"
#include "platform/scanner/SaneCalls.h"

namespace {
std::mutex gLibraryMutex;
int gLibraryUsers = 0;

constexpr SANE_Int kMaxOptions = 10000;

std::string Safe(const char* s) {
  return s ? s : "";
}

SANE_Word ToWord(double v, SANE_Value_Type type) {
  if (type == SANE_TYPE_FIXED) {
    v = std::clamp(v, -32768.0, 32767.99998);
    return SANE_FIX(v);
  }
  return static_cast<SANE_Word>(std::lround(std::clamp(v, -2147483648.0, 2147483647.0)));
}

ScanOption Describe(int index, const SANE_Option_Descriptor* d) {
  ScanOption o;
  o.index = index;
  o.name = Safe(d->name);
  o.title = Safe(d->title);
  o.description = Safe(d->desc);
  o.type = d->type;
  o.unit = d->unit;
  o.size = d->size;
  o.cap = d->cap;
  o.constraint = d->constraint_type;
  if (d->constraint_type == SANE_CONSTRAINT_RANGE && d->constraint.range) {
    o.min = FromSaneWord(d->constraint.range->min, d->type);
    o.max = FromSaneWord(d->constraint.range->max, d->type);
    o.quant = FromSaneWord(d->constraint.range->quant, d->type);
  } else if (d->constraint_type == SANE_CONSTRAINT_WORD_LIST && d->constraint.word_list) {
    const SANE_Int n = std::clamp<SANE_Int>(d->constraint.word_list[0], 0, kMaxOptions);
    for (SANE_Int i = 1; i <= n; ++i)
      o.words.push_back(FromSaneWord(d->constraint.word_list[i], d->type));
  } else if (d->constraint_type == SANE_CONSTRAINT_STRING_LIST && d->constraint.string_list) {
    for (int i = 0; i < kMaxOptions && d->constraint.string_list[i]; ++i)
      o.strings.push_back(d->constraint.string_list[i]);
  }
  return o;
}

// Hands a value to the scanner; fills in the outcome's error, or ok and what the scanner did.
bool SetValue(SANE_Handle handle, const ScanOption& o, void* value, OptionOutcome& r) {
  SANE_Int info = 0;
  const SANE_Status status =
      Sane().control_option(handle, o.index, SANE_ACTION_SET_VALUE, value, &info);
  if (status != SANE_STATUS_GOOD) {
    r.error = Translate("SaneDevice", "The scanner refused the setting \"") + o.title +
              "\": " + SaneStatusText(status);
    return false;
  }
  r.ok = true;
  r.inexact = info & SANE_INFO_INEXACT;
  r.reloaded = info & SANE_INFO_RELOAD_OPTIONS;
  return true;
}
}  // namespace

SaneLibrary::SaneLibrary() {
  std::lock_guard lock(gLibraryMutex);
  if (gLibraryUsers == 0) {
    if (!Sane().loaded) {
      status_ = SANE_STATUS_INVAL;
      return;
    }
    SANE_Int version = 0;
    status_ = Sane().init(&version, nullptr);
    if (status_ != SANE_STATUS_GOOD) return;
  }
  ++gLibraryUsers;
}

SaneLibrary::~SaneLibrary() {
  if (!ok()) return;
  std::lock_guard lock(gLibraryMutex);
  if (--gLibraryUsers == 0) Sane().exit();
}

std::string SaneLibrary::error() const {
  if (ok()) return {};
  if (!Sane().loaded)
    return Translate("SaneDevice", "The scanner library (libsane.so.1) cannot be loaded");
  return Translate("SaneDevice", "The scanner library cannot be started: ") +
         SaneStatusText(status_);
}

double FromSaneWord(SANE_Word w, SANE_Value_Type type) {
  return type == SANE_TYPE_FIXED ? SANE_UNFIX(w) : double(w);
}

std::string SaneStatusText(SANE_Status status) {
  return Sane().loaded ? Safe(Sane().strstatus(status)) : std::to_string(int(status));
}

std::string ScannerInfo::label() const {
  std::string text = vendor;
  if (!model.empty()) text += (text.empty() ? "" : " ") + model;
  return text.empty() ? name : text + " (" + name + ")";
}

bool ListScanners(std::vector<ScannerInfo>& out, std::string& error) {
  out.clear();
  SaneLibrary library;
  if (!library.ok()) {
    error = library.error();
    return false;
  }
  const SANE_Device** list = nullptr;
  const SANE_Status status = Sane().get_devices(&list, SANE_FALSE);
  if (status != SANE_STATUS_GOOD) {
    error = Translate("SaneDevice", "The scanners cannot be listed: ") + SaneStatusText(status);
    return false;
  }
  for (int i = 0; list && list[i] && i < kMaxOptions; ++i)
    out.push_back(
        {Safe(list[i]->name), Safe(list[i]->vendor), Safe(list[i]->model), Safe(list[i]->type)});
  return true;
}

double SnapToRange(double value, double min, double max, double quant) {
  if (max < min) std::swap(min, max);
  value = std::clamp(value, min, max);
  if (quant > 0) value = std::min(max, min + std::round((value - min) / quant) * quant);
  return value;
}

double NearestWord(double value, const std::vector<double>& words) {
  if (words.empty()) return value;
  return *std::min_element(words.begin(), words.end(), [value](double a, double b) {
    return std::fabs(a - value) < std::fabs(b - value);
  });
}

std::string MatchString(const std::string& value, const std::vector<std::string>& list) {
  for (const std::string& s : list)
    if (AsciiLower(s) == AsciiLower(value)) return s;
  return {};
}

bool SaneDevice::open(const std::string& name, std::string& error) {
  close();
  std::string target = name;
  if (target.empty()) {
    std::vector<ScannerInfo> list;
    if (!ListScanners(list, error)) return false;
    if (list.empty()) {
      error = Translate("SaneDevice", "No scanner was found.");
      return false;
    }
    target = list.front().name;
  }
  const SANE_Status status = Sane().open(target.c_str(), &handle_);
  if (status != SANE_STATUS_GOOD || !handle_) {
    handle_ = nullptr;
    error = Translate("SaneDevice", "The scanner \"") + target +
            Translate("SaneDevice", "\" cannot be opened: ") + SaneStatusText(status) + ".";
    std::vector<ScannerInfo> list;
    std::string ignored;
    if (ListScanners(list, ignored) &&
        std::none_of(list.begin(), list.end(),
                     [&](const ScannerInfo& i) { return i.name == target; }))
      error += Translate("SaneDevice",
                         " It is not connected any more or is switched off; choose it again with "
                         "\"Select the scanner\".");
    return false;
  }
  name_ = target;
  return true;
}

void SaneDevice::close() {
  if (handle_) Sane().close(handle_);
  handle_ = nullptr;
}

std::vector<ScanOption> SaneDevice::options() const {
  std::vector<ScanOption> out;
  if (!handle_) return out;
  SANE_Int count = 0;
  if (Sane().control_option(handle_, 0, SANE_ACTION_GET_VALUE, &count, nullptr) != SANE_STATUS_GOOD)
    return out;
  count = std::clamp<SANE_Int>(count, 0, kMaxOptions);
  std::string group;
  for (SANE_Int i = 1; i < count; ++i)
    if (const SANE_Option_Descriptor* d = Sane().get_option_descriptor(handle_, i)) {
      if (d->type == SANE_TYPE_GROUP) {
        group = Safe(d->title);
        continue;
      }
      out.push_back(Describe(i, d));
      out.back().group = group;
    }
  return out;
}

std::optional<ScanOption> SaneDevice::option(const std::string& name) const {
  for (ScanOption& o : options())
    if (o.name == name) return o;
  return std::nullopt;
}

std::optional<double> SaneDevice::number(const std::string& name) const {
  const auto o = option(name);
  if (!o || !o->isNumber() || !o->active() || o->size < SANE_Int(sizeof(SANE_Word)) ||
      o->size > kMaxSaneValueBytes)
    return std::nullopt;
  std::vector<SANE_Word> buf(size_t(o->size) / sizeof(SANE_Word) + 1);
  if (Sane().control_option(handle_, o->index, SANE_ACTION_GET_VALUE, buf.data(), nullptr) !=
      SANE_STATUS_GOOD)
    return std::nullopt;
  return FromSaneWord(buf[0], o->type);
}

std::optional<std::string> SaneDevice::text(const std::string& name) const {
  const auto o = option(name);
  if (!o || o->type != SANE_TYPE_STRING || !o->active() || o->size <= 0 ||
      o->size > kMaxSaneValueBytes)
    return std::nullopt;
  std::vector<char> buf(size_t(o->size) + 1, 0);
  if (Sane().control_option(handle_, o->index, SANE_ACTION_GET_VALUE, buf.data(), nullptr) !=
      SANE_STATUS_GOOD)
    return std::nullopt;
  return std::string(buf.data());
}

OptionOutcome SaneDevice::setNumber(const std::string& name, double value) {
  OptionOutcome r;
  const auto o = option(name);
  if (!o || !o->isNumber() || o->size < SANE_Int(sizeof(SANE_Word)) ||
      o->size > kMaxSaneValueBytes) {
    r.error = Translate("SaneDevice", "The scanner has no setting \"") + name + "\".";
    return r;
  }
  if (!o->active() || !o->settable()) {
    r.error = Translate("SaneDevice", "The scanner's setting \"") + o->title +
              Translate("SaneDevice", "\" cannot be changed now.");
    return r;
  }
  if (o->constraint == SANE_CONSTRAINT_RANGE) value = SnapToRange(value, o->min, o->max, o->quant);
  if (o->constraint == SANE_CONSTRAINT_WORD_LIST) value = NearestWord(value, o->words);
  std::vector<SANE_Word> buf(size_t(o->size) / sizeof(SANE_Word), ToWord(value, o->type));
  if (!SetValue(handle_, *o, buf.data(), r)) return r;
  r.number = number(name).value_or(value);
  if (std::fabs(r.number - value) > 1e-9) r.inexact = true;
  return r;
}

OptionOutcome SaneDevice::setString(const std::string& name, const std::string& value) {
  OptionOutcome r;
  const auto o = option(name);
  if (!o || o->type != SANE_TYPE_STRING || o->size <= 0 || o->size > kMaxSaneValueBytes) {
    r.error = Translate("SaneDevice", "The scanner has no setting \"") + name + "\".";
    return r;
  }
  if (!o->active() || !o->settable()) {
    r.error = Translate("SaneDevice", "The scanner's setting \"") + o->title +
              Translate("SaneDevice", "\" cannot be changed now.");
    return r;
  }
  std::string wanted = value;
  if (o->constraint == SANE_CONSTRAINT_STRING_LIST) {
    wanted = MatchString(value, o->strings);
    if (wanted.empty()) {
      r.error = Translate("SaneDevice", "The scanner does not offer \"") + value +
                Translate("SaneDevice", "\" for \"") + o->title + "\".";
      return r;
    }
  }
  std::vector<char> buf(size_t(o->size), 0);
  std::memcpy(buf.data(), wanted.data(), std::min(wanted.size(), buf.size() - 1));
  if (!SetValue(handle_, *o, buf.data(), r)) return r;
  r.text = text(name).value_or(wanted);
  return r;
}
