#include "print/PdfImages.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <new>
#include <optional>
#include <set>
#include <string_view>

#include "platform/RegularFile.h"
#include "print/ImageStream.h"
#include "print/PictureStreams.h"

namespace {
constexpr uint64_t kMaxObjects = 10'000'000;
constexpr uint64_t kMaxSide = 1'000'000;

bool IsSpace(char c) {
  return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}
bool IsDelimiter(char c) {
  return IsSpace(c) || std::string_view("()<>[]{}/%").find(c) != std::string_view::npos;
}

// A cursor over the bytes [at, end) of the file.
class Scan {
 public:
  Scan(std::string_view file, size_t at, size_t end) : file_(file.substr(0, end)), at_(at) {}
  size_t at() const { return at_; }
  bool atEnd() const { return at_ >= file_.size(); }
  void skipSpace() {
    while (at_ < file_.size() && IsSpace(file_[at_])) ++at_;
  }
  bool take(std::string_view word) {
    if (file_.substr(std::min(at_, file_.size()), word.size()) != word) return false;
    at_ += word.size();
    return true;
  }
  // An unsigned number of at most 12 digits.
  std::optional<uint64_t> number() {
    uint64_t n = 0;
    size_t digits = 0;
    for (; at_ < file_.size() && file_[at_] >= '0' && file_[at_] <= '9' && digits < 13; ++digits)
      n = n * 10 + uint64_t(file_[at_++] - '0');
    if (digits == 0 || digits > 12) return std::nullopt;
    return n;
  }
  // A name with its slash, or empty.
  std::string_view name() {
    const size_t from = at_;
    if (!take("/")) return {};
    while (at_ < file_.size() && !IsDelimiter(file_[at_])) ++at_;
    return file_.substr(from, at_ - from);
  }

 private:
  std::string_view file_;
  size_t at_;
};

// "N 0 obj", the start of every object.
bool TakeObjectStart(Scan& s, uint64_t number) {
  s.skipSpace();
  const auto n = s.number();
  s.skipSpace();
  const auto generation = s.number();
  s.skipSpace();
  return n == number && generation == 0u && s.take("obj");
}

// A dictionary's simple values (names, numbers, references, true and false) as written.
struct Value {
  std::string_view text;
  std::optional<uint64_t> number, reference;
};

std::optional<std::map<std::string_view, Value>> Dictionary(Scan& s, std::string_view file) {
  std::map<std::string_view, Value> dict;
  s.skipSpace();
  if (!s.take("<<")) return std::nullopt;
  for (;;) {
    s.skipSpace();
    if (s.take(">>")) return dict;
    const std::string_view key = s.name();
    s.skipSpace();
    const size_t from = s.at();
    Value v;
    const bool word = !s.name().empty() || s.take("true") || s.take("false");
    if (!word) {
      v.number = s.number();
      if (!v.number) return std::nullopt;  // arrays, strings, dictionaries: not of our images
      Scan after = s;
      after.skipSpace();
      if (after.number() == 0u && (after.skipSpace(), after.take("R")))
        s = after, v.reference = v.number, v.number.reset();
    }
    if (key.empty() || dict.count(key)) return std::nullopt;
    v.text = file.substr(from, s.at() - from);
    dict[key] = v;
  }
}

// An 8-bit Flate image whose pixels can be stored again, and where its parts lie.
struct Image {
  std::map<std::string_view, Value> dict;
  int width = 0, height = 0, components = 0;
  size_t dataAt = 0, dataLength = 0;
  uint64_t lengthObject = 0;  // 0: the length is written in the dictionary
};

const std::set<std::string_view> kImageKeys = {
    "/Type",   "/Subtype", "/Width", "/Height", "/BitsPerComponent", "/ColorSpace",
    "/Length", "/Filter",  "/SMask", "/Mask",   "/Interpolate"};

struct Pdf {
  std::string_view file;
  std::map<uint64_t, std::pair<size_t, size_t>> spans;  // object number: its bytes

  // The value of an object that holds only a number.
  std::optional<uint64_t> numberObject(uint64_t number) const {
    const auto found = spans.find(number);
    if (found == spans.end()) return std::nullopt;
    Scan s(file, found->second.first, found->second.second);
    if (!TakeObjectStart(s, number)) return std::nullopt;
    s.skipSpace();
    const auto n = s.number();
    s.skipSpace();
    if (!s.take("endobj")) return std::nullopt;
    s.skipSpace();
    return s.atEnd() ? n : std::nullopt;
  }

