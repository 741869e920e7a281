// The largest water flow a pipe takes under a pressure-drop or velocity limit:
// a bracket of flows [lo, hi] from [0, 3] m3/s moves up by its own width while
// the trial flow hi meets the limit, and halves back towards lo while it does
// not, until the trial's value is within 0.0001 of the limit.
#pragma once

#include <functional>

#include "calc/duct_search.h"
#include "calc/pipe.h"

namespace calc {

enum class WaterSearchEnd {
  Met,               // the limit is met within 0.0001 at flow hi
  Stalled,           // the bracket cannot shrink any further: lo is the largest flow known to meet the limit
  TooManySteps,      // the trials did not reach the limit within the step bound
  NonPositiveLimit,  // a limit of 0 or below: every flow exceeds it
};

struct WaterSearch {
  float lo = 0.0f;  // m3/s, a flow known to stay within the limit
  float hi = 3.0f;  // m3/s, the flow being tried
  PipeFriction atHi;
  WaterSearchEnd end = WaterSearchEnd::Met;
  int trials = 0;
};

// Trials allowed in one search; a realistic pipe needs well under a hundred.
inline constexpr int kMaxWaterSearchTrials = 20000;

// `evaluate` gives the pipe's values at a flow (it reads the pipe afresh);
// `limit` reads the limit in Pa/m or m/s: once before the first trial for a
// pressure-drop limit, at every pass (and for the end test) for a velocity
// limit.
WaterSearch SearchWaterLimit(SearchCriterion criterion, const std::function<PipeFriction(float q)>& evaluate,
                             const std::function<float()>& limit);

}  // namespace calc
