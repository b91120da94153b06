#pragma once
// Runs a batch command line in the test's process, capturing both output streams.
#include <gtest/gtest.h>

#include <string>

#include "app/batch/BatchCommands.h"

struct Outcome {
  int code;
  std::string out, err;
};

inline Outcome Batch(const Args& args) {
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  const int code = RunBatch(args);
  std::string out = testing::internal::GetCapturedStdout();
  return {code, out, testing::internal::GetCapturedStderr()};
}
