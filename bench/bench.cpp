// Whole-program benchmark of morfenaar, measured beside its I/O floor.
//
// Builds a verb list of N entries (default 100,000) from the sample list
// data/verbs.tsv: the sample entries are repeated in order, and every
// repetition after the first swaps the plain consonants of each root for
// others, so that the list covers every class and weak-root shape with many
// different roots while staying valid input (--verbatim repeats the sample
// unchanged instead).
//
// One calibration run of the program, with standard output to a file,
// measures its bytes per entry on standard output and its log lines per
// entry and bytes per log line. Then the program and the floor
// (morfenaar_floor, which does only that I/O: see floor.c) run alternately
// P times each (default 5 pairs, the first of each pair alternating), in a
// fresh temporary directory with the list on standard input and standard
// output going to /dev/null. It prints every run and, for both, the median
// wall, user and system time, entries per second and peak resident memory
// (from wait4's rusage), the ratio of the two wall-clock medians, and the
// medians of processor time (user and system together) with their ratio.
// The program, like the floor, runs one thread. Last, the program runs once
// on the first 1,000 entries, to show that its peak memory does not grow
// with the input.
//
// Usage: morfenaar_bench [--entries N] [--pairs P] [--verbs FILE]
//                        [--binary FILE] [--floor FILE] [--keep-list FILE]
//                        [--verbatim]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Consonants that no form rule tests or writes by itself, so one can stand
// in for another without changing which pattern a root takes, except for
// the few whole-root special cases and the letter test of the plain qal
// future (which only decides whether two extra records are written).
constexpr std::string_view kPlain = "BGDZHKSPCQR";

constexpr long kSmallEntries = 1000;

struct Options {
  long entries = 100000;
  int pairs = 5;
  std::string verbs = std::string(MORFENAAR_SOURCE_DIR) + "/data/verbs.tsv";
  std::string binary = MORFENAAR_BINARY;
  std::string floor = MORFENAAR_FLOOR;
  std::string keepList;
  bool verbatim = false;
};

[[noreturn]] void usage(const char* why) {
  std::fprintf(stderr,
               "morfenaar_bench: %s\n"
               "usage: morfenaar_bench [--entries N] [--pairs P] [--verbs FILE]"
               " [--binary FILE] [--floor FILE] [--keep-list FILE] [--verbatim]\n",
               why);
  std::exit(2);
}

Options parseOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--verbatim") {
      o.verbatim = true;
      continue;
    }
    if (i + 1 >= argc) usage("option without value");
    std::string value = argv[++i];
    if (arg == "--entries") {
      o.entries = std::atol(value.c_str());
    } else if (arg == "--pairs" || arg == "--runs") {
      o.pairs = std::atoi(value.c_str());
    } else if (arg == "--verbs") {
      o.verbs = value;
    } else if (arg == "--binary") {
      o.binary = value;
    } else if (arg == "--floor") {
      o.floor = value;
    } else if (arg == "--keep-list") {
      o.keepList = value;
    } else {
      usage("unknown option");
    }
  }
  if (o.entries <= 0 || o.pairs <= 0) usage("--entries and --pairs must be positive");
  return o;
}

std::vector<std::string> readSample(const std::string& path) {
  std::ifstream in(path);
  if (!in) usage("cannot read the verb list");
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (line.size() > 2 && line.find('\t') != std::string::npos) lines.push_back(line);
  }
  if (lines.empty()) usage("the verb list holds no entries");
  return lines;
}

// The entry with the plain consonants of its root shifted by `shift`
// places in kPlain; the class digit, the separator and the gloss stay.
std::string varied(const std::string& line, long shift) {
  std::string out = line;
  std::size_t tab = out.find('\t');
  for (std::size_t i = 2; i < tab; ++i) {
    std::size_t at = kPlain.find(out[i]);
    if (at != std::string_view::npos) {
      out[i] = kPlain[(at + static_cast<std::size_t>(shift)) % kPlain.size()];
    }
  }
  return out;
}

