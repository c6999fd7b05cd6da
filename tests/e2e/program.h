// Runs the real morfenaar binary as a process in a fresh temporary
// directory, with given arguments, standard input and further files, and
// collects its standard output, standard error, exit status, log file and
// the names of the files it leaves in the directory. A run may be given a
// limit on its address space, as `ulimit -v` sets it.
#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "common/text.h"
#include "common/worked_example.h"

namespace morfenaar::e2e {

namespace fs = std::filesystem;

using testing::kKtb;
using testing::readFile;
using testing::splitLines;
using testing::writeFile;

// The worked example's input, output and log: ktb.in, ktb.out, ktb.log.
inline const fs::path kGolden = fs::path(MORFENAAR_SOURCE_DIR) / "tests" / "e2e" / "golden";

// Every output format with the extension of its golden file: ktb.out,
// ktb.tsv and so on, and the same for the root in Hebrew letters,
// ktb-hebreeuws.in (worked out from ktb.out by golden/derive.py), and for
// --modern (ktb-modern.out, and the files derive.py works out from it).
struct FormatGolden {
  const char* name;
  const char* extension;
};
inline constexpr FormatGolden kFormats[] = {{"records", ".out"},
                                            {"tsv", ".tsv"},
                                            {"jsonl", ".jsonl"},
                                            {"unimorph", ".unimorph"},
                                            {"html", ".html"}};

struct Outcome {
  int status = -1;  // exit status, or 128 + signal number
  std::string out;
  std::string err;
  bool logExists = false;
  std::string log;
  std::set<std::string> names;  // the directory's entries after the run
};

struct RunOptions {
  // Arguments as written on a shell command line, e.g. "--log=x.log a.tsv".
  std::string args;
  // Further files written into the run's directory: name -> content.
  std::map<std::string, std::string> files;
  // Where the log is expected, relative to the run's directory.
  std::string log = "morfenaar.log";
  // Shell redirections for the program; the defaults read "in" and write
  // "out" and "err" in the run's directory.
  std::string redirect = "< in > out 2> err";
  // Prepares the directory before the run (for example an old log file).
  std::function<void(const fs::path&)> setup;
  // Text after the program, for a pipeline such as "| head -n1 > out".
  std::string pipeline;
  // When not 0, the limit in bytes on the address space of the shell that
  // runs the program, and so of the program (RLIMIT_AS).
  rlim_t memoryLimit = 0;
};

// Runs `command` with /bin/sh as std::system() does, the memory limit set
// in the child before the shell starts; returns the wait status.
inline int runShell(const std::string& command, rlim_t memoryLimit) {
  pid_t child = ::fork();
  if (child < 0) return -1;
  if (child == 0) {
    if (memoryLimit != 0) {
      const rlimit limit{memoryLimit, memoryLimit};
      if (::setrlimit(RLIMIT_AS, &limit) != 0) ::_exit(126);
    }
    ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  int raw = -1;
  while (::waitpid(child, &raw, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return raw;
}

class TempDir {
 public:
  TempDir() {
    std::string pattern = (fs::temp_directory_path() / "morfenaar-e2e-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

inline Outcome runProgram(const std::string& input, const RunOptions& options = {}) {
  TempDir dir;
  writeFile(dir.path() / "in", input);
  for (const auto& [name, text] : options.files) writeFile(dir.path() / name, text);
  if (options.setup) options.setup(dir.path());
  std::string script = "cd '" + dir.path().string() + "' && '" + MORFENAAR_BINARY + "' " +
                       options.args + " " + options.redirect + " " + options.pipeline;
  std::string command = "bash -c \"set -o pipefail; " + script + "\"";
  int raw = runShell(command, options.memoryLimit);
  Outcome run;
  if (WIFEXITED(raw)) run.status = WEXITSTATUS(raw);
  run.out = readFile(dir.path() / "out");
  run.err = readFile(dir.path() / "err");
  fs::path log = dir.path() / options.log;
  run.logExists = fs::is_regular_file(fs::symlink_status(log));
  if (run.logExists) run.log = readFile(log);
  for (const fs::directory_entry& entry : fs::directory_iterator(dir.path())) {
    run.names.insert(entry.path().filename().string());
  }
  return run;
}

}  // namespace morfenaar::e2e
