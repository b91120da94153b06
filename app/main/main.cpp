#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "app/batch/BatchCommands.h"
#include "platform/SettingsDir.h"
#include "platform/Translate.h"
#include "platform/dib/Dib.h"

// The commands of the logic libraries run here without the toolkit's libraries, whose loading
// alone holds some 10 MB; the window and every other command run in the toolkit program.
int main(int argc, char** argv) {
  KeepPictureMemory();
  const Args args(argv + 1, argv + argc);
  if (RunsWithoutToolkit(args)) {
    InstallTranslations();
    return RunBatch(args);
  }
  const std::string program = ToolkitProgram().string();
  argv[0] = const_cast<char*>(program.c_str());
  ::execv(program.c_str(), argv);
  const int error = errno;
  InstallTranslations();
  return Fail(kExitFailure,
              FillIn(Translate("main", "cannot start %1: %2"), {program, std::strerror(error)}));
}