  std::optional<Image> image(uint64_t number) const {
    const auto [begin, end] = spans.at(number);
    Scan s(file, begin, end);
    if (!TakeObjectStart(s, number)) return std::nullopt;
    auto dict = Dictionary(s, file);
    if (!dict) return std::nullopt;
    Image im;
    im.dict = std::move(*dict);
    const auto text = [&](std::string_view key) {
      const auto found = im.dict.find(key);
      return found == im.dict.end() ? std::string_view() : found->second.text;
    };
    if (text("/Subtype") != "/Image" || text("/BitsPerComponent") != "8" ||
        text("/Filter") != "/FlateDecode")
      return std::nullopt;
    for (const auto& [key, value] : im.dict)
      if (!kImageKeys.count(key)) return std::nullopt;
    im.components = text("/ColorSpace") == "/DeviceRGB" ? 3 : text("/ColorSpace") == "/DeviceGray";
    const auto w = im.dict["/Width"].number, h = im.dict["/Height"].number;
    if (!im.components || !w || !h || *w == 0 || *h == 0 || *w > kMaxSide || *h > kMaxSide ||
        *w * *h * uint64_t(im.components) > kMaxCompactedImageBytes)
      return std::nullopt;
    im.width = int(*w), im.height = int(*h);
    const Value& length = im.dict["/Length"];
    im.lengthObject = length.reference.value_or(0);
    const auto bytes = length.reference ? numberObject(*length.reference) : length.number;
    s.skipSpace();
    if (!bytes || !s.take("stream") || !(s.take("\r\n") || s.take("\n"))) return std::nullopt;
    im.dataAt = s.at();
    if (*bytes > end - im.dataAt) return std::nullopt;
    im.dataLength = size_t(*bytes);
    Scan tail(file, im.dataAt + im.dataLength, end);
    tail.skipSpace();
    if (!tail.take("endstream")) return std::nullopt;
    tail.skipSpace();
    if (!tail.take("endobj")) return std::nullopt;
    tail.skipSpace();
    return tail.atEnd() ? std::optional(std::move(im)) : std::nullopt;
  }
};

// The image object's bytes before and after its stream, stored as `stored` says.
std::pair<std::string, std::string> ImageObject(uint64_t number, const Image& im, int width,
                                                int height, const StoredPixels& stored) {
  std::string o = std::to_string(number) + " 0 obj\n<<\n/Type /XObject\n/Subtype /Image\n/Width " +
                  std::to_string(width) + "\n/Height " + std::to_string(height) +
                  "\n/BitsPerComponent " + std::to_string(stored.bitsPerComponent) +
                  "\n/ColorSpace " + stored.colourSpace + "\n";
  for (std::string_view key : {"/SMask", "/Mask", "/Interpolate"})
    if (const auto found = im.dict.find(key); found != im.dict.end())
      o.append(key).append(" ").append(found->second.text).append("\n");
  o +=
      "/Length " +
      (im.lengthObject ? std::to_string(im.lengthObject) + " 0 R" : std::to_string(stored.length)) +
      "\n/Filter " + stored.filter + "\n";
  if (!stored.decodeParms.empty()) o += "/DecodeParms " + stored.decodeParms + "\n";
  o += ">>\nstream\n";
  return {o, "\nendstream\nendobj\n"};
}

// An image's new bytes: stored again in `data`, or a stand-in's stream from the side file.
struct NewImage {
  StoredPixels stored;
  std::vector<uint8_t> data;
  const PictureStreams::Stream* standIn = nullptr;
};

// The pixels of `im` in fewer bytes, or nullopt. Grey pixels lose their other two components;
// a soft mask must stay grey.
std::optional<NewImage> StoreAgain(std::string_view file, const Image& im, bool softMask) {
  const auto* data = reinterpret_cast<const uint8_t*>(file.data()) + im.dataAt;
  const auto raw = InflateExactly({data, im.dataLength},
                                  size_t(im.width) * size_t(im.height) * size_t(im.components));
  if (!raw) return std::nullopt;
  NewImage n;
  ByteSink sink([&](const uint8_t* bytes, size_t count) {
    n.data.insert(n.data.end(), bytes, bytes + count);
    return n.data.size() < im.dataLength;  // no gain: given up
  });
  const auto stored = StorePixels(im.width, im.height, im.components, !softMask,
                                  RowsOf(*raw, size_t(im.width) * size_t(im.components)), sink);
  if (!stored || !sink.finish()) return std::nullopt;
  n.stored = *stored;
  return n;
}

// For a stand-in of this job, the stream it names (nullptr when that could not be made);
// nullopt for any other image.
std::optional<const PictureStreams::Stream*> StandInStream(std::string_view file, const Image& im,
                                                           PictureStreams* streams) {
  if (!streams || streams->empty() || im.width != 4 || im.height != 1 || im.components != 3)
    return std::nullopt;
  const auto raw =
      InflateExactly({reinterpret_cast<const uint8_t*>(file.data()) + im.dataAt, im.dataLength},
                     PictureStreams::StandIn().size());
  if (!raw || !streams->isStandIn(*raw)) return std::nullopt;
  return streams->find(*raw);
}

// The classic cross-reference table at the end: the object spans, the trailer's bytes.
struct Xref {
  size_t at = 0, trailer = 0, startxref = 0;
  uint64_t count = 0;
  std::map<uint64_t, std::pair<size_t, size_t>> spans;
  size_t firstObject = 0;
};

std::optional<Xref> ReadXref(std::string_view file) {
  Xref x;
  x.startxref = file.rfind("startxref");
  if (x.startxref == std::string_view::npos || file.size() - x.startxref > 64) return std::nullopt;
  Scan end(file, x.startxref + 9, file.size());
  end.skipSpace();
  const auto at = end.number();
  end.skipSpace();
  if (!at || !end.take("%%EOF") || (end.skipSpace(), !end.atEnd()) || *at >= x.startxref)
    return std::nullopt;
  x.at = size_t(*at);
  Scan s(file, x.at, x.startxref);
  if (!s.take("xref")) return std::nullopt;
  s.skipSpace();
  const auto first = s.number();
  s.skipSpace();
  const auto count = s.number();
  if (first != 0u || !count || *count < 2 || *count > kMaxObjects ||
      !(s.take("\r\n") || s.take("\n") || s.take(" \n") || s.take(" \r\n")))
    return std::nullopt;
  x.count = *count;
  const size_t table = s.at();
  if (*count * 20 > x.startxref - table) return std::nullopt;
  std::vector<std::pair<size_t, uint64_t>> offsets;  // offset, object
  for (uint64_t i = 0; i < *count; ++i) {
    const std::string_view e = file.substr(table + i * 20, 20);
    Scan entry(file, table + i * 20, table + i * 20 + 10);
    const auto offset = entry.number();
    if (!offset || !entry.atEnd() || e[10] != ' ' || e[16] != ' ') return std::nullopt;
    if (i == 0) {
      if (e[17] != 'f') return std::nullopt;
      continue;
    }
    if (e.substr(11, 5) != "00000" || e[17] != 'n' || *offset >= x.at) return std::nullopt;
    offsets.push_back({size_t(*offset), i});
  }
  x.trailer = table + *count * 20;
  Scan trailer(file, x.trailer, x.startxref);
  if (!trailer.take("trailer")) return std::nullopt;
  const std::string_view rest = file.substr(x.trailer, x.startxref - x.trailer);
  for (std::string_view key : {"/Prev", "/XRefStm", "/Encrypt"})
    if (rest.find(key) != std::string_view::npos) return std::nullopt;
  std::sort(offsets.begin(), offsets.end());
  for (size_t i = 0; i < offsets.size(); ++i) {
    const size_t next = i + 1 < offsets.size() ? offsets[i + 1].first : x.at;
    if (next <= offsets[i].first) return std::nullopt;
    x.spans[offsets[i].second] = {offsets[i].first, next};
  }
  x.firstObject = offsets.front().first;
  return x;
}

// The numbers N of every "N 0 R" in `text`, counted into `counts`.
void CountReferences(std::string_view text, std::map<uint64_t, int>& counts) {
  for (size_t at = text.find(" 0 R"); at != std::string_view::npos;
       at = text.find(" 0 R", at + 4)) {
    size_t from = at;
    while (from > 0 && text[from - 1] >= '0' && text[from - 1] <= '9') --from;
    const size_t after = at + 4;
    if (from == at || at - from > 12 || (from > 0 && !IsDelimiter(text[from - 1])) ||
        (after < text.size() && !IsDelimiter(text[after])))
      continue;
    uint64_t n = 0;
    for (size_t i = from; i < at; ++i) n = n * 10 + uint64_t(text[i] - '0');
    ++counts[n];
  }
}

// An object's bytes before its stream, or all of them.
std::string_view ObjectHead(std::string_view object) {
  const size_t stream = object.find(">>\nstream");
  return stream == std::string_view::npos ? object : object.substr(0, stream + 2);
}

// How often each object is named outside streams.
std::map<uint64_t, int> References(const Pdf& pdf) {
  std::map<uint64_t, int> references;
  for (const auto& [number, span] : pdf.spans)
    CountReferences(ObjectHead(pdf.file.substr(span.first, span.second - span.first)), references);
  return references;
}

// Pages of one drawing share one content stream and one resource dictionary: a thousand labels
// of one design are one page's drawing in the file, not a thousand. Only objects a page names
// and nothing else does are shared; a later copy becomes a null object.
struct SharedPageParts {
  std::map<uint64_t, std::string> pages;  // a page object: its new bytes
  std::set<uint64_t> dropped;
};

// The N of the one "KEY N 0 R" in a page's bytes.
std::optional<uint64_t> PagePart(std::string_view page, std::string_view key) {
  const size_t at = page.find(key);
  if (at == std::string_view::npos || page.find(key, at + 1) != std::string_view::npos)
    return std::nullopt;
  Scan s(page, at + key.size(), page.size());
  const auto part = s.number();
  return part && s.take(" 0 R") ? part : std::nullopt;
}

// Makes the page's one "KEY N 0 R" name `part` instead.
void ReferTo(std::string& page, std::string_view key, uint64_t part) {
  const size_t from = page.find(key) + key.size();
  page.replace(from, page.find(' ', from) - from, std::to_string(part));
}

SharedPageParts SharePageParts(const Pdf& pdf, const std::map<uint64_t, int>& references,
                               const std::set<uint64_t>& repeated) {
  SharedPageParts shared;
  // The bytes that make two contents or two resource dictionaries the same; empty: not shared.
  const auto sameness = [&](uint64_t number) -> std::string_view {
    const auto found = pdf.spans.find(number);
    const auto named = references.find(number);
    if (found == pdf.spans.end() || named == references.end() || named->second != 1) return {};
    const auto [begin, end] = found->second;
    Scan s(pdf.file, begin, end);
    if (!TakeObjectStart(s, number)) return {};
    const std::string_view rest = pdf.file.substr(s.at(), end - s.at());
    if (rest.find("stream") == std::string_view::npos) return rest;
    auto dict = Dictionary(s, pdf.file);
    if (!dict || dict->size() != 2 || !dict->count("/Length") ||
        (*dict)["/Filter"].text != "/FlateDecode")
      return {};
    const Value& length = (*dict)["/Length"];
    const auto bytes = length.reference ? pdf.numberObject(*length.reference) : length.number;
    s.skipSpace();
    if (!bytes || !s.take("stream\n") || *bytes > end - s.at()) return {};
    return pdf.file.substr(s.at(), size_t(*bytes));
  };
  std::map<std::pair<std::string_view, std::string_view>, uint64_t> first;  // key, sameness
  for (const auto& [number, span] : pdf.spans) {
    const std::string_view object = pdf.file.substr(span.first, span.second - span.first);
    if (repeated.count(number) || ObjectHead(object).size() != object.size() ||
        object.find("/Type /Page\n") == std::string_view::npos)
      continue;
    std::string page(object);
    bool changed = false;
    for (std::string_view key : {"/Contents ", "/Resources "}) {
      const auto part = PagePart(page, key);
      const std::string_view same = part ? sameness(*part) : std::string_view();
      if (same.empty()) continue;
      const auto [kept, isNew] = first.try_emplace({key, same}, *part);
      if (isNew) continue;
      ReferTo(page, key, kept->second);
      shared.dropped.insert(*part);
      changed = true;
    }
    if (changed) shared.pages[number] = std::move(page);
  }
  return shared;
}

// The page objects in the order of the one page list, or nullopt.
std::optional<std::vector<uint64_t>> PageOrder(const Pdf& pdf) {
  std::optional<std::vector<uint64_t>> order;
  for (const auto& [number, span] : pdf.spans) {
    const std::string_view object = pdf.file.substr(span.first, span.second - span.first);
    if (ObjectHead(object).size() != object.size() ||
        object.find("/Type /Pages\n") == std::string_view::npos)
      continue;
    const size_t kids = object.find("/Kids ");
    if (order || kids == std::string_view::npos) return std::nullopt;  // one flat list only
    Scan s(object, kids + 6, object.size());
    s.skipSpace();
    if (!s.take("[")) return std::nullopt;
    order.emplace();
    for (s.skipSpace(); !s.take("]"); s.skipSpace()) {
      const auto page = s.number();
      if (!page || !s.take(" 0 R") || order->size() >= kMaxObjects) return std::nullopt;
      order->push_back(*page);
    }
  }
  return order;
}

// Repeated pages name their drawn page's contents and resources; their own, left empty by the
// job, become null objects. False when a page is missing or not as the job writes it.
bool RepeatPages(const Pdf& pdf, const std::map<uint64_t, int>& references,
                 const std::vector<uint64_t>& order, const RepeatedPages& repeats,
                 SharedPageParts& shared) {
  const auto objectOf = [&](int page) -> std::optional<uint64_t> {
    if (page < 1 || size_t(page) > order.size() || !pdf.spans.count(order[size_t(page) - 1]))
      return std::nullopt;
    return order[size_t(page) - 1];
  };
  for (const auto& [page, drawnPage] : repeats) {
    const auto repeated = objectOf(page), drawn = objectOf(drawnPage);
    if (!repeated || !drawn || repeats.count(drawnPage) || drawnPage >= page) return false;
    const auto textOf = [&](uint64_t number) -> std::string_view {
      if (const auto found = shared.pages.find(number); found != shared.pages.end())
        return found->second;
      const auto [begin, end] = pdf.spans.at(number);
      return pdf.file.substr(begin, end - begin);
    };
    std::string text(textOf(*repeated));
    for (std::string_view key : {"/Contents ", "/Resources "}) {
      const auto own = PagePart(text, key), shown = PagePart(textOf(*drawn), key);
      if (!own || !shown) return false;
      ReferTo(text, key, *shown);
      if (const auto n = references.find(*own); n != references.end() && n->second == 1)
        shared.dropped.insert(*own);
    }
    shared.pages[*repeated] = std::move(text);
  }
  return true;
}
}  // namespace

