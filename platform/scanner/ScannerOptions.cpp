#include "platform/scanner/ScannerOptions.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/AnsiText.h"
#include "platform/Translate.h"
#include "platform/scanner/SaneCalls.h"

namespace {
constexpr double kFixedLimit = 32767.99998;

std::string Trim(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t"), e = s.find_last_not_of(" \t");
  return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

bool Automatic(const ScanOption& o) {
  return o.cap & SANE_CAP_AUTOMATIC;
}
bool IsArray(const ScanOption& o) {
  return ElementCount(o) > 1;
}
bool ValueSizeOk(const ScanOption& o) {
  return o.size > 0 && o.size <= kMaxSaneValueBytes;
}

// The shortest decimals that give the fixed-point word back, rounded or cut as backends do.
std::string Number(double v, SANE_Value_Type type) {
  char buf[64];
  if (type != SANE_TYPE_FIXED) {
    std::snprintf(buf, sizeof buf, "%.0f", v);
    return buf;
  }
  constexpr double kScale = 1 << SANE_FIXED_SCALE_SHIFT;
  const long long word = std::llround(v * kScale);
  for (int decimals = 0; decimals <= 5; ++decimals) {
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    const double back = std::strtod(buf, nullptr) * kScale;
    if (std::llround(back) == word || static_cast<long long>(back) == word) break;
  }
  return std::string(buf) == "-0" ? "0" : buf;
}

SANE_Word ToWord(double v, SANE_Value_Type type) {
  return type == SANE_TYPE_FIXED ? SANE_Word(std::lround(v * (1 << SANE_FIXED_SCALE_SHIFT)))
                                 : SANE_Word(std::lround(v));
}

std::vector<std::string> Split(const std::string& text, char sep) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t at; (at = text.find(sep, start)) != std::string::npos; start = at + 1)
    parts.push_back(text.substr(start, at - start));
  parts.push_back(text.substr(start));
  return parts;
}

std::string Join(const std::vector<std::string>& parts, const char* sep) {
  std::string text;
  for (size_t i = 0; i < parts.size(); ++i) text += (i ? sep : "") + parts[i];
  return text;
}

bool ParseBool(const std::string& text, SANE_Word& out) {
  const std::string t = AsciiLower(Trim(text));
  if (t == "yes" || t == "true" || t == "on" || t == "1")
    out = SANE_TRUE;
  else if (t == "no" || t == "false" || t == "off" || t == "0")
    out = SANE_FALSE;
  else
    return false;
  return true;
}

// One number checked against the option's type and constraint; empty on success, else why.
std::string ParseNumber(const ScanOption& o, const std::string& text, SANE_Word& out) {
  const std::string t = Trim(text);
  char* end = nullptr;
  const double v = std::strtod(t.c_str(), &end);
  if (t.empty() || *end || !std::isfinite(v))
    return "\"" + t + Translate("ScannerOptions", "\" is not a number");
  if (o.type == SANE_TYPE_INT && (v != std::floor(v) || std::fabs(v) > 2147483647.0))
    return "\"" + t + Translate("ScannerOptions", "\" is not a whole number");
  if (o.type == SANE_TYPE_FIXED && std::fabs(v) > kFixedLimit)
    return "\"" + t + Translate("ScannerOptions", "\" is too large");
  out = ToWord(v, o.type);
  if (o.constraint == SANE_CONSTRAINT_RANGE && (v < o.min - 1e-9 || v > o.max + 1e-9))
    return t + Translate("ScannerOptions", " lies outside ") + Number(o.min, o.type) + ".." +
           Number(o.max, o.type);
  if (o.constraint == SANE_CONSTRAINT_WORD_LIST) {
    // A fixed-point entry written with its decimals may sit one step off the backend's word.
    const double tolerance = o.type == SANE_TYPE_FIXED ? 1.5 / (1 << SANE_FIXED_SCALE_SHIFT) : 0;
    const auto w = std::find_if(o.words.begin(), o.words.end(),
                                [&](double w) { return std::fabs(w - v) <= tolerance; });
    if (w == o.words.end())
      return t + Translate("ScannerOptions", " is not one of ") + ConstraintText(o);
    out = ToWord(*w, o.type);
  }
  return {};
}
}  // namespace

const char* UnitText(SANE_Unit unit) {
  switch (unit) {
    case SANE_UNIT_PIXEL:
      return "pel";
    case SANE_UNIT_BIT:
      return "bit";
    case SANE_UNIT_MM:
      return "mm";
    case SANE_UNIT_DPI:
      return "dpi";
    case SANE_UNIT_PERCENT:
      return "%";
    case SANE_UNIT_MICROSECOND:
      return "us";
    default:
      return "";
  }
}

