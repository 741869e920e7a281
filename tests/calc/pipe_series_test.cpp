// The pipe series: every row as the series' data sheet lists it, each inner
// diameter the outside diameter less two walls, and the rows' names with
// the separator in use.
#include "calc/pipe_series.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Sheet {
  const char* swedish;
  const char* danish;
  double roughness;
  // The rows as the data sheet writes them: "OD x wall -> ID", or for steel
  // "DN OD wall ID".
  const char* rows;
};

// Copied from the data sheet of the series, row for row.
const Sheet kSheets[] = {
    {"Stålrör medelsvår", "Stålrør medium", 0.045,
     "10 17.2 2.3 12.6; 15 21.3 2.6 16.1; 20 26.9 2.6 21.7; 25 33.7 3.2 27.3; 32 42.4 3.2 36.0; "
     "40 48.3 3.2 41.9; 50 60.3 3.6 53.1; 65 76.1 3.6 68.9; 80 88.9 4.0 80.9; 100 114.3 4.5 105.3; "
     "125 139.7 5.0 129.7; 150 165.1 5.0 155.1"},
    {"Tunnväggigt stålrör (press)", "Tyndvægget stålrør (press)", 0.010,
     "12x1.2 -> 9.6; 15x1.2 -> 12.6; 18x1.2 -> 15.6; 22x1.5 -> 19.0; 28x1.5 -> 25.0; 35x1.5 -> 32.0; "
     "42x1.5 -> 39.0; 54x1.5 -> 51.0; 76.1x2.0 -> 72.1; 88.9x2.0 -> 84.9; 108x2.0 -> 104.0"},
    {"Kopparrör", "Kobberrør", 0.015,
     "12x1.0 -> 10.0; 15x1.0 -> 13.0; 18x1.0 -> 16.0; 22x1.0 -> 20.0; 28x1.2 -> 25.6; 35x1.5 -> 32.0; "
     "42x1.5 -> 39.0; 54x2.0 -> 50.0; 64x2.0 -> 60.0; 76.1x2.0 -> 72.1; 88.9x2.0 -> 84.9; 108x2.5 -> 103.0"},
    {"Rostfritt rör (press)", "Rustfrit rør (press)", 0.0015,
     "15x1.0 -> 13.0; 18x1.0 -> 16.0; 22x1.2 -> 19.6; 28x1.2 -> 25.6; 35x1.5 -> 32.0; 42x1.5 -> 39.0; "
     "54x1.5 -> 51.0"},
    {"PEX-rör", "PEX-rør", 0.0005,
     "12x1.7 -> 8.6; 15x2.5 -> 10.0; 16x2.2 -> 11.6; 18x2.5 -> 13.0; 20x2.8 -> 14.4; 22x3.0 -> 16.0; "
     "25x3.5 -> 18.0; 28x4.0 -> 20.0; 32x4.4 -> 23.2"},
    {"Flerskiktsrör", "Flerlagsrør", 0.0005,
     "16x2.0 -> 12.0; 20x2.25 -> 15.5; 26x3.0 -> 20.0; 32x3.0 -> 26.0; 40x3.5 -> 33.0; 50x4.0 -> 42.0; "
     "63x4.5 -> 54.0"},
};

struct Row {
  std::string name;
  double outside, wall, inner;
};

std::vector<Row> RowsOf(const Sheet& sheet) {
  std::vector<Row> rows;
  std::stringstream all(sheet.rows);
  std::string item;
  while (std::getline(all, item, ';')) {
    std::stringstream in(item);
    Row row;
    if (item.find('x') != std::string::npos) {
      std::string dimension, arrow;
      in >> dimension >> arrow >> row.inner;
      row.name = dimension;
      row.outside = std::stod(dimension.substr(0, dimension.find('x')));
      row.wall = std::stod(dimension.substr(dimension.find('x') + 1));
    } else {
      int dn = 0;
      in >> dn >> row.outside >> row.wall >> row.inner;
      row.name = "DN" + std::to_string(dn);
    }
    rows.push_back(row);
  }
  return rows;
}

