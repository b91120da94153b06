// JPEG through libjpeg-turbo. Its errors longjmp back to the function that called setjmp; the
// functions between hold no objects with destructors, and buffers belong to libjpeg's pools.
// libjpeg's headers need <cstdio> and <cstddef> before them.
// clang-format off
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <csetjmp>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "platform/Translate.h"
#include "platform/codecs/PictureCodecs.h"
#include "platform/dib/DibRows.h"

namespace {
struct JpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void OnError(j_common_ptr cinfo) {
  auto* e = reinterpret_cast<JpegError*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, e->message);
  std::longjmp(e->jump, 1);
}
// A file that ends early would be padded with grey; it is refused as truncated instead.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level >= 0 || cinfo->err->msg_code != JWRN_JPEG_EOF) return;
  auto* e = reinterpret_cast<JpegError*>(cinfo->err);
  std::snprintf(e->message, sizeof e->message, "%s",
                Translate("JpegFormat", "the file is truncated").c_str());
  std::longjmp(e->jump, 1);
}

// Progressive files of thousands of tiny scans would take minutes; real files have a few dozen.
constexpr int kMaxScans = 500;
void CheckScans(j_common_ptr cinfo) {
  if (!cinfo->is_decompressor) return;
  if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number <= kMaxScans) return;
  auto* e = reinterpret_cast<JpegError*>(cinfo->err);
  std::snprintf(e->message, sizeof e->message, "%s",
                Translate("JpegFormat", "too many scans").c_str());
  std::longjmp(e->jump, 1);
}

void InitError(JpegError& e) {
  jpeg_std_error(&e.mgr);
  e.mgr.error_exit = OnError;
  e.mgr.emit_message = OnMessage;
}

// Converts CMYK samples to RGB; Adobe files store the four inks inverted.
void CmykRow(const uint8_t* src, uint8_t* dst, JDIMENSION w, bool inverted) {
  for (JDIMENSION x = 0; x < w; ++x, src += 4, dst += 3) {
    uint32_t c = src[0], m = src[1], y = src[2], k = src[3];
    if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
    dst[2] = uint8_t((c * k + 127) / 255);
    dst[1] = uint8_t((m * k + 127) / 255);
    dst[0] = uint8_t((y * k + 127) / 255);
  }
}

// libjpeg takes the source's bytes 64 KiB at a time; a file that ends early gets the end marker
// and the warning that refuses it, as libjpeg's own memory source does.
struct SourceInput {
  jpeg_source_mgr mgr{};
  PictureSource* in = nullptr;
  uint64_t pos = 0;
  JOCTET buffer[65536];
};

void InitSource(j_decompress_ptr) {}
boolean FillInput(j_decompress_ptr cinfo) {
  auto* s = reinterpret_cast<SourceInput*>(cinfo->src);
  size_t n = s->in->read(s->pos, s->buffer, sizeof s->buffer);
  s->pos += n;
  if (n == 0) {
    WARNMS(cinfo, JWRN_JPEG_EOF);
    s->buffer[0] = 0xFF, s->buffer[1] = JPEG_EOI, n = 2;
  }
  s->mgr.next_input_byte = s->buffer;
  s->mgr.bytes_in_buffer = n;
  return TRUE;
}
void SkipInput(j_decompress_ptr cinfo, long count) {
  auto* s = reinterpret_cast<SourceInput*>(cinfo->src);
  if (count <= 0) return;
  if (size_t(count) <= s->mgr.bytes_in_buffer) {
    s->mgr.next_input_byte += count;
    s->mgr.bytes_in_buffer -= size_t(count);
    return;
  }
  s->pos += uint64_t(count) - s->mgr.bytes_in_buffer;
  s->mgr.bytes_in_buffer = 0;
  FillInput(cinfo);
}
void TermSource(j_decompress_ptr) {}