int ElementCount(const ScanOption& o) {
  if (o.type != SANE_TYPE_INT && o.type != SANE_TYPE_FIXED && o.type != SANE_TYPE_BOOL) return 0;
  return std::clamp<int>(o.size / SANE_Int(sizeof(SANE_Word)), 1, kMaxSaneValueBytes / 4);
}

std::vector<std::string> ListEntries(const ScanOption& o) {
  if (o.constraint == SANE_CONSTRAINT_STRING_LIST) return o.strings;
  std::vector<std::string> words;
  if (o.constraint == SANE_CONSTRAINT_WORD_LIST)
    for (double w : o.words) words.push_back(Number(w, o.type));
  return words;
}

std::string ConstraintText(const ScanOption& o) {
  std::string text = Automatic(o) && o.type != SANE_TYPE_BUTTON ? "auto|" : "";
  const std::string array = IsArray(o) ? ",..." : "";
  switch (o.type) {
    case SANE_TYPE_BOOL:
      return text + "yes|no";
    case SANE_TYPE_STRING:
      return text +
             (o.constraint == SANE_CONSTRAINT_STRING_LIST ? Join(o.strings, "|") : "<string>");
    case SANE_TYPE_INT:
    case SANE_TYPE_FIXED: {
      const char* unit = UnitText(o.unit);
      if (o.constraint == SANE_CONSTRAINT_RANGE) {
        text += Number(o.min, o.type) + ".." + Number(o.max, o.type) + unit + array;
        if (o.quant > 0)
          text += Translate("ScannerOptions", " (in steps of ") + Number(o.quant, o.type) + ")";
        return text;
      }
      if (o.constraint == SANE_CONSTRAINT_WORD_LIST)
        return text + Join(ListEntries(o), "|") + unit + array;
      return text + (o.type == SANE_TYPE_INT ? "<int>" : "<float>") + array;
    }
    default:
      return {};
  }
}

bool ParseOptionValue(const ScanOption& o, const std::string& text, OptionValue& out,
                      std::string& error) {
  out = OptionValue{};
  const std::string what = Translate("ScannerOptions", "option \"") + o.name + "\": ";
  if (o.type == SANE_TYPE_BUTTON) return true;
  if (!ValueSizeOk(o)) {
    error = what + Translate("ScannerOptions", "the scanner describes it wrongly");
    return false;
  }
  if (o.type == SANE_TYPE_STRING) {
    out.text = text;
    if (o.constraint == SANE_CONSTRAINT_STRING_LIST) {
      out.text = MatchString(Trim(text), o.strings);
      if (out.text.empty())
        error = what + "\"" + text + Translate("ScannerOptions", "\" is not one of ") +
                ConstraintText(o);
    } else if (text.size() >= size_t(o.size)) {
      error = what + Translate("ScannerOptions", "the text is longer than ") +
              std::to_string(o.size - 1) + " characters";
    }
    return error.empty();
  }
  const int count = ElementCount(o);
  const std::vector<std::string> parts = Split(text, ',');
  if (int(parts.size()) != 1 && int(parts.size()) != count) {
    error = what + Translate("ScannerOptions", "give 1 or ") + std::to_string(count) +
            Translate("ScannerOptions", " comma-separated values, not ") +
            std::to_string(parts.size());
    return false;
  }
  for (const std::string& part : parts) {
    SANE_Word w = 0;
    if (o.type == SANE_TYPE_BOOL) {
      if (!ParseBool(part, w))
        error = what + "\"" + Trim(part) + Translate("ScannerOptions", "\" is neither yes nor no");
    } else {
      error = ParseNumber(o, part, w);
      if (!error.empty()) error = what + error;
    }
    if (!error.empty()) return false;
    out.words.push_back(w);
  }
  out.words.resize(size_t(count), out.words.back());  // one value sets every element
  return true;
}

std::string FormatOptionValue(const ScanOption& o, const OptionValue& value) {
  if (o.type == SANE_TYPE_STRING) return value.text;
  std::vector<std::string> parts;
  for (SANE_Word w : value.words)
    parts.push_back(o.type == SANE_TYPE_BOOL ? (w ? "yes" : "no")
                                             : Number(FromSaneWord(w, o.type), o.type));
  return Join(parts, ",");
}

