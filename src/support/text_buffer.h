// A growing run of bytes that the record writers append to. Unlike a
// std::string it makes room at its end without filling it first: a writer
// measures a block of records, takes room for all of it, writes it in place
// and then sets the size to what it wrote, so every byte is stored once.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace morfenaar {

class TextBuffer {
 public:
  TextBuffer() = default;
  explicit TextBuffer(std::size_t capacity) { reserve(capacity); }
  TextBuffer(const TextBuffer&) = delete;
  TextBuffer& operator=(const TextBuffer&) = delete;

  const char* data() const { return bytes_.get(); }
  char* data() { return bytes_.get(); }
  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  std::string_view view() const { return {bytes_.get(), size_}; }

  void clear() { size_ = 0; }

  // Room for at least `capacity` bytes in all, the present ones kept.
  void reserve(std::size_t capacity) {
    if (capacity <= capacity_) return;
    std::unique_ptr<char[]> larger = std::make_unique_for_overwrite<char[]>(capacity);
    if (size_ > 0) std::memcpy(larger.get(), bytes_.get(), size_);
    bytes_ = std::move(larger);
    capacity_ = capacity;
  }

  // Adds `n` bytes of unspecified value at the end and returns where they
  // start; the caller writes them (or fewer, then setSize).
  char* grow(std::size_t n) {
    if (n > capacity_ - size_) reserve(std::max(size_ + n, 2 * capacity_));
    char* const at = bytes_.get() + size_;
    size_ += n;
    return at;
  }

  // Drops the bytes from `size` on; `size` is at most size().
  void setSize(std::size_t size) { size_ = size; }

  void append(std::string_view text) {
    if (!text.empty()) std::memcpy(grow(text.size()), text.data(), text.size());
  }

 private:
  std::unique_ptr<char[]> bytes_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace morfenaar