TEST(PipeSeries, EveryRowAsTheDataSheetListsIt) {
  const auto series = calc::AllPipeSeries();
  ASSERT_EQ(series.size(), std::size(kSheets));
  for (std::size_t s = 0; s < series.size(); ++s) {
    const Sheet& sheet = kSheets[s];
    SCOPED_TRACE(sheet.swedish);
    EXPECT_STREQ(series[s].swedish, sheet.swedish);
    EXPECT_STREQ(series[s].danish, sheet.danish);
    EXPECT_DOUBLE_EQ(series[s].roughness, sheet.roughness);
    const std::vector<Row> rows = RowsOf(sheet);
    ASSERT_EQ(series[s].sizes.size(), rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const calc::PipeSize& size = series[s].sizes[r];
      SCOPED_TRACE(rows[r].name);
      EXPECT_EQ(std::string(size.name), rows[r].name);
      EXPECT_DOUBLE_EQ(size.outside, rows[r].outside);
      EXPECT_DOUBLE_EQ(size.wall, rows[r].wall);
      EXPECT_DOUBLE_EQ(size.inner, rows[r].inner);
      // The inner diameter is the outside one less two walls, and the rows
      // grow from the smallest.
      EXPECT_NEAR(size.outside - 2 * size.wall, size.inner, 1e-9);
      if (r > 0) {
        EXPECT_GT(size.inner, series[s].sizes[r - 1].inner);
      }
    }
  }
}

TEST(PipeSeries, RowNamesTakeTheSeparatorInUse) {
  const auto series = calc::AllPipeSeries();
  const calc::PipeSize& steel = series[0].sizes[3];
  const calc::PipeSize& press = series[1].sizes[8];
  const calc::PipeSize& multilayer = series[5].sizes[1];
  EXPECT_EQ(calc::PipeSizeName(steel, ','), "DN25");
  EXPECT_EQ(calc::PipeSizeName(press, ','), "76,1x2,0");
  EXPECT_EQ(calc::PipeSizeName(press, '.'), "76.1x2.0");
  EXPECT_EQ(calc::PipeSizeName(multilayer, ','), "20x2,25");
}

TEST(PipeSeries, EveryRowAsTheSingleCalculationForItsDiameter) {
  // Water at 60 °C and a 28 % ethanol brine at 0 °C (ν in 1e-6 m²/s).
  const calc::Pipe fluids[] = {{0.0, 0.0, 983.0, 0.4748}, {0.0, 0.0, 967.5, 6.710}};
  for (const calc::PipeSeries& series : calc::AllPipeSeries()) {
    for (calc::Pipe pipe : fluids) {
      SCOPED_TRACE(series.swedish);
      pipe.roughnessMm = series.roughness;
      const float q = 0.5e-3f;
      const std::vector<calc::SizedPipe> rows = calc::SizeOverSeries(q, series, pipe);
      ASSERT_EQ(rows.size(), series.sizes.size());
      for (std::size_t i = 0; i < rows.size(); ++i) {
        pipe.diameterMm = series.sizes[i].inner;
        const calc::PipeFriction single = calc::RoerRVaerde(q, pipe);
        EXPECT_EQ(rows[i].size, &series.sizes[i]);
        EXPECT_TRUE(rows[i].fault.empty());
        // The same figures to the bit, not nearly.
        EXPECT_EQ(rows[i].friction.v, single.v);
        EXPECT_EQ(rows[i].friction.r, single.r);
      }
    }
  }
}

TEST(PipeSeries, FirstRowWithinBothLimits) {
  // Steel, 0.5 l/s of water at 60 °C: the first row within 0.8 m/s and
  // 100 Pa/m is the first within both, not the first within one.
  const calc::PipeSeries& steel = calc::AllPipeSeries()[0];
  const std::vector<calc::SizedPipe> rows = calc::SizeOverSeries(0.5e-3f, steel, {0.0, 0.045, 983.0, 0.4748});
  const int first = calc::FirstWithinLimits(rows, 0.8, 100.0);
  ASSERT_GE(first, 1);
  EXPECT_LE(rows[first].friction.v, 0.8f);
  EXPECT_LE(rows[first].friction.r, 100.0f);
  const calc::SizedPipe& before = rows[first - 1];
  EXPECT_TRUE(before.friction.v > 0.8f || before.friction.r > 100.0f);
  // Nothing within limits no row meets.
  EXPECT_EQ(calc::FirstWithinLimits(rows, 0.001, 100.0), -1);
}

}  // namespace
