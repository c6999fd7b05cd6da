#include "support/line_queue.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace morfenaar {
namespace {

// What the queue's thread wrote, one entry per call of the write
// function; read by the test only after a sync() or the queue's end.
std::vector<std::string> written;
std::thread::id writerThread;
std::vector<std::thread::id> writers;  // the thread of each call
std::chrono::microseconds writeTime{0};

void collect(std::string_view first, std::string_view second) {
  std::this_thread::sleep_for(writeTime);
  written.emplace_back(std::string(first).append(second));
  writerThread = std::this_thread::get_id();
  writers.push_back(writerThread);
}

class LineQueueTest : public testing::Test {
 protected:
  void SetUp() override {
    written.clear();
    writers.clear();
    writeTime = std::chrono::microseconds(0);
  }
};

// Lines of 1 to 40 bytes, each holding its own number, so that a line
// cut, joined or out of place shows.
std::vector<std::string> numberedLines(int count) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    lines.push_back(std::to_string(i) + std::string(static_cast<std::size_t>(i % 37), 'x') + "\n");
  }
  return lines;
}

TEST_F(LineQueueTest, LinesComeOutWholeAndInOrderAcrossTheEndOfTheRing) {
  // A ring of 64 bytes: most lines wrap around its end at some point,
  // and the pusher often waits for room.
  const std::vector<std::string> lines = numberedLines(500);
  {
    LineQueue queue(collect, 64);
    for (const std::string& line : lines) queue.push(line);
    queue.sync();
    EXPECT_EQ(written, lines);
    EXPECT_NE(writerThread, std::this_thread::get_id());
  }
  EXPECT_EQ(written, lines);
}

TEST_F(LineQueueTest, TwoPiecesMakeOneLine) {
  LineQueue queue(collect, 64);
  queue.push("\t", "heb gelopen\n");
  queue.push("", "\n");
  queue.push("lopen", "");
  queue.push("", "");
  queue.sync();
  EXPECT_EQ(written, (std::vector<std::string>{"\theb gelopen\n", "\n", "lopen", ""}));
}

TEST_F(LineQueueTest, SeveralLinesAtOnceAreWrittenOneByOne) {
  const std::vector<std::string_view> lines = {"a / b\n", "\tc\n", "", "\t\t\te\n"};
  LineQueue queue(collect, 64);
  queue.push("eerst\n");
  queue.push(lines);
  queue.sync();
  EXPECT_EQ(written, (std::vector<std::string>{"eerst\n", "a / b\n", "\tc\n", "", "\t\t\te\n"}));
}

TEST_F(LineQueueTest, LineTooLongForTheRingIsWrittenInItsTurn) {
  // Half of the 64-byte ring, less the four bytes of the length, is the
  // longest line the ring holds.
  const std::string fits(28, 'a');
  const std::string tooLong(29, 'b');
  const std::string huge(100000, 'c');
  const std::vector<std::string_view> batch = {"voor\n", huge, "na\n"};
  {
    LineQueue queue(collect, 64);
    queue.push("1\n");
    queue.push(fits);
    queue.push(tooLong);
    queue.push("2\n");
    queue.push(batch);
    queue.push("3\n");
    queue.sync();
  }
  EXPECT_EQ(written,
            (std::vector<std::string>{"1\n", fits, tooLong, "2\n", "voor\n", huge, "na\n", "3\n"}));
}

TEST_F(LineQueueTest, SyncWaitsForASlowWriter) {
  writeTime = std::chrono::microseconds(200);
  const std::vector<std::string> lines = numberedLines(40);
  LineQueue queue(collect, 1024);
  for (const std::string& line : lines) queue.push(line);
  queue.sync();
  EXPECT_EQ(written, lines);
  // Again after the writer has had time to fall asleep.
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  queue.push("later\n");
  queue.sync();
  ASSERT_EQ(written.size(), lines.size() + 1);
  EXPECT_EQ(written.back(), "later\n");
}

// A writer that needs milliseconds a line makes every sync wait long,
// as a queue thread kept off the processor would: after a few such syncs
// the pusher writes the lines itself, in their turn.
TEST_F(LineQueueTest, PusherWritesItselfAfterSlowSyncs) {
  writeTime = std::chrono::microseconds(1500);
  const std::vector<std::string> lines = numberedLines(8);
  LineQueue queue(collect, 1024);
  for (const std::string& line : lines) {
    queue.push(line);
    queue.sync();
  }
  EXPECT_EQ(written, lines);
  ASSERT_EQ(writers.size(), lines.size());
  EXPECT_NE(writers.front(), std::this_thread::get_id());
  EXPECT_EQ(writers.back(), std::this_thread::get_id());
  // Written at once from now on, also several lines together.
  writeTime = std::chrono::microseconds(0);
  const std::vector<std::string_view> more = {"na\n", "", "einde\n"};
  queue.push(more);
  ASSERT_EQ(written.size(), lines.size() + 3);
  EXPECT_EQ(written.back(), "einde\n");
  EXPECT_EQ(writers.back(), std::this_thread::get_id());
}

TEST_F(LineQueueTest, EndOfTheQueueWritesWhatIsLeft) {
  writeTime = std::chrono::microseconds(200);
  const std::vector<std::string> lines = numberedLines(30);
  {
    LineQueue queue(collect);
    for (const std::string& line : lines) queue.push(line);
  }
  EXPECT_EQ(written, lines);
}

TEST_F(LineQueueTest, QueueWithNothingPushedEndsAtOnce) {
  { LineQueue queue(collect); }
  {
    LineQueue queue(collect);
    queue.sync();
  }
  EXPECT_TRUE(written.empty());
}

}  // namespace
}  // namespace morfenaar
