#include "support/log.h"

#include <cstdio>
#include <string>

namespace morfenaar {

namespace {

std::FILE* pfLog = nullptr;
bool failed = false;

std::string& logPath() {
  static std::string path = kLogFileName;
  return path;
}

// `what` is "aangemaakt" (created) or "geschreven" (written).
void reportFailure(const char* what) {
  if (!failed) {
    std::string message = "Fout: logbestand ";
    message.append(logPath()).append(" kan niet worden ").append(what).append(".\n");
    std::fwrite(message.data(), 1, message.size(), stderr);
  }
  failed = true;
}

}  // namespace

void setLogPath(std::string_view path) { logPath() = path; }

void log(std::string_view text) {
  if (failed) return;
  if (pfLog == nullptr) {
    pfLog = std::fopen(logPath().c_str(), "w+");
    if (pfLog == nullptr) {
      reportFailure("aangemaakt");
      return;
    }
  }
  if (std::fwrite(text.data(), 1, text.size(), pfLog) != text.size() || std::fflush(pfLog) != 0) {
    reportFailure("geschreven");
  }
}

void log(std::string_view first, std::string_view second) {
  std::string sLog;
  sLog.reserve(first.size() + second.size());
  sLog.append(first).append(second);
  log(sLog);
}

bool closeLog() {
  if (pfLog != nullptr) {
    bool flushed = std::fflush(pfLog) == 0;
    bool closed = std::fclose(pfLog) == 0;
    pfLog = nullptr;
    if (!flushed || !closed) {
      reportFailure("geschreven");
    }
  }
  return !failed;
}

bool logFailed() { return failed; }

}  // namespace morfenaar
