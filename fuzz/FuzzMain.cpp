// quorvan-fuzz: plays random seeded scenarios in the simulator and checks the
// game after every frame. A failure names the seed and the check, and leaves
// a small scenario that shows it.
//
//   quorvan-fuzz [--out DIR] [--seconds S] [--digests] SEED|FROM-TO ...
//   quorvan-fuzz --replay FILE
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/Coverage.h"
#include "fuzz/PlayRun.h"
#include "fuzz/RandomPlay.h"
#include "fuzz/Shrink.h"
#include "sound/FileLookup.h"

// Under AddressSanitizer a fault stops the process; the scenario is saved first.
#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/common_interface_defs.h>
#define QUORVAN_HAS_SANITIZER_HOOKS 1
#endif

namespace {

using quorvan::fuzz::PlayResult;

struct Options {
  std::string out = ".";
  double seconds = 0;  // 0: no limit
  bool digests = false;
  std::string replay;
  std::vector<std::uint64_t> seeds;
};

const char* Usage() {
  return "usage: quorvan-fuzz [--out DIR] [--seconds S] [--digests] SEED|FROM-TO ...\n"
         "       quorvan-fuzz --replay FILE\n";
}

bool ParseSeeds(const std::string& word, std::vector<std::uint64_t>& seeds) {
  std::uint64_t from = 0, to = 0;
  char dash = 0, rest = 0;
  std::istringstream in(word);
  if (word.find('-') == std::string::npos) {
    if (!(in >> from) || in >> rest) return false;
    seeds.push_back(from);
    return true;
  }
  if (!(in >> from >> dash >> to) || dash != '-' || in >> rest || to < from) return false;
  for (std::uint64_t s = from; s <= to; ++s) seeds.push_back(s);
  return true;
}

// The scenario of the run in progress, for a report if a sanitizer stops it.
std::string currentScenario;
std::string currentFile;

void SaveScenario(const std::string& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

#ifdef QUORVAN_HAS_SANITIZER_HOOKS
void OnSanitizerDeath() {
  SaveScenario(currentFile, currentScenario);
  std::cerr << "quorvan-fuzz: a sanitizer stopped the run; its scenario is " << currentFile
            << " (quorvan-fuzz --replay " << currentFile << ")\n";
}
#endif

void Report(const std::string& what, const PlayResult& r) {
  std::cerr << "quorvan-fuzz: " << what << ": check " << r.check << " failed at frame " << r.frame
            << ": " << r.detail << "\n";
}

int Replay(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  if (!in) {
    std::cerr << "quorvan-fuzz: cannot read " << file << "\n";
    return 2;
  }
  const PlayResult r = quorvan::fuzz::RunPlay(text.str());
  if (r.Failed()) {
    Report(file, r);
    return 1;
  }
  std::cout << file << ": " << r.frames << " frames, every check held\n";
  return 0;
}

// Plays one seed; a failure is shrunk and saved. Also checks that the same
// scenario plays the same way twice.
bool PlaySeed(std::uint64_t seed, const Options& options, quorvan::fuzz::Coverage& coverage) {
  const std::string text = quorvan::fuzz::RandomPlay(seed);
  currentScenario = text;
  currentFile = options.out + "/fuzz-" + std::to_string(seed) + ".txt";
  PlayResult r = quorvan::fuzz::RunPlay(text, &coverage);
  if (!r.Failed()) {
    const PlayResult again = quorvan::fuzz::RunPlay(text);
    if (again.trace != r.trace || again.code != r.code) {
      r.check = "SameScenarioSameTrace";
      r.detail = "a second run wrote another trace";
      r.frame = 0;
    }
  }
  if (options.digests)
    std::cout << "seed " << seed << " frames " << r.frames << " exit " << r.code << " trace "
              << std::hex << r.trace << std::dec << "\n";
  if (!r.Failed()) return true;
  Report("seed " + std::to_string(seed), r);
  const std::string small =
      r.check == "SameScenarioSameTrace" ? text : quorvan::fuzz::Shrink(text, r);
  SaveScenario(currentFile, small);
  std::cerr << "quorvan-fuzz: reproduce with: quorvan-fuzz --replay " << currentFile << "\n"
            << small;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--out" && hasValue) {
      options.out = argv[++i];
    } else if (arg == "--seconds" && hasValue) {
      options.seconds = std::atof(argv[++i]);
    } else if (arg == "--digests") {
      options.digests = true;
    } else if (arg == "--replay" && hasValue) {
      options.replay = argv[++i];
    } else if (!ParseSeeds(arg, options.seeds)) {
      std::cerr << "quorvan-fuzz: not a seed or option: " << arg << "\n" << Usage();
      return 2;
    }
  }
  quorvan::SetAssetFolder(QUORVAN_SOURCE_ASSETS);
  if (!options.replay.empty()) return Replay(options.replay);
  if (options.seeds.empty()) {
    std::cerr << Usage();
    return 2;
  }
#ifdef QUORVAN_HAS_SANITIZER_HOOKS
  __sanitizer_set_death_callback(OnSanitizerDeath);
#endif

  const auto start = std::chrono::steady_clock::now();
  quorvan::fuzz::Coverage coverage;
  int failures = 0;
  std::size_t played = 0;
  for (const auto seed : options.seeds) {
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    if (options.seconds > 0 && spent.count() > options.seconds) break;
    if (!PlaySeed(seed, options, coverage)) ++failures;
    ++played;
  }
  const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
  std::cout << "seeds " << played << " of " << options.seeds.size() << " in " << spent.count()
            << " s, " << failures << " failed\n";
  coverage.Write(std::cout);
  return failures ? 1 : 0;
}
