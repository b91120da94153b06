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

// The commands of the logic libraries, then those registered by the program's start.
std::vector<BatchCommand> BatchCommandList();
// Adds a command that needs the toolkit (rendering, printing); the program registers them
// before it reads its command line.
void RegisterBatchCommand(const BatchCommand& command);
// True when the command line names a batch command or asks for help.
bool IsBatchCommandLine(const Args& args);
// True when args[0] names a command of the logic libraries other than help, which lists every
// command: such a command runs without loading the toolkit.
bool RunsWithoutToolkit(const Args& args);
// Runs the batch command named by args[0]; prints help for --help.
int RunBatch(const Args& args);

// Prints "quendrix: <reason>" on standard error and returns `code`.
int Fail(int code, const std::string& reason);
