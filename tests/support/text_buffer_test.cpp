#include "support/text_buffer.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace morfenaar {
namespace {

// Room taken past the capacity moves the bytes already written, and a
// block written into less room than it took is cut back to what it wrote.
TEST(TextBufferTest, GrowingKeepsWhatWasWritten) {
  TextBuffer buffer(4);
  buffer.append("abc");
  char* at = buffer.grow(10);  // past the capacity of 4
  const std::string_view written = "defg";
  written.copy(at, written.size());
  buffer.setSize(7);
  EXPECT_EQ(buffer.view(), "abcdefg");
  buffer.append("");
  EXPECT_EQ(buffer.size(), 7u);
}

TEST(TextBufferTest, ManySmallAppendsAndClear) {
  TextBuffer buffer;
  EXPECT_TRUE(buffer.empty());
  std::string expected;
  for (int i = 0; i < 1000; ++i) {
    std::string piece(static_cast<std::size_t>(i % 7), static_cast<char>('a' + i % 26));
    buffer.append(piece);
    expected += piece;
  }
  EXPECT_EQ(buffer.view(), expected);
  const char* storage = buffer.data();
  buffer.clear();
  EXPECT_TRUE(buffer.empty());
  buffer.append("x");
  EXPECT_EQ(buffer.view(), "x");
  EXPECT_EQ(buffer.data(), storage);  // the storage is kept for reuse
}

}  // namespace
}  // namespace morfenaar
