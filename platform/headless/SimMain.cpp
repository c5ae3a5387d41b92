// quorvan-sim SCENARIO: plays the game headless and writes its trace to stdout.
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <vector>

#include "platform/headless/Simulator.h"
#include "record/Scenario.h"
#include "sound/FileLookup.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: quorvan-sim SCENARIO   (writes a JSON Lines trace to stdout)\n";
    return 2;
  }
  std::ifstream file(argv[1]);
  if (!file) {
    std::cerr << "quorvan-sim: cannot read " << argv[1] << "\n";
    return 2;
  }
  quorvan::Scenario scenario;
  try {
    scenario = quorvan::ParseScenario(file);
  } catch (const quorvan::ScenarioError& e) {
    std::cerr << "quorvan-sim: " << argv[1] << ": " << e.what() << "\n";
    return 2;
  }
  // A folder opens like a file and reads as nothing; an empty scenario would play.
  if (file.bad()) {
    std::cerr << "quorvan-sim: cannot read " << argv[1] << "\n";
    return 2;
  }
  quorvan::SetAssetFolder(QUORVAN_SOURCE_ASSETS);

  static std::vector<char> buffer(1 << 20);
  std::setvbuf(stdout, buffer.data(), _IOFBF, buffer.size());
  try {
    quorvan::Simulator simulator(scenario, stdout);
    const int code = simulator.Run();
    std::fflush(stdout);
    return code;
  } catch (const std::exception& e) {
    std::fflush(stdout);
    std::cerr << "quorvan-sim: " << e.what() << "\n";
    return 3;
  }
}
