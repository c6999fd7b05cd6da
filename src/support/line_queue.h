// LineQueue: hands lines from the thread that makes them to a thread of
// its own that writes them, so that the run goes on with the next verb
// while the system writes the last one's log lines.
//
// One thread pushes, the queue's own thread takes the lines in the order
// they were pushed and gives each, whole, to the write function (one call
// per line). sync() waits until every line pushed so far has been written;
// after it returns, and until the next push, the pushing thread may touch
// whatever the write function touches. A line too long for the queue is
// written by push() itself, after a sync(), so no line has a length limit.
//
// A thread that has to wait spins for a few microseconds, then gives its
// processor away for a while with each look, and then sleeps until the
// other wakes it, so that neither burns a core while the other is busy for
// long (an interactive run waiting for its next line, say).
//
// Two threads only pay when each has a processor. On a machine busy with
// other work they would stand in each other's way, a sync waiting for a
// queue thread that the system keeps off the processor; when the pusher
// sees that again and again (slow syncs, slow yields), it stops using the
// queue's thread and writes every further line itself, at once.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string_view>
#include <thread>

namespace morfenaar {

class LineQueue {
 public:
  // Writes one line, given in two pieces that follow each other.
  using WriteLine = void (*)(std::string_view first, std::string_view second);

  // The queue holds up to `bytes` bytes (rounded up to a power of two) of
  // lines and their lengths; a line of more than half of that is written
  // by push() itself.
  explicit LineQueue(WriteLine write, std::size_t bytes = kDefaultBytes);
  ~LineQueue();  // writes what is left, then ends the thread
  LineQueue(const LineQueue&) = delete;
  LineQueue& operator=(const LineQueue&) = delete;

  // Queues the line `first` + `second`, waiting for room when the queue is full.
  void push(std::string_view first, std::string_view second = {});
  // Queues several lines, each written on its own; the writer is told of
  // them once, which costs less than one push() each.
  void push(std::span<const std::string_view> lines);
  // Waits until every line pushed so far has been written.
  void sync();

  static constexpr std::size_t kDefaultBytes = std::size_t{1} << 18;

 private:
  static constexpr std::size_t kLengthBytes = sizeof(std::uint32_t);
  // Each thread's own counters on cache lines of their own, so that one
  // thread's stores do not take the other's line away from it.
  static constexpr std::size_t kCacheLine = 64;

  // Queues the line without telling the writer, or writes it at once:
  // once writing directly, or when it is too long for the ring.
  void add(std::string_view first, std::string_view second);
  // Copies the line into the ring without telling the writer; false when
  // it is too long for the ring (it is then written at once, in its turn).
  bool stage(std::string_view first, std::string_view second);
  void publish();
  void put(std::uint64_t at, const char* from, std::size_t size);
  // The writer thread: writes lines until stopped and empty.
  void drain();
  // Waits until the writer has written everything up to `written`.
  void waitUntilWritten(std::uint64_t written);
  // The writer waits for lines after `written`; false when it must stop.
  bool waitForLines(std::uint64_t written, std::uint64_t& end);
  void wakeWriter();

  WriteLine write_;
  const std::size_t size_;  // a power of two
  std::unique_ptr<char[]> ring_;
  // Byte counts since the start, never wrapped: what the pusher has
  // pushed (its own copy, and the published one that the writer reads)
  // and what the writer has written. Positions in the ring are these
  // modulo size_.
  alignas(kCacheLine) std::uint64_t pushed_ = 0;
  std::uint64_t writtenSeen_ = 0;  // the pusher's last look at written_
  // What the pusher has seen of a machine busy with other work (see
  // sync()): since the last sync, and at each of the last 32; once it is
  // sure, it writes every line itself.
  bool busy_ = false;
  std::uint32_t busyHistory_ = 0;
  bool direct_ = false;
  alignas(kCacheLine) std::atomic<std::uint64_t> published_{0};
  alignas(kCacheLine) std::atomic<std::uint64_t> written_{0};
  // Set by a thread just before it sleeps, so that the other wakes it.
  alignas(kCacheLine) std::atomic<bool> writerSleeps_{false};
  std::atomic<bool> pusherSleeps_{false};
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::condition_variable linesCame_;
  std::condition_variable linesWritten_;
  std::thread thread_;
};

}  // namespace morfenaar
