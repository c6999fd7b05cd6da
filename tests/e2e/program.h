// Runs the real morfenaar binary as a process in a fresh temporary
// directory, with a given standard input, and collects its standard output,
// standard error, exit status and log file.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
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

struct Outcome {
  int status = -1;  // exit status, or 128 + signal number
  std::string out;
  std::string err;
  bool logExists = false;
  std::string log;
};

struct RunOptions {
  // Shell redirections for the program; the defaults read "in" and write
  // "out" and "err" in the run's directory.
  std::string redirect = "< in > out 2> err";
  // Prepares the directory before the run (for example an old log file).
  std::function<void(const fs::path&)> setup;
  // Text after the program, for a pipeline such as "| head -n1 > out".
  std::string pipeline;
};

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
  if (options.setup) options.setup(dir.path());
  std::string script = "cd '" + dir.path().string() + "' && '" + MORFENAAR_BINARY + "' " +
                       options.redirect + " " + options.pipeline;
  std::string command = "bash -c \"set -o pipefail; " + script + "\"";
  int raw = std::system(command.c_str());
  Outcome run;
  if (WIFEXITED(raw)) run.status = WEXITSTATUS(raw);
  run.out = readFile(dir.path() / "out");
  run.err = readFile(dir.path() / "err");
  fs::path log = dir.path() / "morfenaar.log";
  run.logExists = fs::is_regular_file(fs::symlink_status(log));
  if (run.logExists) run.log = readFile(log);
  return run;
}

}  // namespace morfenaar::e2e
