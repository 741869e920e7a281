// The largest air flow that one duct carries under a pressure-drop or velocity
// limit: trial flows climb in equal steps while they meet the limit, and a
// trial over the limit halves the gap back to the last good flow, until the
// limit is met within 0.001.
#pragma once

#include <functional>
#include <optional>

#include "calc/duct.h"

namespace calc {

enum class SearchCriterion { PressureDrop, Velocity };

enum class SearchEnd {
  Met,            // the limit is met within 0.001 at flow q
  Stalled,        // the bracket cannot be narrowed any further before the limit is met
  NoResult,       // a trial flow gave no result (no flow left)
  TooManySteps,   // the trials did not reach the limit within the step bound
  ZeroLimit,      // a limit of 0: only no flow at all stays within it (q is 0)
  NegativeLimit,  // no flow gives a negative pressure drop or velocity
};

// Where a search stands: the trial flow q, the last flow s known to meet the
// limit, and the duct's values at q. Flows are in the tab's flow unit.
struct FlowSearch {
  float q = 200.0f;
  float s = 0.0f;
  DuctFriction atQ;
  SearchEnd end = SearchEnd::Met;
  int trials = 0;
};

// Trials allowed in one search; a realistic duct needs a few hundred at most.
inline constexpr int kMaxSearchTrials = 20000;

// Runs one criterion from `start` (q and s carry on from an earlier
// criterion). `evaluate` gives the duct's values at a flow; `limit` reads the
// limit (its text may not parse: it throws then), first after the first trial.
FlowSearch SearchFlowLimit(SearchCriterion criterion, FlowSearch start,
                           const std::function<std::optional<DuctFriction>(float q)>& evaluate,
                           const std::function<double()>& limit);

}  // namespace calc
