#include "calc/duct_series.h"

#include "calc/numtext.h"

namespace calc {

RectangularSeries PlanRectangularSeries(long long side, long long step, long long ratio, long long insulation) {
  RectangularSeries series;
  if (ratio == 0) {
    series.count = 15;
    return series;
  }
  // The smallest side the ratio allows, to the nearest whole mm (halves to
  // even), and the largest.
  const long long smallest = RoundHalfEven(static_cast<double>(side) / static_cast<double>(ratio));
  series.largest = side * ratio;
  series.offset = step > smallest ? 0 : (smallest / step - 1) * step;
  // With insulation the first side is the smallest multiple of the step
  // above twice the insulation.
  if (insulation > 0) series.offset = ((2 * insulation) / step) * step;
  const long long span = series.largest - series.offset;
  series.count = span < step ? 0 : span / step;
  return series;
}

}  // namespace calc
