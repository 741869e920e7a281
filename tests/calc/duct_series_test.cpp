// The rectangular series of the duct tab: which sides are listed for one
// given side, step, aspect ratio and insulation.
#include "calc/duct_series.h"

#include <gtest/gtest.h>

namespace {

TEST(RectangularSeries, ListsTheSidesTheAspectRatioAllows) {
  struct Row {
    const char* name;
    long long side, step, ratio, insulation;
    long long firstSide, lastSide, count;
  };
  const Row rows[] = {
      {"no ratio: 15 sides from one step", 300, 100, 0, 0, 100, 1500, 15},
      {"ratio 5, step above the smallest side 60: from 100 to 1500", 300, 100, 5, 0, 100, 1500, 15},
      {"ratio 3 on 1000: smallest 333, from 300 to 3000", 1000, 100, 3, 0, 300, 3000, 28},
      {"ratio 5 with 50 mm insulation: from the first step above 100", 300, 100, 5, 50, 200, 1500, 14},
      {"no ratio with insulation: still from one step", 300, 100, 0, 50, 100, 1500, 15},
      {"smallest side a half: to the even neighbour (250/4 = 62.5 -> 62)", 250, 10, 4, 0, 60, 1000, 95},
      {"step larger than the largest side: nothing listed", 100, 1000, 2, 0, 0, 0, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const calc::RectangularSeries series = calc::PlanRectangularSeries(row.side, row.step, row.ratio, row.insulation);
    EXPECT_EQ(series.count, row.count);
    if (row.count > 0) {
      EXPECT_EQ(calc::VariedSide(series, row.step, 1), row.firstSide);
      EXPECT_EQ(calc::VariedSide(series, row.step, series.count), row.lastSide);
    }
  }
}

}  // namespace