PdfStored StorePdfImages(std::span<const uint8_t> bytes, PictureStreams* standIns, ByteSink& out,
                         const RepeatedPages& repeats) {
  const bool mustStore = (standIns && !standIns->empty()) || !repeats.empty();
  const PdfStored notStored = mustStore ? PdfStored::Failed : PdfStored::AsWritten;
  if (bytes.size() > kMaxCompactedPdfBytes) return notStored;
  const std::string_view file(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (!file.starts_with("%PDF-")) return notStored;
  const auto xref = ReadXref(file);
  if (!xref) return notStored;
  const Pdf pdf{file, xref->spans};
  for (const auto& [number, span] : pdf.spans) {
    Scan s(file, span.first, span.second);
    if (!TakeObjectStart(s, number)) return notStored;
  }
  std::map<uint64_t, Image> images;
  std::set<uint64_t> softMasks;
  for (const auto& [number, span] : pdf.spans)
    if (auto im = pdf.image(number)) {
      if (const auto found = im->dict.find("/SMask"); found != im->dict.end())
        if (found->second.reference) softMasks.insert(*found->second.reference);
      images.emplace(number, std::move(*im));
    }
  std::map<uint64_t, NewImage> stored;
  std::map<uint64_t, uint64_t> lengths;  // length object: the new length
  for (const auto& [number, im] : images) {
    const auto standIn = StandInStream(file, im, standIns);
    const bool shared =  // a length object shared or an image itself: not as the job writes it
        im.lengthObject && (lengths.count(im.lengthObject) || images.count(im.lengthObject));
    if (standIn && (shared || !*standIn)) return PdfStored::Failed;  // a stand-in must not stay
    if (shared) continue;
    std::optional<NewImage> n = standIn ? std::optional(NewImage{(*standIn)->stored, {}, *standIn})
                                        : StoreAgain(file, im, softMasks.count(number) > 0);
    if (!n) continue;
    if (im.lengthObject) lengths[im.lengthObject] = n->stored.length;
    stored.emplace(number, std::move(*n));
  }
  const std::map<uint64_t, int> references = References(pdf);
  std::vector<uint64_t> order;  // the pages, read only when some repeat
  std::set<uint64_t> repeated;
  if (!repeats.empty()) {
    auto pages = PageOrder(pdf);
    if (!pages) return PdfStored::Failed;
    order = std::move(*pages);
    for (const auto& [page, drawn] : repeats)
      if (page >= 1 && size_t(page) <= order.size()) repeated.insert(order[size_t(page) - 1]);
  }
  SharedPageParts shared = SharePageParts(pdf, references, repeated);
  if (!RepeatPages(pdf, references, order, repeats, shared)) return PdfStored::Failed;
  if (stored.empty() && shared.pages.empty()) return notStored;
  std::vector<std::pair<size_t, uint64_t>> inFile;  // the objects in the file's order
  for (const auto& [number, span] : pdf.spans) inFile.push_back({span.first, number});
  std::sort(inFile.begin(), inFile.end());
  const auto put = [&out](std::string_view text) { out.append(text.data(), text.size()); };
  put(file.substr(0, xref->firstObject));
  std::vector<size_t> offsets(xref->count, 0);
  for (const auto& [begin, number] : inFile) {
    offsets[number] = out.size();
    if (auto found = stored.find(number); found != stored.end()) {
      const NewImage& n = found->second;
      const Image& im = images.at(number);
      const auto [head, tail] = ImageObject(number, im, n.standIn ? n.standIn->width : im.width,
                                            n.standIn ? n.standIn->height : im.height, n.stored);
      put(head);
      if (n.standIn && !standIns->copy(*n.standIn, out)) return PdfStored::Failed;
      out.append(n.data.data(), n.data.size());
      put(tail);
    } else if (shared.dropped.count(number)) {
      put(std::to_string(number) + " 0 obj\nnull\nendobj\n");
    } else if (auto page = shared.pages.find(number); page != shared.pages.end()) {
      put(page->second);
    } else if (auto length = lengths.find(number); length != lengths.end()) {
      put(std::to_string(number) + " 0 obj\n" + std::to_string(length->second) + "\nendobj\n");
    } else {
      put(file.substr(begin, pdf.spans.at(number).second - begin));
    }
    if (!out.ok()) return PdfStored::Failed;
  }
  const size_t xrefAt = out.size();
  std::string table = "xref\n0 " + std::to_string(xref->count) + "\n";
  table += file.substr(xref->trailer - xref->count * 20, 20);  // the free head of the list
  char entry[32];
  for (uint64_t i = 1; i < xref->count; ++i) {
    std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offsets[i]);
    table += entry;
  }
  table += file.substr(xref->trailer, xref->startxref - xref->trailer);
  table += "startxref\n" + std::to_string(xrefAt) + "\n%%EOF\n";
  put(table);
  return out.finish() ? PdfStored::Stored : PdfStored::Failed;
}

std::vector<uint8_t> CompactPdfImages(std::span<const uint8_t> pdf) {
  std::vector<uint8_t> bytes;
  bytes.reserve(pdf.size());
  ByteSink out(bytes);
  return StorePdfImages(pdf, nullptr, out) == PdfStored::Stored ? bytes : std::vector<uint8_t>();
}

std::optional<std::vector<uint8_t>> ReadPdfToStore(const std::string& path) {
  try {
    bool truncated = false;
    auto bytes = ReadRegularFile(path, kMaxCompactedPdfBytes, &truncated);
    if (!bytes || truncated) return std::nullopt;
    return bytes;
  } catch (const std::bad_alloc&) {
    return std::nullopt;  // short of memory: the file as the PDF writer left it
  }
}