std::string ReadOptionText(const SaneDevice& device, const ScanOption& o) {
  if (!device.isOpen() || !o.active() || o.type == SANE_TYPE_BUTTON || o.type == SANE_TYPE_GROUP ||
      !ValueSizeOk(o))
    return {};
  std::vector<SANE_Word> buf(size_t(o.size) / sizeof(SANE_Word) + 2, 0);  // room for a string's end
  if (Sane().control_option(device.handle(), o.index, SANE_ACTION_GET_VALUE, buf.data(), nullptr) !=
      SANE_STATUS_GOOD)
    return {};
  OptionValue value;
  if (o.type == SANE_TYPE_STRING) {
    const char* bytes = reinterpret_cast<const char*>(buf.data());
    value.text.assign(bytes, strnlen(bytes, size_t(o.size)));
  } else {
    value.words.assign(buf.begin(), buf.begin() + ElementCount(o));
  }
  return FormatOptionValue(o, value);
}

OptionChange SetOptionText(SaneDevice& device, const std::string& name, const std::string& text) {
  OptionChange r;
  const auto o = device.option(name);
  if (!o) {
    r.error = Translate("ScannerOptions", "The scanner has no option \"") + name + "\".";
    return r;
  }
  if (!o->settable()) {
    r.error = Translate("ScannerOptions", "The scanner's option \"") + name +
              Translate("ScannerOptions", "\" is read-only.");
    return r;
  }
  if (!o->active()) {
    r.error = Translate("ScannerOptions", "The scanner's option \"") + name +
              Translate("ScannerOptions", "\" is inactive now.");
    return r;
  }
  SANE_Int info = 0;
  SANE_Status status;
  std::string wanted;
  if (Automatic(*o) && AsciiLower(Trim(text)) == "auto") {
    status = Sane().control_option(device.handle(), o->index, SANE_ACTION_SET_AUTO, nullptr, &info);
  } else {
    OptionValue value;
    if (!ParseOptionValue(*o, text, value, r.error)) {
      r.error = Translate("ScannerOptions", "The scanner's ") + r.error + ".";
      return r;
    }
    wanted = FormatOptionValue(*o, value);
    std::vector<char> bytes;
    void* data = nullptr;
    if (o->type == SANE_TYPE_STRING) {
      bytes.assign(size_t(o->size), 0);
      std::memcpy(bytes.data(), value.text.data(), value.text.size());
      data = bytes.data();
    } else if (o->type != SANE_TYPE_BUTTON) {
      data = value.words.data();
    }
    status = Sane().control_option(device.handle(), o->index, SANE_ACTION_SET_VALUE, data, &info);
  }
  if (status != SANE_STATUS_GOOD) {
    r.error = Translate("ScannerOptions", "The scanner refused \"") + text +
              Translate("ScannerOptions", "\" for its option \"") + name +
              "\": " + SaneStatusText(status) + ".";
    return r;
  }
  r.ok = true;
  r.reloaded = info & SANE_INFO_RELOAD_OPTIONS;
  const auto now = r.reloaded ? device.option(name) : o;  // the descriptor may have changed
  if (now) r.value = ReadOptionText(device, *now);
  r.inexact = (info & SANE_INFO_INEXACT) || (!wanted.empty() && r.value != wanted);
  return r;
}

bool ApplyOptionChoices(SaneDevice& device, const OptionChoices& choices,
                        std::vector<std::string>& notes, std::string& error) {
  for (const OptionChoice& c : choices) {
    const OptionChange r = SetOptionText(device, c.name, c.value);
    if (!r.ok) {
      error = r.error;
      return false;
    }
    if (r.inexact) notes.push_back("option " + c.name + " to " + r.value);
  }
  return true;
}

std::vector<OptionEntry> ReadOptionEntries(const SaneDevice& device) {
  std::vector<OptionEntry> entries;
  for (ScanOption& o : device.options()) {
    std::string value = ReadOptionText(device, o);
    entries.push_back({std::move(o), std::move(value)});
  }
  return entries;
}

std::string OptionListing(const std::vector<OptionEntry>& entries) {
  std::string text;
  const std::string* group = nullptr;
  for (const OptionEntry& e : entries) {
    const ScanOption& o = e.option;
    if (o.name.empty()) continue;
    if (!group || *group != o.group) {
      group = &o.group;
      if (!group->empty()) text += *group + ":\n";
    }
    text += "  --" + o.name;
    if (const std::string c = ConstraintText(o); !c.empty()) text += ' ' + c;
    if (!o.active())
      text += " [inactive]";
    else if (o.type != SANE_TYPE_BUTTON)
      text += " [" + e.value + "]";
    if (!o.settable()) text += " [read-only]";
    text += '\n';
    for (const std::string& line : Split(o.description, '\n'))
      if (!Trim(line).empty()) text += "      " + Trim(line) + '\n';
  }
  return text;
}