bool Decode(jpeg_decompress_struct& cinfo, JpegError& err, jpeg_progress_mgr& monitor,
            SourceInput& input, Dib& out, std::string& error) {
  if (setjmp(err.jump)) {
    FreeDib(out);
    if (error.empty())
      error = err.mgr.msg_code == JWRN_JPEG_EOF
                  ? std::string("the file is truncated")
                  : std::string(Translate("JpegFormat", "the JPEG data is damaged (")) +
                        err.message + ")";
    return false;
  }
  jpeg_create_decompress(&cinfo);
  cinfo.mem->max_memory_to_use = long(kMaxDibBytes);
  cinfo.progress = &monitor;
  ByteView memory = input.in->memory();
  if (memory.data) {
    jpeg_mem_src(&cinfo, memory.data, static_cast<unsigned long>(memory.size));
  } else {
    input.mgr.init_source = InitSource;
    input.mgr.fill_input_buffer = FillInput;
    input.mgr.skip_input_data = SkipInput;
    input.mgr.resync_to_restart = jpeg_resync_to_restart;
    input.mgr.term_source = TermSource;
    cinfo.src = &input.mgr;
  }
  jpeg_read_header(&cinfo, TRUE);
  const bool grey = cinfo.jpeg_color_space == JCS_GRAYSCALE;
  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  cinfo.out_color_space = grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_EXT_BGR;
  if (!NewDibChecked(out, cinfo.image_width, cinfo.image_height, grey ? 8 : 24, error))
    return false;
  if (grey) SetGreyColors(out);
  jpeg_start_decompress(&cinfo);
  JSAMPARRAY scratch = nullptr;
  if (cmyk)
    scratch = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                         cinfo.output_width * 4, 1);
  RowReporter progress(cinfo.output_height);
  while (cinfo.output_scanline < cinfo.output_height) {
    progress.row(cinfo.output_scanline);
    uint8_t* row = DibRow(out, int32_t(cinfo.output_scanline));
    if (cmyk) {
      jpeg_read_scanlines(&cinfo, scratch, 1);
      CmykRow(scratch[0], row, cinfo.output_width, cinfo.saw_Adobe_marker);
    } else {
      JSAMPROW rows[1] = {row};
      jpeg_read_scanlines(&cinfo, rows, 1);
    }
  }
  jpeg_finish_decompress(&cinfo);
  return true;
}

// libjpeg's output goes on to the sink 64 KiB at a time.
struct SinkDestination {
  jpeg_destination_mgr mgr{};
  ByteSink* out = nullptr;
  JOCTET buffer[65536];
};

void PassOn(j_compress_ptr cinfo, size_t n) {
  auto* d = reinterpret_cast<SinkDestination*>(cinfo->dest);
  bool ok = true;
  try {
    d->out->append(d->buffer, n);
  } catch (const std::bad_alloc&) {
    ok = false;
  }
  if (!ok) {
    cinfo->err->msg_code = JERR_OUT_OF_MEMORY;
    cinfo->err->error_exit(reinterpret_cast<j_common_ptr>(cinfo));
  }
  d->mgr.next_output_byte = d->buffer;
  d->mgr.free_in_buffer = sizeof d->buffer;
}
void InitDestination(j_compress_ptr cinfo) {
  auto* d = reinterpret_cast<SinkDestination*>(cinfo->dest);
  d->mgr.next_output_byte = d->buffer;
  d->mgr.free_in_buffer = sizeof d->buffer;
}
boolean EmptyOutput(j_compress_ptr cinfo) {
  PassOn(cinfo, sizeof(SinkDestination::buffer));
  return TRUE;
}
void TermDestination(j_compress_ptr cinfo) {
  auto* d = reinterpret_cast<SinkDestination*>(cinfo->dest);
  PassOn(cinfo, sizeof d->buffer - d->mgr.free_in_buffer);
}

// What a JPEG is made of: the rows, their size and colours.
struct JpegRows {
  int width = 0, height = 0, components = 3;
  J_COLOR_SPACE colours = JCS_RGB;
  int quality = 90;
  std::function<const uint8_t*(int y)> row;  // row y, top down
  bool optimized = false;                    // Huffman tables made for the picture: smaller
};

