// Times the literal loop nests against the search engines on the same
// requests, side by side, and checks that both give the same output.
//
//   orb_bench                 every case
//   orb_bench a e             only cases a and e
//   orb_bench --engine-only   the engines alone (the loops take seconds each)
//   orb_bench --runs 9        best of 9 engine runs (default 5)
//   orb_bench --folder DIR    where case d writes its file (default: the temp folder)
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "search/collection_search.h"
#include "search/continuous_search.h"
#include "search/reference_search.h"
#include "search/results_writer.h"
#include "search/train.h"

namespace {

using Clock = std::chrono::steady_clock;

// What the window's hook does: count, and read the clock every 1024 calls.
struct WindowLikeYield {
  std::uint64_t calls = 0;
  Clock::time_point lastLook{};
  bool operator()() {
    if ((++calls & 1023u) == 0) lastLook = Clock::now();
    return true;
  }
};

// Counts the trains and hashes their tooth counts and ratio bits in order.
struct HashingSink {
  std::uint64_t count = 0;
  std::uint64_t hash = 14695981039346656037ull;
  void mix(double x) {
    hash ^= std::bit_cast<std::uint64_t>(x);
    hash *= 1099511628211ull;
    hash ^= hash >> 29;
  }
  template <int N>
  bool operator()(const gears::Train<N>& train) {
    ++count;
    for (double w : train.wheels) mix(w);
    mix(train.ratio);
    return true;
  }
};

struct Outcome {
  double seconds = 0;
  std::uint64_t trains = 0;
  std::uint64_t hash = 0;
  std::uint64_t yields = 0;
  bool finished = false;
};

enum class Method { Loops, Engine };

// Runs one search with fresh hooks and times it.
template <class Search>
Outcome timed(Search&& search) {
  HashingSink sink;
  WindowLikeYield yield;
  const auto start = Clock::now();
  const bool finished = search(sink, yield);
  const std::chrono::duration<double> elapsed = Clock::now() - start;
  return {elapsed.count(), sink.count, sink.hash, yield.calls, finished};
}

Outcome continuous4(Method method, double r, double t, double lo, double hi) {
  return timed([&](HashingSink& sink, WindowLikeYield& yield) {
    return method == Method::Loops ? gears::reference::searchContinuous4(r, t, lo, hi, sink, yield)
                                   : gears::searchContinuous4(r, t, lo, hi, sink, yield);
  });
}

Outcome continuous6(Method method, double r, double t, double lo, double hi) {
  return timed([&](HashingSink& sink, WindowLikeYield& yield) {
    return method == Method::Loops ? gears::reference::searchContinuous6(r, t, lo, hi, sink, yield)
                                   : gears::searchContinuous6(r, t, lo, hi, sink, yield);
  });
}

Outcome collection4(Method method, std::span<const double> values, double r, double t) {
  return timed([&](HashingSink& sink, WindowLikeYield& yield) {
    return method == Method::Loops ? gears::reference::searchCollection4(values, r, t, sink, yield)
                                   : gears::searchCollection4(values, r, t, sink, yield);
  });
}

Outcome collection6(Method method, std::span<const double> values, double r, double t) {
  return timed([&](HashingSink& sink, WindowLikeYield& yield) {
    return method == Method::Loops ? gears::reference::searchCollection6(values, r, t, sink, yield)
                                   : gears::searchCollection6(values, r, t, sink, yield);
  });
}

// Tooth counts first..last in an order shuffled with a fixed seed.
std::vector<double> shuffledCollection(int first, int last, std::uint64_t seed) {
  std::vector<double> values;
  for (int v = first; v <= last; ++v) values.push_back(v);
  std::mt19937_64 rng(seed);
  for (std::size_t i = values.size(); i > 1; --i) std::swap(values[i - 1], values[rng() % i]);
  return values;
}

double fallingProduct(double n, int k) {
  double p = 1;
  for (int i = 0; i < k; ++i) p *= n - i;
  return p;
}

struct BenchCase {
  char id;
  std::string title;
  double candidates;  // trains the loops evaluate
  std::function<Outcome(Method)> run;
};

std::vector<BenchCase> benchCases() {
  static const std::vector<double> collection165 = shuffledCollection(20, 184, 1);
  static const std::vector<double> collection32 = shuffledCollection(20, 51, 2);
  std::vector<BenchCase> cases;
  cases.push_back({'a', "four wheels 3..167, ratio 0.7329, deviation 0.000001", std::pow(165.0, 4),
                   [](Method m) { return continuous4(m, 0.7329, 0.000001, 3, 167); }});
  cases.push_back({'b', "six wheels 3..33, ratio 0.125, deviation 0.0001", std::pow(31.0, 6),
                   [](Method m) { return continuous6(m, 0.125, 0.0001, 3, 33); }});
  cases.push_back({'c', "six wheels 370..400, ratio 1.0123, deviation 0.00001", std::pow(31.0, 6),
                   [](Method m) { return continuous6(m, 1.0123, 0.00001, 370, 400); }});
  cases.push_back({'e', "collection of 165 (20..184), four wheels, ratio 0.7329, deviation 0.000001",
                   fallingProduct(165, 4),
                   [](Method m) { return collection4(m, collection165, 0.7329, 0.000001); }});
  cases.push_back({'f', "collection of 32 (20..51), six wheels, ratio 0.125, deviation 0.0001",
                   fallingProduct(32, 6), [](Method m) { return collection6(m, collection32, 0.125, 0.0001); }});
  return cases;
}

// (d): the four-wheel search writing its results file, against a plain
// sequential write of as many bytes in 64 KiB blocks to the same folder.
struct WriteOutcome {
  double searchSeconds = 0;
  double plainSeconds = 0;
  std::uint64_t trains = 0;
  std::uint64_t bytes = 0;
  bool ok = false;
};

// Waits until the file's bytes are on the disk.
void syncFile(const std::string& path, bool& ok) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0 || ::fsync(fd) != 0) ok = false;
  if (fd >= 0) ::close(fd);
}

