#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/unitsim/SimFaults.h"
#include "tools/unitsim/UnitSim.h"

/// The standalone simulator's command line, parsed. A plain value.
struct SimCommandLine {
  UnitSimOptions options;
  std::vector<SimFault> faults;
  std::optional<std::uint8_t> unitId;
  std::optional<std::string> identity;
  std::optional<std::array<int, 9>> firTaps;
  bool adminLock = false;
  std::optional<std::array<std::uint8_t, 3>> userLock;
  std::optional<std::uint8_t> verdict;
  bool verbose = false;
  bool help = false;
  /// Why the arguments were refused; empty when they are fine.
  std::string error;

  /// Applies the unit settings (id, identity, FIR taps, locks) to a simulator.
  void ApplyTo(UnitSim& sim) const;
};

/// Parses the arguments after the program name.
SimCommandLine ParseCommandLine(const std::vector<std::string>& args);

/// The text of --help: every option with its meaning.
std::string CommandLineHelp();
