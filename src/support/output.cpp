#include "support/output.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace morfenaar {

namespace {

constexpr std::size_t kBlockSize = std::size_t{64} * 1024;

std::string& buffer() {
  static std::string text = [] {
    std::string empty;
    empty.reserve(2 * kBlockSize);
    return empty;
  }();
  return text;
}

bool stdoutClosed = false;
bool stdinClosed = false;
bool anythingWritten = false;

bool writeAll(const char* data, std::size_t size) {
  if (size == 0) return true;
  anythingWritten = true;
  if (stdoutClosed) {
    errno = EBADF;
    return false;
  }
  while (size > 0) {
    ssize_t n = ::write(STDOUT_FILENO, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

bool isOpen(int fd) { return ::fcntl(fd, F_GETFD) != -1 || errno != EBADF; }

}  // namespace

std::string& outputBuffer() { return buffer(); }

bool flushOutputIfFull() { return buffer().size() < kBlockSize || flushOutput(); }

bool flushOutput() {
  std::string& text = buffer();
  bool ok = writeAll(text.data(), text.size());
  text.clear();
  return ok;
}

bool closeOutput() {
  if (!flushOutput()) return false;
  if (stdoutClosed) return true;  // nothing was written to it
  if (::close(STDOUT_FILENO) != 0 && errno != EINTR) {
    return !anythingWritten && errno == EBADF;
  }
  return true;
}

void protectStandardStreams() {
  stdinClosed = !isOpen(STDIN_FILENO);
  stdoutClosed = !isOpen(STDOUT_FILENO);
  bool stderrClosed = !isOpen(STDERR_FILENO);
  if (!stdinClosed && !stdoutClosed && !stderrClosed) return;
  // open() returns the lowest free descriptor, so this fills the gaps.
  for (;;) {
    int fd = ::open("/dev/null", O_RDWR);
    if (fd < 0) return;
    if (fd > STDERR_FILENO) {
      ::close(fd);
      return;
    }
  }
}

bool standardInputWasClosed() { return stdinClosed; }

}  // namespace morfenaar
