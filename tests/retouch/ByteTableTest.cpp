#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "retouch/ByteTable.h"

TEST(ByteTable, BothPathsMapEveryLengthAndValue) {
  std::mt19937 rng(3);
  uint8_t table[256];
  for (auto& t : table) t = uint8_t(rng());
  for (size_t n : {size_t(0), size_t(1), size_t(7), size_t(8), size_t(63), size_t(64), size_t(65),
                   size_t(200), size_t(1000)}) {
    std::vector<uint8_t> src(n + 1, 0xEE), expected(n + 1, 0xEE), a(n + 1, 0xEE), b(n + 1, 0xEE);
    for (size_t i = 0; i < n; ++i) src[i] = uint8_t(i * 37 + rng());
    for (size_t i = 0; i < n; ++i) expected[i] = table[src[i]];
    MapBytes(src.data(), a.data(), n, table);
    MapBytesPortable(src.data(), b.data(), n, table);
    EXPECT_EQ(a, expected) << n;  // the byte behind the end stays untouched
    EXPECT_EQ(b, expected) << n;
    MapBytes(src.data(), src.data(), n, table);
    EXPECT_EQ(src, expected) << n;
  }
}
