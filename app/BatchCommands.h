#pragma once
// Commands that run without a display: `quendrix NAME ARGS...`.
#include <string>
#include <vector>

using Args = std::vector<std::string>;

struct BatchCommand {
  const char* name;
  const char* usage;  // one line: the arguments after the command's name
  const char* summary;
  int (*run)(const Args& args);  // 0 success, 1 failure, 2 bad arguments
};

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

const std::vector<BatchCommand>& BatchCommandList();
// True when the command line names a batch command or asks for help.
bool IsBatchCommandLine(const Args& args);
// Runs the batch command named by args[0]; prints help for --help.
int RunBatch(const Args& args);

// Prints "quendrix: <reason>" on standard error and returns `code`.
int Fail(int code, const std::string& reason);
