#pragma once
// Lists of numbers counted from 1, with ranges ("2-3,5"): the sheets to print again, or the
// positions of a sheet that are already used.
#include <cstdint>
#include <string>
#include <vector>

struct NumberListParse {
  std::vector<int32_t> numbers;  // counted from 0, increasing, each once
  std::string error;             // why the text is no list within 1..limit, else empty
};

// What the numbers count; it chooses the words of the error.
enum class NumberListOf { Pages, Positions };

// `limit` is the largest number allowed.
NumberListParse ParseNumberList(const std::string& text, int32_t limit, NumberListOf what);
