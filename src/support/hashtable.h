// Hashtable: the program's string-to-string map. Despite its name it does no
// hashing: it keeps its keys sorted (byte-wise, bytes compared as unsigned
// values) in two parallel arrays and finds them by binary search. Capacity
// starts at one slot and doubles whenever an insertion needs more. A map can
// also be loaded from a tab-separated text file, where the first occurrence
// of a key wins.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace morfenaar {

class Hashtable {
 public:
  // An empty map with one slot.
  Hashtable();
  // A map loaded from the whole of `file`.
  explicit Hashtable(std::FILE* file);
  // A map loaded from the lines of `file` that begin with `marker`.
  Hashtable(std::FILE* file, char marker);

  // Empties the map (one slot) and, when `file` is not null, loads it: one
  // entry per line, key TAB value; with a marker other than NUL only lines
  // beginning with the marker count, and the marker is not part of the key.
  // The file stays open; it belongs to the caller.
  void init(std::FILE* file, char marker = '\0');

  // Position of `key` if present, else the position where it would go.
  int indexOf(std::string_view key) const;
  bool contains(std::string_view key) const;
  // The stored value, or null when `key` is absent.
  const std::string* get(std::string_view key) const;
  // Inserts the pair, or replaces the value of an existing key.
  void put(std::string_view key, std::string_view value);
  // Puts every entry of `other` into this map, in `other`'s key order.
  void add(Hashtable other);

  // The map's keys and values, in key order.
  std::vector<std::string_view> keys() const;
  std::vector<std::string_view> values() const;

  int capacity() const { return capacity_; }
  int count() const { return count_; }

 private:
  void loadLine(std::string_view line, char marker);

  int capacity_ = 1;
  int count_ = 0;
  std::vector<std::string> keys_;
  std::vector<std::string> values_;
};

}  // namespace morfenaar
