#include "driver/run.h"

#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

#include "driver/entry.h"
#include "driver/messages.h"
#include "driver/reader.h"
#include "support/log.h"
#include "support/output.h"

namespace morfenaar {

namespace {

void toStderr(std::string_view text) {
  if (!text.empty()) std::fwrite(text.data(), 1, text.size(), stderr);
}

// Reads whole lines of any length, NUL bytes included.
class LineSource {
 public:
  explicit LineSource(std::FILE* in) : in_(in) {}
  ~LineSource() { std::free(buffer_); }
  LineSource(const LineSource&) = delete;
  LineSource& operator=(const LineSource&) = delete;

  bool next(std::string_view& line) {
    ssize_t got = getline(&buffer_, &size_, in_);
    if (got < 0) return false;
    line = std::string_view(buffer_, static_cast<std::size_t>(got));
    return true;
  }

 private:
  std::FILE* in_;
  char* buffer_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace

int run(std::FILE* in) {
  std::string& out = outputBuffer();
  std::string diagnostics;
  bool interactive = ::isatty(STDOUT_FILENO) == 1;
  bool inputFailed = standardInputWasClosed();

  if (!inputFailed) {
    LineSource lines(in);
    std::string_view line;
    Entry entry;
    while (lines.next(line)) {
      switch (splitLine(line, entry)) {
        case LineKind::Skip:
          continue;
        case LineKind::NoGloss:
          toStderr(noGlossMessage(lineText(line)));
          continue;
        case LineKind::Entry:
          break;
      }
      diagnostics.clear();
      EntryStatus status = processEntry(entry, out, diagnostics);
      toStderr(diagnostics);
      if (status == EntryStatus::Fatal) {
        if (!closeOutput()) toStderr(kStdoutFailed);
        closeLog();
        return kExitBadGloss;
      }
      bool written = interactive ? flushOutput() : flushOutputIfFull();
      if (!written) {
        toStderr(kStdoutFailed);
        closeLog();
        return kExitIoError;
      }
    }
    inputFailed = std::ferror(in) != 0;
  }

  if (inputFailed) toStderr(kStdinFailed);
  bool outputOk = closeOutput();
  if (!outputOk) toStderr(kStdoutFailed);
  bool logOk = closeLog();
  return inputFailed || !outputOk || !logOk ? kExitIoError : kExitOk;
}

}  // namespace morfenaar
