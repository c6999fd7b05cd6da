#include "driver/run.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "driver/entry.h"
#include "driver/format.h"
#include "driver/messages.h"
#include "driver/reader.h"
#include "support/log.h"
#include "support/output.h"

namespace morfenaar {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

void toStderr(std::string_view text) {
  if (text.empty()) return;
  std::fwrite(text.data(), 1, text.size(), stderr);
}

// Reads whole lines of any length, NUL bytes included, and drops a byte
// order mark at the start of the first.
class LineSource {
 public:
  explicit LineSource(std::FILE* in) : in_(in) {}
  ~LineSource() { std::free(buffer_); }
  LineSource(const LineSource&) = delete;
  LineSource& operator=(const LineSource&) = delete;

  bool next(std::string_view& line) {
    errno = 0;
    ssize_t got = getline(&buffer_, &size_, in_);
    if (got < 0) {
      error_ = errno;
      return false;
    }
    line = std::string_view(buffer_, static_cast<std::size_t>(got));
    if (first_ && line.starts_with(kByteOrderMark)) line.remove_prefix(kByteOrderMark.size());
    first_ = false;
    return true;
  }

  // The errno value of the read that ended the input.
  int error() const { return error_; }

 private:
  std::FILE* in_;
  char* buffer_ = nullptr;
  std::size_t size_ = 0;
  bool first_ = true;
  int error_ = 0;
};

enum class ListEnd {
  Done,          // end of the input (or a read error)
  BadGloss,      // a gloss lacks "(", "," or ")"
  OutputFailed,  // standard output could not be written
};

ListEnd readEntries(LineSource& lines, bool interactive) {
  std::string& out = outputBuffer();
  std::string diagnostics;
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
    if (status == EntryStatus::Fatal) return ListEnd::BadGloss;
    bool written = interactive ? flushOutput() : flushOutputIfFull();
    if (!written) return ListEnd::OutputFailed;
  }
  return ListEnd::Done;
}

// Reads standard input to its end; false (after the message) when it was
// closed or a read failed. It can be named more than once, as with cat.
bool readStandardInput(bool interactive, ListEnd& end) {
  if (standardInputWasClosed()) {
    toStderr(kStdinFailed);
    return false;
  }
  LineSource lines(stdin);
  end = readEntries(lines, interactive);
  bool failed = std::ferror(stdin) != 0;
  std::clearerr(stdin);
  if (failed && end == ListEnd::Done) toStderr(kStdinFailed);
  return !failed;
}

// Opens a file for reading; a directory is refused here, as its read would
// fail anyway. Sets `error` to the errno value on failure.
std::FILE* openFile(const std::string& name, int& error) {
  int fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = errno;
    return nullptr;
  }
  struct stat status {};
  std::FILE* file = nullptr;
  if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
    error = EISDIR;
  } else if ((file = ::fdopen(fd, "r")) == nullptr) {
    error = errno;
  }
  if (file == nullptr) ::close(fd);
  return file;
}

// Reads the named file to its end; false (after the message) when it
// could not be opened or read.
bool readFile(const std::string& name, bool interactive, ListEnd& end) {
  int error = 0;
  std::FILE* file = openFile(name, error);
  if (file == nullptr) {
    toStderr(inputOpenMessage(name, error));
    return false;
  }
  LineSource lines(file);
  end = readEntries(lines, interactive);
  bool failed = std::ferror(file) != 0;
  if (failed && end == ListEnd::Done) toStderr(inputReadMessage(name, lines.error()));
  std::fclose(file);
  return !failed;
}

}  // namespace

int run(const std::vector<std::string>& files) {
  bool interactive = ::isatty(STDOUT_FILENO) == 1;
  bool inputFailed = false;
  beginOutput(outputBuffer());
  for (const std::string& name : files) {
    ListEnd end = ListEnd::Done;
    bool read =
        name == "-" ? readStandardInput(interactive, end) : readFile(name, interactive, end);
    inputFailed = inputFailed || !read;
    if (end == ListEnd::BadGloss) {
      endOutput(outputBuffer());
      if (!closeOutput()) toStderr(kStdoutFailed);
      closeLog();
      return kExitBadGloss;
    }
    if (end == ListEnd::OutputFailed) {
      toStderr(kStdoutFailed);
      closeLog();
      return kExitIoError;
    }
  }
  endOutput(outputBuffer());
  bool outputOk = closeOutput();
  if (!outputOk) toStderr(kStdoutFailed);
  bool logOk = closeLog();
  return inputFailed || !outputOk || !logOk ? kExitIoError : kExitOk;
}

}  // namespace morfenaar
