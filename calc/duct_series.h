// The series of rectangular ducts listed for one given side: the other side
// runs in whole steps, from a first side that suits the aspect ratio and the
// insulation up to the largest side the aspect ratio allows.
#pragma once

namespace calc {

struct RectangularSeries {
  long long offset = 0;   // added to every multiple of the step
  long long largest = 0;  // largest varied side; 0 when the aspect ratio sets no limit
  long long count = 0;    // dimensions listed
};

// `side` and `step` in whole mm (step above 0), `ratio` the largest aspect
// ratio (0: no limit, then 15 dimensions), `insulation` in mm.
RectangularSeries PlanRectangularSeries(long long side, long long step, long long ratio, long long insulation);

// The varied side of dimension k (from 1).
inline long long VariedSide(const RectangularSeries& series, long long step, long long k) {
  return k * step + series.offset;
}

}  // namespace calc