std::string buildList(const std::vector<std::string>& sample, long entries, bool verbatim) {
  std::string list;
  list.reserve(static_cast<std::size_t>(entries) * 48);
  for (long i = 0; i < entries; ++i) {
    long round = verbatim ? 0 : i / static_cast<long>(sample.size());
    const std::string& line = sample[static_cast<std::size_t>(i) % sample.size()];
    list += varied(line, round % static_cast<long>(kPlain.size()));
    list += '\n';
  }
  return list;
}

struct Measure {
  double seconds = 0;
  double user = 0;
  double system = 0;
  long maxRssKb = 0;
  int status = -1;
  std::uintmax_t errBytes = 0;
};

double toSeconds(const timeval& t) {
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

// Runs `argv` in `dir` with `list` on standard input, standard output to
// `out` and standard error to the file "err" in `dir`.
Measure runOnce(const std::vector<std::string>& argv, const fs::path& dir, const fs::path& list,
                const fs::path& out) {
  fs::path err = dir / "err";
  std::vector<char*> args;
  args.reserve(argv.size() + 1);
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  auto start = std::chrono::steady_clock::now();
  pid_t pid = ::fork();
  if (pid < 0) {
    std::perror("fork");
    std::exit(2);
  }
  if (pid == 0) {
    if (::chdir(dir.c_str()) != 0) _exit(127);
    int in = ::open(list.c_str(), O_RDONLY);
    int fdOut = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int fdErr = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || fdOut < 0 || fdErr < 0) _exit(127);
    ::dup2(in, STDIN_FILENO);
    ::dup2(fdOut, STDOUT_FILENO);
    ::dup2(fdErr, STDERR_FILENO);
    ::execv(args[0], args.data());
    _exit(127);
  }
  int raw = 0;
  struct rusage usage {};
  if (::wait4(pid, &raw, 0, &usage) < 0) {
    std::perror("wait4");
    std::exit(2);
  }
  auto stop = std::chrono::steady_clock::now();
  Measure m;
  m.seconds = std::chrono::duration<double>(stop - start).count();
  m.user = toSeconds(usage.ru_utime);
  m.system = toSeconds(usage.ru_stime);
  m.maxRssKb = usage.ru_maxrss;
  m.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
  m.errBytes = fs::file_size(err);
  return m;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::uintmax_t countLines(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::uintmax_t lines = 0;
  char buffer[1 << 16];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    lines += static_cast<std::uintmax_t>(std::count(buffer, buffer + in.gcount(), '\n'));
  }
  return lines;
}

// The runs of one program over all pairs.
struct Series {
  const char* name;
  std::vector<std::string> argv;
  std::vector<double> wall, user, system, cpu;
  long maxRss = 0;
};

bool record(Series& s, const Measure& m, int pair, long entries) {
  std::printf("pair %d %-7s %.3f s (user %.3f, sys %.3f), %.0f entries/s, peak RSS %ld KiB\n", pair,
              s.name, m.seconds, m.user, m.system, static_cast<double>(entries) / m.seconds,
              m.maxRssKb);
  s.wall.push_back(m.seconds);
  s.user.push_back(m.user);
  s.system.push_back(m.system);
  s.cpu.push_back(m.user + m.system);
  s.maxRss = std::max(s.maxRss, m.maxRssKb);
  if (m.status != 0 || m.errBytes != 0) {
    std::fprintf(stderr, "morfenaar_bench: %s exited with %d and wrote %ju bytes to stderr\n",
                 s.name, m.status, m.errBytes);
    return false;
  }
  return true;
}

void summary(const Series& s, long entries) {
  double wall = median(s.wall);
  std::printf(
      "median %-7s %.3f s (user %.3f, sys %.3f), %.0f entries/s, peak RSS %ld KiB,"
      " runs %.3f to %.3f s\n",
      s.name, wall, median(s.user), median(s.system), static_cast<double>(entries) / wall, s.maxRss,
      *std::min_element(s.wall.begin(), s.wall.end()),
      *std::max_element(s.wall.begin(), s.wall.end()));
}

}  // namespace

