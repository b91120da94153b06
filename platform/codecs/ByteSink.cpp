#include "platform/codecs/ByteSink.h"

#include <algorithm>

void ByteSink::append(const void* data, size_t n) {
  const auto* p = static_cast<const uint8_t*>(data);
  if (!pass_) return buf_.insert(buf_.end(), p, p + n), void();
  while (n > 0) {
    const size_t take = std::min(n, kBlock - std::min(kBlock, buf_.size()));
    buf_.insert(buf_.end(), p, p + take);
    p += take, n -= take;
    if (buf_.size() >= kBlock) drain();
  }
}

void ByteSink::fill(uint8_t v, size_t n) {
  if (!pass_) return buf_.insert(buf_.end(), n, v), void();
  while (n > 0) {
    const size_t take = std::min(n, kBlock - std::min(kBlock, buf_.size()));
    buf_.insert(buf_.end(), take, v);
    n -= take;
    if (buf_.size() >= kBlock) drain();
  }
}

bool ByteSink::patch(size_t at, const void* data, size_t n) {
  if (at > size() || n > size() - at) return false;
  const auto* p = static_cast<const uint8_t*>(data);
  if (at < passed_) {
    const size_t early = std::min(n, passed_ - at);
    if (!rewrite_ || !ok_) return false;
    ok_ = rewrite_(at, p, early);
    if (!ok_) return false;
    at += early, p += early, n -= early;
  }
  std::copy(p, p + n, buf_.begin() + std::ptrdiff_t(at - passed_));
  return true;
}

void ByteSink::clear() {
  buf_.clear();
}

bool ByteSink::finish() {
  if (pass_) drain();
  return ok_;
}

void ByteSink::drain() {
  if (ok_ && !buf_.empty()) ok_ = pass_(buf_.data(), buf_.size());
  passed_ += buf_.size();
  buf_.clear();
}
