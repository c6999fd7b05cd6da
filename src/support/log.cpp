#include "support/log.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>

#include "support/error_reason.h"

namespace morfenaar {

namespace {

int logFd = -1;
bool failed = false;

std::string& logPath() {
  static std::string path = kLogFileName;
  return path;
}

// `what` is "aangemaakt" (created) or "geschreven" (written); `error` is
// the errno value of the failure.
void reportFailure(const char* what, int error) {
  if (!failed) {
    std::string message = "Fout: logbestand ";
    message.append(logPath())
        .append(" kan niet worden ")
        .append(what)
        .append(": ")
        .append(errorReason(error))
        .append(".\n");
    std::fwrite(message.data(), 1, message.size(), stderr);
  }
  failed = true;
}

// Writes all of `text`, continuing after a short write or EINTR.
bool writeAll(std::string_view text) {
  while (!text.empty()) {
    ssize_t n = ::write(logFd, text.data(), text.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

void setLogPath(std::string_view path) { logPath() = path; }

void log(std::string_view text) {
  if (failed) return;
  if (logFd < 0) {
    // As fopen(path, "w+") opens it.
    logFd = ::open(logPath().c_str(), O_RDWR | O_CREAT | O_TRUNC, 0666);
    if (logFd < 0) {
      reportFailure("aangemaakt", errno);
      return;
    }
  }
  if (!writeAll(text)) reportFailure("geschreven", errno);
}

bool closeLog() {
  if (logFd >= 0) {
    bool closed = ::close(logFd) == 0 || errno == EINTR;
    logFd = -1;
    if (!closed) reportFailure("geschreven", errno);
  }
  return !failed;
}

bool logFailed() { return failed; }

}  // namespace morfenaar
