#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

#include <QCoreApplication>

#include "tools/linksoak/SoakRun.h"

namespace {

bool ParseCount(std::string_view text, long& value) {
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && ptr == text.data() + text.size() && value > 0;
}

void PrintFigures(const SoakOptions& options, const SoakFigures& f) {
  std::printf("duration: %lld s, seed %u\n", static_cast<long long>(f.elapsed.count()), options.seed);
  int total = 0;
  for (const auto& [kind, count] : f.actions) {
    std::printf("  %-16s %d\n", kind.c_str(), count);
    total += count;
  }
  std::printf("actions: %d\n", total);
  int faults = 0;
  for (const auto& [kind, count] : f.faults) {
    std::printf("  %-16s %d\n", kind.c_str(), count);
    faults += count;
  }
  std::printf("faults injected: %d; links made: %d; links broken: %d; messages: %d\n", faults, f.reconnects,
              f.linkBroken, f.messages);
  std::printf("checks on the way: %d, mismatched: %d; exchanges stuck: %d\n", f.checks, f.checkMismatches, f.stuck);
  std::printf("final: unit image %s model, FIR area %s model\n", f.finalImageEqual ? "==" : "!=",
              f.finalFirEqual ? "==" : "!=");
  std::printf("resident memory: %zu KiB after warm-up, %zu KiB at the end (%+lld KiB, bound %zu KiB), peak %zu KiB\n",
              f.rssWarmKiB, f.rssEndKiB,
              static_cast<long long>(f.rssEndKiB) - static_cast<long long>(f.rssWarmKiB), options.rssBoundKiB,
              f.rssPeakKiB);
  std::printf("%s\n", f.Passed(options) ? "PASSED" : "FAILED");
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  SoakOptions options;
  options.duration = std::chrono::minutes(60);
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    long value = 0;
    const bool hasValue = i + 1 < argc && ParseCount(argv[i + 1], value);
    if (arg == "--minutes" && hasValue) {
      options.duration = std::chrono::minutes(value);
    } else if (arg == "--seconds" && hasValue) {
      options.duration = std::chrono::seconds(value);
    } else if (arg == "--seed" && hasValue) {
      options.seed = static_cast<std::uint32_t>(value);
    } else if (arg == "--rss-bound-kib" && hasValue) {
      options.rssBoundKiB = static_cast<std::size_t>(value);
    } else {
      std::fprintf(stderr,
                   "usage: krv-linksoak [--minutes N (60)] [--seconds N] [--seed N (1)] [--rss-bound-kib N (16384)]\n");
      return 2;
    }
    ++i;
  }
  SoakFigures figures;
  SoakRun run(options);
  if (!run.Run(figures)) {
    std::fprintf(stderr, "the simulator did not start: %s\n", run.LastError().c_str());
    return 2;
  }
  PrintFigures(options, figures);
  return figures.Passed(options) ? 0 : 1;
}
