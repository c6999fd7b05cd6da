#include "support/log.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/uio.h>
#include <unistd.h>
#include <utility>

#include "support/error_reason.h"
#include "support/line_queue.h"

namespace morfenaar {

namespace {

int logFd = -1;
bool failed = false;

std::string& logPath() {
  static std::string path = kLogFileName;
  return path;
}

// The queue of lines once the log writes in the background; none before.
std::unique_ptr<LineQueue>& queue() {
  static std::unique_ptr<LineQueue> lines;
  return lines;
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

// Writes `first` + `second` with one call (more only when the system
// takes part of it), so that the line is in the file when this returns.
bool writeWhole(std::string_view first, std::string_view second) {
  if (second.empty()) std::swap(first, second);
  if (first.empty()) {
    // One piece, the usual line: a plain write.
    while (!second.empty()) {
      ssize_t n = ::write(logFd, second.data(), second.size());
      if (n < 0) {
        if (errno == EINTR) continue;
        return false;
      }
      second.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
  }
  iovec pieces[2] = {{const_cast<char*>(first.data()), first.size()},
                     {const_cast<char*>(second.data()), second.size()}};
  iovec* piece = pieces;
  int count = 2;
  while (count > 0) {
    if (piece->iov_len == 0) {
      ++piece;
      --count;
      continue;
    }
    ssize_t n = ::writev(logFd, piece, count);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    auto done = static_cast<std::size_t>(n);
    while (count > 0 && done >= piece->iov_len) {
      done -= piece->iov_len;
      ++piece;
      --count;
    }
    if (count > 0) {
      piece->iov_base = static_cast<char*>(piece->iov_base) + done;
      piece->iov_len -= done;
    }
  }
  return true;
}

// One line into the file, which the run's first line creates (emptying
// an old one). Runs in the queue's thread once the log writes in the
// background, else in the caller's.
void writeLine(std::string_view first, std::string_view second) {
  if (failed) return;
  if (logFd < 0) {
    // As fopen(path, "w+") opens it.
    logFd = ::open(logPath().c_str(), O_RDWR | O_CREAT | O_TRUNC, 0666);
    if (logFd < 0) {
      reportFailure("aangemaakt", errno);
      return;
    }
  }
  if (!writeWhole(first, second)) reportFailure("geschreven", errno);
}

}  // namespace

void setLogPath(std::string_view path) { logPath() = path; }

void writeLogInBackground() {
  if (!queue()) queue() = std::make_unique<LineQueue>(writeLine);
}

void log(std::string_view text) { log(text, {}); }

void log(std::string_view first, std::string_view second) {
  if (queue()) {
    queue()->push(first, second);
  } else {
    writeLine(first, second);
  }
}

void log(std::span<const std::string_view> lines) {
  if (queue()) {
    queue()->push(lines);
  } else {
    for (std::string_view line : lines) writeLine(line, {});
  }
}

void syncLog() {
  if (queue()) queue()->sync();
}

bool closeLog() {
  queue().reset();  // every queued line written, the thread ended
  if (logFd >= 0) {
    bool closed = ::close(logFd) == 0 || errno == EINTR;
    logFd = -1;
    if (!closed) reportFailure("geschreven", errno);
  }
  return !failed;
}

bool logFailed() {
  syncLog();
  return failed;
}

}  // namespace morfenaar
