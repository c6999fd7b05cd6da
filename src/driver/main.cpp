// morfenaar: reads a list of Hebrew verbs from the files named on the
// command line, or from standard input, and writes the table of their
// conjugated forms, each with a conjugated Dutch translation, on standard
// output. The Dutch forms of every verb are logged to morfenaar.log in the
// working directory or to the file given with --log.
#include <cstdio>
#include <new>
#include <string_view>
#include <vector>

#include "driver/format.h"
#include "driver/messages.h"
#include "driver/options.h"
#include "driver/run.h"
#include "dutch/tables.h"
#include "support/log.h"
#include "support/output.h"

int main(int argc, char* argv[]) {
  using namespace morfenaar;
  protectStandardStreams();
  try {
    CommandLine commandLine =
        parseCommandLine(std::vector<std::string_view>(argv + 1, argv + argc));
    if (commandLine.action != Action::Run) return answer(commandLine);
    init();
    setLogPath(commandLine.logPath);
    setOutputFormat(commandLine.format);
    if (commandLine.rules == Rules::Pointed) setPronunciation(Pronunciation::With);
    return run(commandLine.files, commandLine.rules);
  } catch (const std::bad_alloc&) {
    // Before anything was read: run() handles its own.
    std::fwrite(kOutOfMemory.data(), 1, kOutOfMemory.size(), stderr);
    return kExitIoError;
  }
}
