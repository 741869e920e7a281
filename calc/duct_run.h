// A duct run: the sections of a ventilation system from the fan to its
// outlets, each continuing the section it names (none: right after the fan),
// so the run is a tree. Each section's pressure drop is its friction over its
// length plus its local losses; summed along the path from the fan, the
// largest total at an outlet is the index run, which sets the fan's pressure,
// and every other outlet throttles away what it lacks of it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace calc {

// A run holds at most this many sections.
inline constexpr std::size_t kMostRunSections = 500;

struct RunSection {
  std::string name;
  std::string from;   // the section it continues; empty: the first after the fan
  double length = 0;  // m
  double zeta = 0;    // the sum of its local loss coefficients
  // The duct model's figures for the section's flow, dimension, material,
  // insulation and temperature.
  double v = 0;    // m/s
  double r = 0;    // Pa/m
  double rho = 0;  // kg/m3
};

struct RunFigures {
  double friction = 0;             // R x length, Pa
  double local = 0;                // zeta x rho v^2 / 2, Pa
  double section = 0;              // the two summed
  double fromFan = 0;              // the sections summed along the path from the fan
  std::optional<double> throttle;  // at an outlet: the index run's total less this path's
};

enum class RunFault {
  None,
  TooMany,      // more than kMostRunSections
  SameName,     // two sections of one name
  UnknownFrom,  // a "from" that names no section
  Loop,         // sections that continue each other round
  NegativeLength,
  NegativeZeta,
};

struct RunSums {
  RunFault fault = RunFault::None;
  std::size_t faultAt = 0;            // the first section the fault is found at
  std::vector<RunFigures> figures;    // one per section, in their order; empty on a fault
  std::vector<std::size_t> indexRun;  // the sections from the fan to the index outlet
  double indexTotal = 0;
};

// Sums a run; a fault gives no figures.
RunSums SumRun(const std::vector<RunSection>& sections);

}  // namespace calc
