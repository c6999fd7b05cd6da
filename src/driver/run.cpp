#include "driver/run.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <new>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "driver/entry.h"
#include "driver/format.h"
#include "driver/line_checks.h"
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
// order mark at the start of the first. Tells a failed read (a line too
// long for the memory included) from the end of the input, and whether
// the first line shows the input to be UTF-16.
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
      // getline sets no error flag when it cannot make room for a line.
      error_ = errno;
      failed_ = std::ferror(in_) != 0 || std::feof(in_) == 0;
      return false;
    }
    line = std::string_view(buffer_, static_cast<std::size_t>(got));
    if (first_) {
      utf16_ = isUtf16(line);
      if (line.starts_with(kByteOrderMark)) line.remove_prefix(kByteOrderMark.size());
    }
    first_ = false;
    return true;
  }

  // True when a read failed: the input ended early.
  bool failed() const { return failed_; }
  // The errno value of the read that ended the input.
  int error() const { return error_; }
  // True once the first line was read and shows UTF-16.
  bool utf16() const { return utf16_; }

 private:
  std::FILE* in_;
  char* buffer_ = nullptr;
  std::size_t size_ = 0;
  bool first_ = true;
  bool failed_ = false;
  bool utf16_ = false;
  int error_ = 0;
};

enum class ListEnd {
  Done,          // end of the input (or a read error)
  Utf16,         // the input is UTF-16: none of its lines was handled
  BadGloss,      // a gloss lacks "(", "," or ")"
  OutputFailed,  // standard output could not be written
};

// Handles the lines of one input. When memory runs out for an entry,
// its records so far are dropped from the output buffer before the
// std::bad_alloc goes on, so that the buffer ends on a whole entry.
ListEnd readEntries(LineSource& lines, bool interactive, Rules rules) {
  std::string& out = outputBuffer();
  std::string diagnostics;
  std::string_view line;
  Entry entry;
  bool crWarned = false;  // one warning per input
  while (lines.next(line)) {
    if (lines.utf16()) {
      // Refused whole: the rest is read and dropped, so that standard
      // input, if named again, has nothing of it left.
      while (lines.next(line)) {
      }
      return ListEnd::Utf16;
    }
    LineKind kind = splitLine(line, entry);
    if (kind == LineKind::Skip) continue;
    if (!crWarned && hasCrWithoutLf(line)) {
      toStderr(crWithoutLfMessage(lineText(line)));
      crWarned = true;
    }
    if (kind == LineKind::NoGloss) {
      toStderr(noGlossMessage(lineText(line)));
      continue;
    }
    diagnostics.clear();
    const std::size_t wholeEntries = out.size();
    EntryStatus status = EntryStatus::Done;
    try {
      status = processEntry(entry, out, diagnostics, rules);
    } catch (const std::bad_alloc&) {
      out.resize(wholeEntries);
      throw;
    }
    toStderr(diagnostics);
    if (status == EntryStatus::Fatal) return ListEnd::BadGloss;
    bool written = interactive ? flushOutput() : flushOutputIfFull();
    if (!written) return ListEnd::OutputFailed;
  }
  return ListEnd::Done;
}

// Reads standard input to its end; false (after the message) when it was
// closed or a read failed. It can be named more than once, as with cat.
bool readStandardInput(bool interactive, Rules rules, ListEnd& end) {
  if (standardInputWasClosed()) {
    toStderr(kStdinFailed);
    return false;
  }
  LineSource lines(stdin);
  end = readEntries(lines, interactive, rules);
  std::clearerr(stdin);
  if (end == ListEnd::Utf16) {
    toStderr(kStdinUtf16);
    return false;
  }
  if (lines.failed() && end == ListEnd::Done) toStderr(kStdinFailed);
  return !lines.failed();
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
bool readFile(const std::string& name, bool interactive, Rules rules, ListEnd& end) {
  int error = 0;
  std::FILE* file = openFile(name, error);
  if (file == nullptr) {
    toStderr(inputOpenMessage(name, error));
    return false;
  }
  LineSource lines(file);
  end = readEntries(lines, interactive, rules);
  std::fclose(file);
  if (end == ListEnd::Utf16) {
    toStderr(utf16Message(name));
    return false;
  }
  if (lines.failed() && end == ListEnd::Done) toStderr(inputReadMessage(name, lines.error()));
  return !lines.failed();
}

// The whole run over `files`, as run() describes it.
int readAll(const std::vector<std::string>& files, Rules rules) {
  bool interactive = ::isatty(STDOUT_FILENO) == 1;
  bool inputFailed = false;
  beginOutput(outputBuffer());
  for (const std::string& name : files) {
    ListEnd end = ListEnd::Done;
    bool read = name == "-" ? readStandardInput(interactive, rules, end)
                            : readFile(name, interactive, rules, end);
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

// Ends the run when memory ran out: the records of every whole entry so
// far are written (the log lines of their verbs are in the log before
// them), then the message.
int endOutOfMemory() {
  if (!closeOutput()) toStderr(kStdoutFailed);
  toStderr(kOutOfMemory);
  closeLog();
  return kExitIoError;
}

}  // namespace

int run(const std::vector<std::string>& files, Rules rules) {
  try {
    return readAll(files, rules);
  } catch (const std::bad_alloc&) {
    return endOutOfMemory();
  }
}

}  // namespace morfenaar
