// The largest flow that a duct or a pipe carries under a pressure-drop or
// velocity limit. From a first trial flow, the trial climbs in equal steps
// while it meets the limit (each step as wide as the last), and a trial over
// the limit halves the gap back to the last flow that met it, until a trial's
// value comes within the tolerance of the limit.
#pragma once

#include <functional>
#include <optional>

#include "calc/friction.h"

namespace calc {

enum class SearchCriterion { PressureDrop, Velocity };

enum class SearchEnd {
  Met,            // the limit is met within the tolerance at the trial flow q
  Stalled,        // the bracket cannot be narrowed any further before the limit is met
  NoResult,       // a trial flow gave no result (no flow left)
  TooManySteps,   // the trials did not reach the limit within the step bound
  ZeroLimit,      // a limit of 0: only no flow at all stays within it (q and s are 0)
  NegativeLimit,  // no flow gives a negative pressure drop or velocity
};

// Where a search stands: the trial flow q, the last flow s known to meet the
// limit (0 until one has), and the values at q. Flows are in the caller's
// unit: the duct tab's l/s or m3/h, the pipe's m3/s.
struct FlowSearch {
  float q = 200.0f;  // the duct tab's first trial
  float s = 0.0f;
  Friction atQ;
  SearchEnd end = SearchEnd::Met;
  int trials = 0;
};

// How a caller's search runs: how close to the limit a trial must come, and
// whether the limit is read before the first trial or right after it. The
// two tabs keep the rules their figures and messages were set with.
struct SearchRules {
  double tolerance = 0.001;
  bool limitBeforeFirstTrial = false;
};
// The duct tab: within 0.001, the limit read once there is a first trial.
inline constexpr SearchRules kDuctSearchRules{0.001, false};
// The pipe tab: within 0.0001; a pressure-drop limit is read before any flow
// is tried, so that a limit of 0 or below is refused even for a pipe that
// gives no figures, a velocity limit after the first trial.
constexpr SearchRules PipeSearchRules(SearchCriterion criterion) {
  return {0.0001, criterion == SearchCriterion::PressureDrop};
}

// A search whose first trial is the flow `q` (the pipe tab tries 3 m3/s).
constexpr FlowSearch SearchFrom(float q) {
  FlowSearch start;
  start.q = q;
  return start;
}

// Trials allowed in one search; a realistic duct needs a few hundred at most,
// a realistic pipe well under a hundred.
inline constexpr int kMaxSearchTrials = 20000;

// Runs one criterion from `start` (the duct's q and s carry on from an
// earlier criterion). `evaluate` gives the values at a flow, or none where
// the flow has no result; `limit` reads the limit, once, as the rules say (its
// text may not parse: it throws then), so `evaluate` must not change it.
FlowSearch SearchFlowLimit(SearchCriterion criterion, FlowSearch start,
                           const std::function<std::optional<Friction>(float q)>& evaluate,
                           const std::function<double()>& limit, const SearchRules& rules = kDuctSearchRules);

}  // namespace calc
