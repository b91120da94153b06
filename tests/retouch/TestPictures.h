#pragma once
// Pictures for the retouch tests: random pixels and colour tables, comparison helpers.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "platform/Progress.h"
#include "platform/dib/Dib.h"

// Frees its picture when the test ends.
struct DibHolder {
  Dib dib;
  DibHolder() = default;
  DibHolder(const DibHolder&) = delete;
  DibHolder& operator=(const DibHolder&) = delete;
  ~DibHolder() { FreeDib(dib); }
};

// A picture of random pixels (and a random colour table for palette depths).
void RandomDib(Dib& dib, int32_t w, int32_t h, int bpp, uint32_t seed);
// A 24-bit picture of one colour.
void UniformDib(Dib& dib, int32_t w, int32_t h, uint8_t blue, uint8_t green, uint8_t red);
// Every pixel value (GetDibPixel) of the picture, row by row.
std::vector<uint32_t> Pixels(const Dib& dib);
// Stored bytes: pixels with padding, colour table, LogPal and palette entries.
std::string Fingerprint(const Dib& dib);
// The colour table entries in use, as bytes.
std::string ColourTable(const Dib& dib);

// Records every progress report while it lives.
struct ProgressLog : ProgressSink {
  std::vector<int> values;
  ProgressSink* old;
  ProgressLog() : old(SetProgressSink(this)) {}
  ~ProgressLog() override { SetProgressSink(old); }
  void setProgress(int percent) override { values.push_back(percent); }
};
