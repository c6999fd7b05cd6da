#include "support/log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "common/text.h"

namespace morfenaar {
namespace {

namespace fs = std::filesystem;

using testing::readFile;

// The log is one per process, so its whole life is one test: it runs in a
// fresh directory that holds an old log file.
TEST(LogTest, EmptiesOldFileOnFirstTextAndWritesEachAtOnce) {
  fs::path dir = fs::temp_directory_path() / ("morfenaar-log-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  fs::path old = fs::current_path();
  fs::current_path(dir);
  { std::ofstream(kLogFileName) << "old content\n"; }

  EXPECT_EQ(readFile(kLogFileName), "old content\n");  // nothing logged yet
  log("100% zeker %s / ");
  EXPECT_EQ(readFile(kLogFileName), "100% zeker %s / ");  // in the file at once
  log("lopen\n\theb gelopen\n");
  EXPECT_EQ(readFile(kLogFileName), "100% zeker %s / lopen\n\theb gelopen\n");
  EXPECT_TRUE(closeLog());
  EXPECT_FALSE(logFailed());
  EXPECT_EQ(readFile(kLogFileName), "100% zeker %s / lopen\n\theb gelopen\n");

  fs::current_path(old);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace morfenaar
