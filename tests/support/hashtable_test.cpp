#include "support/hashtable.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace morfenaar {
namespace {

using Strings = std::vector<std::string_view>;

// A temporary file holding `content`, open for reading from the start.
class TempFile {
 public:
  explicit TempFile(const std::string& content) : file_(std::tmpfile()) {
    std::fwrite(content.data(), 1, content.size(), file_);
    std::rewind(file_);
  }
  ~TempFile() { std::fclose(file_); }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  std::FILE* get() const { return file_; }

 private:
  std::FILE* file_;
};

TEST(HashtableTest, IndexOfIsTheLowerBound) {
  Hashtable empty;
  EXPECT_EQ(empty.indexOf("x"), 0);

  Hashtable one;
  one.put("m", "1");
  EXPECT_EQ(one.indexOf("a"), 0);
  EXPECT_EQ(one.indexOf("m"), 0);
  EXPECT_EQ(one.indexOf("z"), 1);

  Hashtable many;
  for (const char* k : {"b", "d", "f", "h", "j", "l", "n"}) many.put(k, k);
  const struct {
    const char* key;
    int at;
  } cases[] = {{"a", 0}, {"b", 0}, {"c", 1}, {"d", 1}, {"g", 3},
               {"j", 4}, {"k", 5}, {"n", 6}, {"o", 7}, {"", 0}};
  for (const auto& c : cases) EXPECT_EQ(many.indexOf(c.key), c.at) << c.key;
}

TEST(HashtableTest, KeysComeOutSorted) {
  Hashtable t;
  t.put("c", "3");
  t.put("a", "1");
  t.put("b", "2");
  EXPECT_EQ(t.keys(), (Strings{"a", "b", "c"}));
  EXPECT_EQ(t.values(), (Strings{"1", "2", "3"}));
  EXPECT_EQ(t.count(), 3);
}

TEST(HashtableTest, KeysCompareAsUnsignedBytes) {
  Hashtable t;
  t.put("a\xE9", "high");
  t.put("az", "z");
  t.put("a", "short");
  t.put("b", "b");
  // "a" before its extensions; the byte 0xE9 after every ASCII letter.
  EXPECT_EQ(t.keys(), (Strings{"a", "az", "a\xE9", "b"}));
}

TEST(HashtableTest, PutReplacesValueInPlace) {
  Hashtable t;
  t.put("x", "old");
  t.put("y", "other");
  t.put("x", "new");
  EXPECT_EQ(t.count(), 2);
  ASSERT_NE(t.get("x"), nullptr);
  EXPECT_EQ(*t.get("x"), "new");
  EXPECT_EQ(t.indexOf("x"), 0);
}

TEST(HashtableTest, GetAndContainsOfMissingKey) {
  Hashtable t;
  EXPECT_EQ(t.get("x"), nullptr);
  EXPECT_FALSE(t.contains("x"));
  t.put("x", "");
  ASSERT_NE(t.get("x"), nullptr);
  EXPECT_EQ(*t.get("x"), "");  // an empty value is still a value
  EXPECT_TRUE(t.contains("x"));
  EXPECT_FALSE(t.contains("xx"));
  EXPECT_FALSE(t.contains(""));
}

TEST(HashtableTest, GetFindsKeysOfEveryLengthAndFirstByte) {
  const std::string at62(62, 'q');
  const std::string at63(63, 'q');
  const std::string at64(64, 'q');
  const std::string at200(200, 'q');
  Hashtable t;
  for (const std::string& key : {std::string("ga"), std::string("kom"), std::string("\xE9t"),
                                 std::string(""), at63, at200}) {
    t.put(key, key + "!");
  }
  const struct {
    std::string key;
    const char* value;  // null: absent
  } cases[] = {
      {"ga", "ga!"},
      {"kom", "kom!"},
      {"\xE9t", "\xE9t!"},
      {"", "!"},
      // Same length as a key, other first byte; same first byte, other length.
      {"gb", nullptr},
      {"ka", nullptr},
      {"\xE8t", nullptr},
      {"g", nullptr},
      {"gaa", nullptr},
      {"komm", nullptr},
      // Long keys: 63 and longer share a length, but only equal keys match.
      {at62, nullptr},
      {at64, nullptr},
      {std::string(201, 'q'), nullptr},
  };
  for (const auto& c : cases) {
    const std::string* got = t.get(c.key);
    if (c.value == nullptr) {
      EXPECT_EQ(got, nullptr) << c.key.size() << " bytes";
      EXPECT_FALSE(t.contains(c.key)) << c.key.size() << " bytes";
    } else {
      ASSERT_NE(got, nullptr) << c.key;
      EXPECT_EQ(*got, c.value);
    }
  }
  EXPECT_EQ(*t.get(at63), at63 + "!");
  EXPECT_EQ(*t.get(at200), at200 + "!");
  // After init the keys of before are gone, whatever their length.
  t.init(nullptr);
  t.put("ga", "x");
  EXPECT_EQ(t.get("kom"), nullptr);
  EXPECT_EQ(t.get(""), nullptr);
  EXPECT_EQ(t.get(at200), nullptr);
}

TEST(HashtableTest, CapacityDoubles) {
  Hashtable t;
  EXPECT_EQ(t.capacity(), 1);
  const int expected[] = {1, 2, 4, 4, 8, 8, 8, 8, 16};
  const char* keys[] = {"a", "b", "c", "d", "e", "f", "g", "h", "i"};
  for (int i = 0; i < 9; ++i) {
    t.put(keys[i], "v");
    EXPECT_EQ(t.capacity(), expected[i]) << "after " << i + 1 << " keys";
  }
  // Replacing a value never grows the map.
  t.put("a", "w");
  EXPECT_EQ(t.capacity(), 16);
  EXPECT_EQ(t.count(), 9);
}

TEST(HashtableTest, AddCopiesAllEntries) {
  Hashtable a;
  a.put("k", "a");
  a.put("m", "a");
  Hashtable b;
  b.put("k", "b");
  b.put("z", "b");
  a.add(b);
  EXPECT_EQ(a.keys(), (Strings{"k", "m", "z"}));
  EXPECT_EQ(a.values(), (Strings{"b", "a", "b"}));
  EXPECT_EQ(b.count(), 2);  // the other map is only read
}

struct LoadCase {
  const char* name;
  std::string content;
  char marker;
  Strings keys;
  Strings values;
};

TEST(HashtableTest, LoadsFiles) {
  const LoadCase cases[] = {
      {"first occurrence wins", "k\tfirst\nk\tsecond\n", '\0', {"k"}, {"first"}},
      {"line without TAB", "whole line\n", '\0', {"whole line"}, {""}},
      {"two TABs", "k\tv\tignored\n", '\0', {"k"}, {"v"}},
      {"CR stays", "k\tv\r\n", '\0', {"k"}, {"v\r"}},
      {"last line without LF", "a\t1\nb\t2", '\0', {"a", "b"}, {"1", "2"}},
      {"marker", "#a\t1\nb\t2\n#c\t3\n", '#', {"a", "c"}, {"1", "3"}},
      {"empty line", "\n", '\0', {""}, {""}},
      {"empty file", "", '\0', {}, {}},
  };
  for (const auto& c : cases) {
    TempFile file(c.content);
    Hashtable t = c.marker != '\0' ? Hashtable(file.get(), c.marker) : Hashtable(file.get());
    EXPECT_EQ(t.keys(), c.keys) << c.name;
    EXPECT_EQ(t.values(), c.values) << c.name;
  }
}

TEST(HashtableTest, LongLinesLoadWhole) {
  std::string key(5000, 'k');
  std::string value(3000, 'v');
  TempFile file(key + "\t" + value + "\n");
  Hashtable t(file.get());
  ASSERT_EQ(t.count(), 1);
  ASSERT_NE(t.get(key), nullptr);
  EXPECT_EQ(*t.get(key), value);
}

TEST(HashtableTest, InitEmptiesTheMap) {
  Hashtable t;
  t.put("a", "1");
  t.put("b", "2");
  t.put("c", "3");
  t.init(nullptr);
  EXPECT_EQ(t.count(), 0);
  EXPECT_EQ(t.capacity(), 1);
  EXPECT_EQ(t.get("a"), nullptr);
}

}  // namespace
}  // namespace morfenaar
