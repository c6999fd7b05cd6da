// Whole-program benchmark of morfenaar.
//
// Builds a verb list of N entries (default 100,000) from the sample list
// data/verbs.tsv: the sample entries are repeated in order, and every
// repetition after the first swaps the plain consonants of each root for
// others, so that the list covers every class and weak-root shape with many
// different roots while staying valid input. It then runs the program R
// times (default 5) in a fresh temporary directory with that list on
// standard input and standard output going to a file, and prints per run and
// as the median: wall time, entries per second, output bytes per second and
// the child's peak resident memory (from wait4's rusage).
//
// Usage: morfenaar_bench [--entries N] [--runs R] [--verbs FILE]
//                        [--binary FILE] [--keep-list FILE]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
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

struct Options {
  long entries = 100000;
  int runs = 5;
  std::string verbs = std::string(MORFENAAR_SOURCE_DIR) + "/data/verbs.tsv";
  std::string binary = MORFENAAR_BINARY;
  std::string keepList;
};

[[noreturn]] void usage(const char* why) {
  std::fprintf(stderr,
               "morfenaar_bench: %s\n"
               "usage: morfenaar_bench [--entries N] [--runs R] [--verbs FILE]"
               " [--binary FILE] [--keep-list FILE]\n",
               why);
  std::exit(2);
}

Options parseOptions(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (i + 1 >= argc) usage("option without value");
    std::string value = argv[++i];
    if (arg == "--entries") {
      o.entries = std::atol(value.c_str());
    } else if (arg == "--runs") {
      o.runs = std::atoi(value.c_str());
    } else if (arg == "--verbs") {
      o.verbs = value;
    } else if (arg == "--binary") {
      o.binary = value;
    } else if (arg == "--keep-list") {
      o.keepList = value;
    } else {
      usage("unknown option");
    }
  }
  if (o.entries <= 0 || o.runs <= 0) usage("--entries and --runs must be positive");
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

std::string buildList(const std::vector<std::string>& sample, long entries) {
  std::string list;
  list.reserve(static_cast<std::size_t>(entries) * 48);
  for (long i = 0; i < entries; ++i) {
    long round = i / static_cast<long>(sample.size());
    const std::string& line = sample[static_cast<std::size_t>(i) % sample.size()];
    list += varied(line, round % static_cast<long>(kPlain.size()));
    list += '\n';
  }
  return list;
}

struct Measure {
  double seconds = 0;
  long maxRssKb = 0;
  std::uintmax_t outBytes = 0;
  int status = -1;
  std::uintmax_t errBytes = 0;
};

Measure runOnce(const Options& o, const fs::path& dir, const fs::path& list) {
  fs::path out = dir / "out";
  fs::path err = dir / "err";
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
    ::execl(o.binary.c_str(), o.binary.c_str(), static_cast<char*>(nullptr));
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
  m.maxRssKb = usage.ru_maxrss;
  m.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
  m.outBytes = fs::file_size(out);
  m.errBytes = fs::file_size(err);
  return m;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  Options o = parseOptions(argc, argv);
  std::vector<std::string> sample = readSample(o.verbs);
  std::string list = buildList(sample, o.entries);

  std::string pattern = (fs::temp_directory_path() / "morfenaar-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    std::perror("mkdtemp");
    return 2;
  }
  fs::path dir = pattern;
  fs::path listPath = dir / "verbs.tsv";
  std::ofstream(listPath, std::ios::binary) << list;
  if (!o.keepList.empty()) fs::copy_file(listPath, o.keepList, fs::copy_options::overwrite_existing);

  std::printf("binary:  %s\n", o.binary.c_str());
  std::printf("input:   %ld entries from %zu sample entries, %zu bytes\n", o.entries,
              sample.size(), list.size());
  // The forked child starts with a copy of this process's pages, and its
  // peak RSS counts them until exec: give the list back before forking.
  std::string().swap(list);

  std::vector<double> seconds;
  long maxRss = 0;
  std::uintmax_t outBytes = 0;
  bool failed = false;
  for (int r = 0; r < o.runs; ++r) {
    Measure m = runOnce(o, dir, listPath);
    std::printf("run %d:   %.3f s, %.0f entries/s, %.1f MB/s out, peak RSS %ld KiB, exit %d\n",
                r + 1, m.seconds, o.entries / m.seconds, m.outBytes / m.seconds / 1e6, m.maxRssKb,
                m.status);
    if (m.status != 0 || m.errBytes != 0) {
      std::fprintf(stderr, "morfenaar_bench: run %d exited with %d and wrote %ju bytes to stderr\n",
                   r + 1, m.status, m.errBytes);
      failed = true;
    }
    seconds.push_back(m.seconds);
    maxRss = std::max(maxRss, m.maxRssKb);
    outBytes = m.outBytes;
  }
  double med = median(seconds);
  std::printf("median:  %.3f s, %.0f entries/s, %.1f MB/s out (%ju bytes, %.1f bytes/entry),"
              " peak RSS %ld KiB\n",
              med, o.entries / med, outBytes / med / 1e6, outBytes,
              static_cast<double>(outBytes) / o.entries, maxRss);

  std::error_code ignored;
  fs::remove_all(dir, ignored);
  return failed ? 1 : 0;
}
