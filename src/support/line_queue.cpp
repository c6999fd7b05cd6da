#include "support/line_queue.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <cstring>

#include "support/strings.h"

namespace morfenaar {

namespace {

using Clock = std::chrono::steady_clock;

// How a thread waits for the other: first spinning for a moment (the
// other is usually about to be done), then giving its processor away for
// a while with each look (which lets the other run at once when both
// share one processor), and only then sleeping until woken. The writer
// waits longer than the run takes for a verb, so that in a busy run it
// never sleeps and the run never pays for waking it.
constexpr auto kSpin = std::chrono::microseconds(2);
constexpr auto kYield = std::chrono::microseconds(50);

inline void relax() {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_ia32_pause();
#endif
}

// A machine busy with other work shows in two ways: giving the processor
// away takes a while to come back, and the queue's thread, kept off the
// processor, falls behind by far more than the lines of a block of
// output. Then the threads only stand in each other's way.
constexpr auto kSlowYield = std::chrono::microseconds(200);
constexpr auto kLongWait = std::chrono::milliseconds(1);

// Waits until `done()`, spinning and then yielding; false when that took
// longer than kSpin and kYield together, or when a yield was slow (and
// then `busy` is set), and the caller should sleep.
template <class Done>
bool waitAwake(Done&& done, bool& busy) {
  const Clock::time_point start = Clock::now();
  // The clock is read once every few rounds: reading it costs more than
  // a look at the counters.
  for (;;) {
    for (int i = 0; i < 32; ++i) {
      if (done()) return true;
      relax();
    }
    if (Clock::now() - start >= kSpin) break;
  }
  for (;;) {
    for (int i = 0; i < 4; ++i) {
      if (done()) return true;
      const Clock::time_point before = Clock::now();
      std::this_thread::yield();
      if (Clock::now() - before >= kSlowYield) {
        busy = true;
        return done();
      }
    }
    if (Clock::now() - start >= kSpin + kYield) return done();
  }
}

std::size_t powerOfTwoFrom(std::size_t bytes) {
  std::size_t size = 16;
  while (size < bytes) size *= 2;
  return size;
}

}  // namespace

LineQueue::LineQueue(WriteLine write, std::size_t bytes)
    : write_(write), size_(powerOfTwoFrom(bytes)), ring_(new char[size_]) {
  thread_ = std::thread([this] { drain(); });
}

LineQueue::~LineQueue() {
  sync();
  stop_.store(true);
  wakeWriter();
  thread_.join();
}

void LineQueue::put(std::uint64_t at, const char* from, std::size_t size) {
  if (size == 0) return;  // an empty piece may have no data at all
  const auto start = static_cast<std::size_t>(at & (size_ - 1));
  const std::size_t first = std::min(size, size_ - start);
  std::memcpy(ring_.get() + start, from, first);
  std::memcpy(ring_.get(), from + first, size - first);
}

bool LineQueue::stage(std::string_view first, std::string_view second) {
  const std::size_t length = first.size() + second.size();
  if (length > size_ / 2 - kLengthBytes) return false;
  const std::uint64_t need = kLengthBytes + length;
  if (pushed_ + need - writtenSeen_ > size_) {
    writtenSeen_ = written_.load();
    if (pushed_ + need - writtenSeen_ > size_) {
      // The ring is full: the lines so far go to the writer, and this
      // thread waits until a quarter of the ring is free, rather than
      // for each line's worth of room.
      publish();
      waitUntilWritten(pushed_ + need - size_ + size_ / 4);
      writtenSeen_ = written_.load();
    }
  }
  const auto count = static_cast<std::uint32_t>(length);
  const auto start = static_cast<std::size_t>(pushed_ & (size_ - 1));
  if (start + need <= size_) {
    // The usual case: the line goes in whole, before the end of the ring.
    char* at = ring_.get() + start;
    std::memcpy(at, &count, kLengthBytes);
    at = copyBytes(at + kLengthBytes, first.data(), first.size());
    copyBytes(at, second.data(), second.size());
  } else {
    char header[kLengthBytes];
    std::memcpy(header, &count, kLengthBytes);
    put(pushed_, header, kLengthBytes);
    put(pushed_ + kLengthBytes, first.data(), first.size());
    put(pushed_ + kLengthBytes + first.size(), second.data(), second.size());
  }
  pushed_ += need;
  return true;
}

void LineQueue::publish() {
  if (published_.load(std::memory_order_relaxed) == pushed_) return;
  // Sequentially consistent, as is the writer's announcement that it
  // sleeps: either the writer sees these lines before it sleeps, or this
  // thread sees that it sleeps and wakes it.
  published_.store(pushed_);
  if (writerSleeps_.load()) wakeWriter();
}

void LineQueue::add(std::string_view first, std::string_view second) {
  if (direct_) {
    write_(first, second);
  } else if (!stage(first, second)) {
    sync();
    write_(first, second);
  }
}

void LineQueue::push(std::string_view first, std::string_view second) {
  add(first, second);
  publish();
}

void LineQueue::push(std::span<const std::string_view> lines) {
  for (std::string_view line : lines) add(line, {});
  publish();
}

void LineQueue::sync() {
  if (direct_) return;  // every line is written at once
  publish();
  waitUntilWritten(pushed_);
  // On a busy machine the lines are written by the pusher from now on, at
  // once, as if there were no queue; its thread sleeps until the end. One
  // slow wait is not enough to tell (the first line, which creates the
  // file, can take milliseconds to empty an old log): four of the last 32
  // syncs are.
  busyHistory_ = busyHistory_ << 1 | (busy_ ? 1U : 0U);
  busy_ = false;
  if (std::popcount(busyHistory_) >= 4) direct_ = true;
}

void LineQueue::wakeWriter() {
  // Taking the lock orders the wake-up after the writer's last look at
  // the counters, or before it: it cannot fall in between.
  { std::lock_guard<std::mutex> lock(mutex_); }
  linesCame_.notify_one();
}

void LineQueue::waitUntilWritten(std::uint64_t written) {
  auto done = [&] { return written_.load(std::memory_order_acquire) >= written; };
  if (waitAwake(done, busy_)) return;
  const Clock::time_point start = Clock::now();
  std::unique_lock<std::mutex> lock(mutex_);
  pusherSleeps_.store(true);
  linesWritten_.wait(lock, [&] { return written_.load() >= written; });
  pusherSleeps_.store(false);
  if (Clock::now() - start >= kLongWait) busy_ = true;
}

bool LineQueue::waitForLines(std::uint64_t written, std::uint64_t& end) {
  auto came = [&] {
    end = published_.load(std::memory_order_acquire);
    return end != written || stop_.load(std::memory_order_relaxed);
  };
  bool busy = false;
  if (!waitAwake(came, busy)) {
    std::unique_lock<std::mutex> lock(mutex_);
    writerSleeps_.store(true);
    linesCame_.wait(lock, [&] {
      end = published_.load();
      return end != written || stop_.load();
    });
    writerSleeps_.store(false);
  }
  // Lines before a stop are written first.
  return end != written || !stop_.load();
}

void LineQueue::drain() {
  std::uint64_t written = 0;
  std::uint64_t end = 0;
  while (waitForLines(written, end)) {
    while (written != end) {
      std::uint32_t length = 0;
      char header[kLengthBytes];
      for (std::size_t i = 0; i < kLengthBytes; ++i) {
        header[i] = ring_[static_cast<std::size_t>((written + i) & (size_ - 1))];
      }
      std::memcpy(&length, header, kLengthBytes);
      // A line that runs past the end of the ring goes on at its start.
      const auto start = static_cast<std::size_t>((written + kLengthBytes) & (size_ - 1));
      const std::size_t first = std::min<std::size_t>(length, size_ - start);
      write_(std::string_view(ring_.get() + start, first),
             std::string_view(ring_.get(), length - first));
      written += kLengthBytes + length;
      written_.store(written);
      if (pusherSleeps_.load()) {
        { std::lock_guard<std::mutex> lock(mutex_); }
        linesWritten_.notify_one();
      }
    }
  }
}

}  // namespace morfenaar