int main(int argc, char** argv) {
  Options o = parseOptions(argc, argv);
  std::vector<std::string> sample = readSample(o.verbs);
  std::string list = buildList(sample, o.entries, o.verbatim);

  std::string pattern = (fs::temp_directory_path() / "morfenaar-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    return 2;
  }
  fs::path dir = pattern;
  fs::path listPath = dir / "verbs.tsv";
  fs::path smallPath = dir / "small.tsv";
  std::ofstream(listPath, std::ios::binary) << list;
  std::ofstream(smallPath, std::ios::binary)
      << buildList(sample, std::min(o.entries, kSmallEntries), o.verbatim);
  if (!o.keepList.empty())
    fs::copy_file(listPath, o.keepList, fs::copy_options::overwrite_existing);

  std::printf("binary:  %s\n", o.binary.c_str());
  std::printf("floor:   %s\n", o.floor.c_str());
  std::printf("input:   %ld entries from %zu sample entries%s, %zu bytes\n", o.entries,
              sample.size(), o.verbatim ? " repeated unchanged" : "", list.size());
  // The forked child starts with a copy of this process's pages, and its
  // peak RSS counts them until exec: give the list back before forking.
  std::string().swap(list);

  // Calibration: what the program writes, so that the floor writes as much.
  Measure calib = runOnce({o.binary}, dir, listPath, dir / "out");
  if (calib.status != 0 || calib.errBytes != 0) {
    std::fprintf(stderr,
                 "morfenaar_bench: the program exited with %d and wrote %ju bytes to"
                 " stderr\n",
                 calib.status, calib.errBytes);
    return 1;
  }
  std::uintmax_t outBytes = fs::file_size(dir / "out");
  std::uintmax_t logBytes = fs::file_size(dir / "morfenaar.log");
  std::uintmax_t logLines = countLines(dir / "morfenaar.log");
  fs::remove(dir / "out");
  long outPerEntry = std::lround(static_cast<double>(outBytes) / static_cast<double>(o.entries));
  long linesPerEntry = std::lround(static_cast<double>(logLines) / static_cast<double>(o.entries));
  long bytesPerLine =
      logLines == 0 ? 0
                    : std::lround(static_cast<double>(logBytes) / static_cast<double>(logLines));
  std::printf("output:  %ju bytes (%ld per entry), log %ju lines of %ld bytes (%ld per entry)\n",
              outBytes, outPerEntry, logLines, bytesPerLine, linesPerEntry);

  Series program{"program", {o.binary}, {}, {}, {}, {}, 0};
  Series floor{"floor",
               {o.floor, std::to_string(outPerEntry), std::to_string(linesPerEntry),
                std::to_string(bytesPerLine)},
               {},
               {},
               {},
               {},
               0};
  bool ok = true;
  for (int p = 1; p <= o.pairs; ++p) {
    // The first of a pair alternates, so that neither always runs on a
    // cache that the other has warmed.
    Series* order[2] = {&program, &floor};
    if (p % 2 == 0) std::swap(order[0], order[1]);
    for (Series* s : order) {
      ok = record(*s, runOnce(s->argv, dir, listPath, "/dev/null"), p, o.entries) && ok;
    }
  }
  summary(program, o.entries);
  summary(floor, o.entries);
  std::printf("ratio:   %.2f (median program / median floor, %d pairs)\n",
              median(program.wall) / median(floor.wall), o.pairs);
  // Processor time, user and system together: the part of the wall-clock
  // time that the process itself spent, without its waits.
  std::printf("cpu:     %.3f s user+sys for the program, %.3f s for the floor, ratio %.2f\n",
              median(program.cpu), median(floor.cpu), median(program.cpu) / median(floor.cpu));

  Measure small = runOnce({o.binary}, dir, smallPath, "/dev/null");
  std::printf("memory:  peak RSS %ld KiB at %ld entries, %ld KiB at %ld (difference %ld KiB)\n",
              small.maxRssKb, std::min(o.entries, kSmallEntries), program.maxRss, o.entries,
              program.maxRss - small.maxRssKb);

  std::error_code ignored;
  fs::remove_all(dir, ignored);
  return ok ? 0 : 1;
}
