#include "calc/pipe_search.h"

#include <cmath>

#include "calc/errors.h"

namespace calc {

WaterSearch SearchWaterLimit(SearchCriterion criterion, const std::function<PipeFriction(float q)>& evaluate,
                             const std::function<float()>& limit) {
  const bool pressureDrop = criterion == SearchCriterion::PressureDrop;
  WaterSearch search;
  const auto value = [&] { return pressureDrop ? search.atHi.r : search.atHi.v; };
  // A pressure-drop limit is read once, before the first trial; a velocity
  // limit at every pass.
  float fixedLimit = pressureDrop ? limit() : 0.0f;
  const auto current = [&] { return pressureDrop ? fixedLimit : limit(); };
  if (pressureDrop && fixedLimit <= 0.0f) {
    search.end = WaterSearchEnd::NonPositiveLimit;
    return search;
  }
  search.atHi = evaluate(search.hi);
  search.trials = 1;
  for (;;) {
    const float max = current();
    if (max <= 0.0f) {
      search.end = WaterSearchEnd::NonPositiveLimit;
      return search;
    }
    const float lo = search.lo;
    const float hi = search.hi;
    if (value() <= max) {
      // Within the limit (ties too): the bracket moves up by its own width.
      search.lo = hi;
      search.hi = ToSingle(2.0 * hi - lo);
    } else {
      search.hi = ToSingle((static_cast<double>(hi) + lo) / 2.0);
    }
    if (search.lo == lo && search.hi == hi) {
      search.end = WaterSearchEnd::Stalled;
      return search;
    }
    if (search.trials >= kMaxWaterSearchTrials) {
      search.end = WaterSearchEnd::TooManySteps;
      return search;
    }
    search.atHi = evaluate(search.hi);
    ++search.trials;
    if (std::fabs(static_cast<double>(value()) - current()) < 0.0001) {
      search.end = WaterSearchEnd::Met;
      return search;
    }
  }
}

}  // namespace calc
