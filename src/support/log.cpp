#include "support/log.h"

#include <cstdio>
#include <string>

namespace morfenaar {

namespace {

std::FILE* pfLog = nullptr;
bool failed = false;

void reportFailure(const char* message) {
  if (!failed) std::fputs(message, stderr);
  failed = true;
}

}  // namespace

void log(std::string_view text) {
  if (failed) return;
  if (pfLog == nullptr) {
    pfLog = std::fopen(kLogFileName, "w+");
    if (pfLog == nullptr) {
      reportFailure("Fout: logbestand morfenaar.log kan niet worden aangemaakt.\n");
      return;
    }
  }
  if (std::fwrite(text.data(), 1, text.size(), pfLog) != text.size() ||
      std::fflush(pfLog) != 0) {
    reportFailure("Fout: logbestand morfenaar.log kan niet worden geschreven.\n");
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
      reportFailure("Fout: logbestand morfenaar.log kan niet worden geschreven.\n");
    }
  }
  return !failed;
}

bool logFailed() { return failed; }

}  // namespace morfenaar
