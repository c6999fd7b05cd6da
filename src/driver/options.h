// The command line: morfenaar [OPTIE]... [BESTAND]... The options are long
// GNU-style ones (--help, --version, --modern, --niqqud, --log=BESTAND or --log
// BESTAND, --format=NAAM or --format NAAM) and may stand anywhere before
// "--", which ends them; every other argument, "-" included, is a file
// operand. The first of --help, --version or a wrong
// argument, from the left, decides what the program does. The option
// parser's messages live with the parser.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "driver/format.h"
#include "support/log.h"
#include "support/rules.h"

namespace morfenaar {

enum class Action {
  Run,      // read the verb list
  Help,     // print the usage text
  Version,  // print the version
  Error,    // the command line is wrong; `error` says why
};

struct CommandLine {
  Action action = Action::Run;
  std::string logPath = kLogFileName;
  Rules rules = Rules::Default;  // --modern: Rules::Modern; --niqqud: Rules::Pointed
  Format format = Format::Records;
  std::vector<std::string> files;  // in order; "-" is standard input
  std::string error;               // one line with its LF, for standard error
};

// Parses the arguments after the program name. With no file operand the
// list of files is {"-"}.
CommandLine parseCommandLine(const std::vector<std::string_view>& args);

// For every action but Run: writes the usage text or the version on
// standard output, or the error on standard error, and returns the exit
// status (0, or 2 for an error or when standard output fails).
int answer(const CommandLine& commandLine);

// "morfenaar" and the version of the CMake project.
std::string versionText();

}  // namespace morfenaar
