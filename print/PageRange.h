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

// `what` names the numbers in the error: "page", else positions; `limit` is the largest allowed.
NumberListParse ParseNumberList(const std::string& text, int32_t limit, const std::string& what);