double plainWrite(const std::string& path, std::uint64_t bytes, bool sync, bool& ok) {
  const auto start = Clock::now();
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) {
    ok = false;
    return 0;
  }
  std::vector<char> block(65536, 'x');
  for (std::uint64_t left = bytes; left > 0;) {
    const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(left, block.size()));
    if (std::fwrite(block.data(), 1, n, f) != n) ok = false;
    left -= n;
  }
  if (std::fclose(f) != 0) ok = false;
  if (sync) syncFile(path, ok);
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double searchAndWrite(const std::string& path, std::uint64_t& trains, bool sync, bool& ok) {
  gears::ResultsWriter writer(".");
  const auto start = Clock::now();
  if (writer.create(path) != gears::FileError::None) ok = false;
  WindowLikeYield yield;
  trains = 0;
  gears::searchContinuous4(1.0, 0.05, 3, 167,
                           [&](const gears::Train<4>& train) {
                             ++trains;
                             return writer.write(train);
                           },
                           yield);
  if (writer.close() != gears::FileError::None) ok = false;
  if (sync) syncFile(path, ok);
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Alternates both writes (the page cache and a shared machine make single
// runs noisy) and keeps the best of each.
WriteOutcome resultsFileCase(const std::string& folder, int runs, bool sync) {
  const std::string path = folder + "/orb_bench_results.txt";
  WriteOutcome out;
  out.ok = true;
  out.searchSeconds = out.plainSeconds = 1e300;
  std::error_code ec;
  for (int i = 0; i < runs; ++i) {
    out.searchSeconds = std::min(out.searchSeconds, searchAndWrite(path, out.trains, sync, out.ok));
    out.bytes = std::filesystem::file_size(path, ec);
    std::filesystem::remove(path, ec);
    out.plainSeconds = std::min(out.plainSeconds, plainWrite(path, out.bytes, sync, out.ok));
    std::filesystem::remove(path, ec);
  }
  return out;
}

// As the program writes (the page cache takes the bytes), then with both
// files synced to the disk before the clock stops.
void printResultsFileCase(const std::string& folder, int runs) {
  std::printf("(d)  four wheels 3..167, ratio 1, deviation 0.05, writing the results file in %s\n", folder.c_str());
  for (bool sync : {false, true}) {
    const WriteOutcome d = resultsFileCase(folder, runs, sync);
    const double mb = static_cast<double>(d.bytes) / 1e6;
    std::printf("     %s: %llu trains, %.1f MB: search and write %.3f s (%.0f MB/s), plain write %.3f s (%.0f MB/s), "
                "throughput %.2f of the plain write's%s\n",
                sync ? "synced" : "cached", static_cast<unsigned long long>(d.trains), mb, d.searchSeconds,
                mb / d.searchSeconds, d.plainSeconds, mb / d.plainSeconds, d.plainSeconds / d.searchSeconds,
                d.ok ? "" : "  (WRITE FAILED)");
  }
}

bool sameOutput(const Outcome& a, const Outcome& b) {
  return a.trains == b.trains && a.hash == b.hash && a.yields == b.yields && a.finished == b.finished;
}

}  // namespace

int main(int argc, char** argv) {
  bool engineOnly = false;
  int runs = 5;
  std::string folder = std::filesystem::temp_directory_path().string();
  std::string selected;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--engine-only") == 0) {
      engineOnly = true;
    } else if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else if (std::strcmp(argv[i], "--folder") == 0 && i + 1 < argc) {
      folder = argv[++i];
    } else {
      selected += argv[i];
    }
  }

  bool allSame = true;
  std::printf("%-4s %14s %10s %9s %10s %9s %9s %10s %12s  %s\n", "case", "candidates", "loops s", "ns/cand",
              "engine s", "ns/cand", "speed-up", "trains", "yields", "same output");
  for (const BenchCase& c : benchCases()) {
    if (!selected.empty() && selected.find(c.id) == std::string::npos) continue;
    std::printf("(%c)  %s\n", c.id, c.title.c_str());
    Outcome engine = c.run(Method::Engine);
    for (int i = 1; i < runs; ++i) {
      const Outcome again = c.run(Method::Engine);
      allSame = allSame && sameOutput(again, engine);
      engine.seconds = std::min(engine.seconds, again.seconds);
    }
    if (engineOnly) {
      std::printf("%-4s %14.0f %10s %9s %10.4f %9.3f %9s %10llu %12llu  %s\n", "", c.candidates, "-", "-",
                  engine.seconds, engine.seconds * 1e9 / c.candidates, "-",
                  static_cast<unsigned long long>(engine.trains), static_cast<unsigned long long>(engine.yields),
                  "-");
      continue;
    }
    const Outcome loops = c.run(Method::Loops);
    const bool same = sameOutput(loops, engine);
    allSame = allSame && same;
    std::printf("%-4s %14.0f %10.3f %9.3f %10.4f %9.3f %8.1fx %10llu %12llu  %s\n", "", c.candidates, loops.seconds,
                loops.seconds * 1e9 / c.candidates, engine.seconds, engine.seconds * 1e9 / c.candidates,
                loops.seconds / engine.seconds, static_cast<unsigned long long>(engine.trains),
                static_cast<unsigned long long>(engine.yields), same ? "yes" : "NO");
  }
  if (selected.empty() || selected.find('d') != std::string::npos) printResultsFileCase(folder, std::min(runs, 3));
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak memory: %.1f MB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
  return allSame ? 0 : 1;
}
