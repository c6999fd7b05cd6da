#include "support/hashtable.h"

#include <cstdlib>
#include <utility>

namespace morfenaar {

namespace {

// Byte-wise comparison with bytes taken as unsigned values: negative, zero
// or positive like strcmp. The keys are short (person codes, stems), so a
// plain loop beats a call to memcmp.
int compareBytes(std::string_view a, std::string_view b) {
  std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    auto x = static_cast<unsigned char>(a[i]);
    auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace

Hashtable::Hashtable() { init(nullptr); }

Hashtable::Hashtable(std::FILE* file) { init(file); }

Hashtable::Hashtable(std::FILE* file, char marker) { init(file, marker); }

void Hashtable::init(std::FILE* file, char marker) {
  capacity_ = 1;
  count_ = 0;
  keys_.assign(1, std::string());
  values_.assign(1, std::string());
  if (file == nullptr) return;

  char* line = nullptr;
  size_t size = 0;
  ssize_t got;
  while ((got = getline(&line, &size, file)) != -1) {
    loadLine(std::string_view(line, static_cast<size_t>(got)), marker);
  }
  std::free(line);
}

void Hashtable::loadLine(std::string_view line, char marker) {
  // A NUL byte ends the line's text, as it would end a C string.
  line = line.substr(0, line.find('\0'));
  if (marker != '\0') {
    if (line.empty() || line.front() != marker) return;
    line.remove_prefix(1);
  }
  std::string_view key = line;
  std::string_view value;
  auto firstTab = line.find('\t');
  auto lf = line.find('\n');
  if (firstTab != std::string_view::npos && (lf == std::string_view::npos || firstTab < lf)) {
    key = line.substr(0, firstTab);
    value = line.substr(firstTab + 1);
    auto end = value.find_first_of("\t\n");
    if (end != std::string_view::npos) value = value.substr(0, end);
  } else if (lf != std::string_view::npos) {
    key = line.substr(0, lf);
  }
  if (!contains(key)) put(key, value);
}

int Hashtable::indexOf(std::string_view key) const {
  int lo = 0;
  int hi = count_ - 1;
  if (hi < lo) return 0;
  while (hi - lo > 1) {
    int mid = lo + (hi - lo) / 2;
    if (compareBytes(key, keys_[mid]) > 0) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  if (compareBytes(key, keys_[lo]) <= 0) return lo;
  if (compareBytes(key, keys_[hi]) <= 0) return hi;
  return hi + 1;
}

bool Hashtable::contains(std::string_view key) const { return get(key) != nullptr; }

const std::string* Hashtable::get(std::string_view key) const {
  int at = indexOf(key);
  if (at < count_ && compareBytes(keys_[at], key) == 0) return &values_[at];
  return nullptr;
}

void Hashtable::put(std::string_view key, std::string_view value) {
  int at = indexOf(key);
  if (at < count_ && keys_[at] == key) {
    values_[at] = std::string(value);
    return;
  }
  if (count_ + 1 > capacity_) {
    capacity_ *= 2;
    keys_.resize(static_cast<size_t>(capacity_));
    values_.resize(static_cast<size_t>(capacity_));
  }
  for (int i = count_; i > at; --i) {
    keys_[i] = std::move(keys_[i - 1]);
    values_[i] = std::move(values_[i - 1]);
  }
  keys_[at] = std::string(key);
  values_[at] = std::string(value);
  ++count_;
}

void Hashtable::add(Hashtable other) {
  for (int i = 0; i < other.count_; ++i) put(other.keys_[i], other.values_[i]);
}

std::vector<std::string_view> Hashtable::keys() const {
  return {keys_.begin(), keys_.begin() + count_};
}

std::vector<std::string_view> Hashtable::values() const {
  return {values_.begin(), values_.begin() + count_};
}

}  // namespace morfenaar