bool Encode(jpeg_compress_struct& cinfo, JpegError& err, const JpegRows& rows,
            SinkDestination& dest, std::string& error) {
  if (setjmp(err.jump)) {
    error = std::string(Translate("JpegFormat", "the picture could not be compressed (")) +
            err.message + ")";
    return false;
  }
  jpeg_create_compress(&cinfo);
  dest.mgr.init_destination = InitDestination;
  dest.mgr.empty_output_buffer = EmptyOutput;
  dest.mgr.term_destination = TermDestination;
  cinfo.dest = &dest.mgr;
  cinfo.image_width = JDIMENSION(rows.width);
  cinfo.image_height = JDIMENSION(rows.height);
  cinfo.input_components = rows.components;
  cinfo.in_color_space = rows.colours;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, rows.quality, TRUE);
  cinfo.optimize_coding = rows.optimized ? TRUE : FALSE;
  jpeg_start_compress(&cinfo, TRUE);
  RowReporter progress(cinfo.image_height);
  while (cinfo.next_scanline < cinfo.image_height) {
    progress.row(cinfo.next_scanline);
    JSAMPROW row[1] = {const_cast<JSAMPROW>(rows.row(int(cinfo.next_scanline)))};
    jpeg_write_scanlines(&cinfo, row, 1);
  }
  jpeg_finish_compress(&cinfo);
  return true;
}

bool EncodeInto(const JpegRows& rows, ByteSink& out, std::string& error) {
  jpeg_compress_struct cinfo;
  JpegError err;
  InitError(err);
  cinfo.err = &err.mgr;
  auto dest = std::make_unique<SinkDestination>();
  dest->out = &out;
  const bool ok = Encode(cinfo, err, rows, *dest, error);
  jpeg_destroy_compress(&cinfo);
  return ok;
}
}  // namespace

bool ReadJpeg(ByteView file, Dib& out, std::string& error) {
  PictureSource source(file);
  return ReadJpegFrom(source, out, error);
}

bool ReadJpegFrom(PictureSource& file, Dib& out, std::string& error) {
  out = Dib{};
  error.clear();
  uint8_t start[3] = {};
  if (file.read(0, start, 3) < 3 || start[0] != 0xFF || start[1] != 0xD8) {
    error = Translate("JpegFormat", "this is not a JPEG file");
    return false;
  }
  jpeg_decompress_struct cinfo;
  JpegError err;
  InitError(err);
  cinfo.err = &err.mgr;
  jpeg_progress_mgr monitor{};
  monitor.progress_monitor = CheckScans;
  auto input = std::make_unique<SourceInput>();
  input->in = &file;
  const bool ok = Decode(cinfo, err, monitor, *input, out, error);
  jpeg_destroy_decompress(&cinfo);
  return ok;
}

bool WriteJpegTo(const Dib& dib, ByteSink& out, std::string& error) {
  out.clear();
  error.clear();
  if (!dib.Bits || !dib.Info) {
    error = Translate("JpegFormat", "there is no picture to save");
    return false;
  }
  Dib expanded;
  const bool convert = DibBitCount(dib) != 24 && !HasGreyColors(dib);
  if (convert && !ExpandTo24Bits(dib, expanded)) {
    error = Translate("JpegFormat", "there is not enough memory to convert the picture");
    return false;
  }
  const Dib& picture = convert ? expanded : dib;
  const bool grey = HasGreyColors(picture);
  const JpegRows rows{DibWidth(picture),
                      DibHeight(picture),
                      grey ? 1 : 3,
                      grey ? JCS_GRAYSCALE : JCS_EXT_BGR,
                      90,
                      [&picture](int y) { return DibRow(picture, int32_t(y)); }};
  const bool ok = EncodeInto(rows, out, error);
  if (convert) FreeDib(expanded);
  if (!ok) out.clear();
  return ok;
}

// Tables made for a picture hold all its coefficients, as many bytes as its pixels: only for
// pictures up to this size.
constexpr uint64_t kMaxOptimizedJpegBytes = uint64_t(32) << 20;

bool WriteJpegRows(int width, int height, int components, int quality,
                   const std::function<void(int y, uint8_t* row)>& read, ByteSink& out,
                   std::string& error) {
  std::vector<uint8_t> row(size_t(width) * size_t(components));
  const JpegRows rows{
      width,
      height,
      components,
      components == 1 ? JCS_GRAYSCALE : JCS_RGB,
      quality,
      [&](int y) {
        read(y, row.data());
        return row.data();
      },
      uint64_t(width) * uint64_t(height) * uint64_t(components) <= kMaxOptimizedJpegBytes};
  return EncodeInto(rows, out, error);
}
