// The brines' properties against the property tables' own figures: a mass
// fraction taken as a volume fraction, or the viscosity fit taken as the
// viscosity itself rather than its logarithm, misses them by far.
#include "calc/brine.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Brine, PropertiesAsTheTablesGiveThem) {
  struct Row {
    const char* name;
    calc::Brine brine;
    double percent;
    double freezing;
    double celsius;
    double density, heatCapacity, viscosity;
  };
  const Row rows[] = {
      {"ethylene glycol 30 % at 0 °C", calc::Brine::EthyleneGlycol, 30, -14.58, 0, 1045.0, 3658, 4.298},
      {"ethylene glycol 30 % at 20 °C", calc::Brine::EthyleneGlycol, 30, -14.58, 20, 1038.0, 3718, 2.166},
      {"propylene glycol 30 % at 0 °C", calc::Brine::PropyleneGlycol, 30, -12.79, 0, 1031.6, 3803, 7.117},
      {"propylene glycol 30 % at 20 °C", calc::Brine::PropyleneGlycol, 30, -12.79, 20, 1023.8, 3857, 2.965},
      {"ethanol 28 % at 0 °C", calc::Brine::Ethanol, 28, -18.24, 0, 967.5, 4213, 6.492},
      {"ethanol 28 % at 20 °C", calc::Brine::Ethanol, 28, -18.24, 20, 957.3, 4247, 2.582},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    // To half a unit of the tables' last digit.
    EXPECT_NEAR(calc::BrineFreezingPoint(row.brine, row.percent), row.freezing, 0.005);
    const calc::BrineProperties p = calc::BrinePropertiesAt(row.brine, row.percent, row.celsius);
    EXPECT_NEAR(p.density, row.density, 0.05);
    EXPECT_NEAR(p.heatCapacity, row.heatCapacity, 0.5);
    EXPECT_NEAR(p.viscosity, row.viscosity, 0.0005);
    EXPECT_DOUBLE_EQ(p.kinematic, p.viscosity * 1e-3 / p.density);
  }
}

TEST(Brine, HighestTemperatureOfEachFluid) {
  EXPECT_EQ(calc::BrineHighestTemperature(calc::Brine::EthyleneGlycol), 100.0);
  EXPECT_EQ(calc::BrineHighestTemperature(calc::Brine::PropyleneGlycol), 100.0);
  EXPECT_EQ(calc::BrineHighestTemperature(calc::Brine::Ethanol), 40.0);
}

TEST(Brine, RefusedOutsideItsFits) {
  using Kind = calc::BrineRefusal::Kind;
  struct Row {
    const char* name;
    calc::Brine brine;
    double percent, celsius;
    Kind kind;
    double limit;  // checked to the tenth it is shown with
  };
  const double nan = std::nan("");
  const Row rows[] = {
      {"ethanol 28 % at 0 °C: fine", calc::Brine::Ethanol, 28, 0, Kind::None, 0},
      {"ethanol 28 % at -18.2 °C, above its freezing point -18.24: fine", calc::Brine::Ethanol, 28, -18.2, Kind::None,
       0},
      {"ethanol 28 % at -18.3 °C: frozen at -18.2", calc::Brine::Ethanol, 28, -18.3, Kind::Freezes, -18.2},
      {"propylene glycol 30 % at its freezing point exactly", calc::Brine::PropyleneGlycol, 30,
       calc::BrineFreezingPoint(calc::Brine::PropyleneGlycol, 30), Kind::Freezes, -12.8},
      {"ethanol above 40 °C", calc::Brine::Ethanol, 28, 40.5, Kind::TooWarm, 40},
      {"ethylene glycol at 100 °C: fine", calc::Brine::EthyleneGlycol, 30, 100, Kind::None, 0},
      {"ethylene glycol above 100 °C", calc::Brine::EthyleneGlycol, 30, 101, Kind::TooWarm, 100},
      {"61 %", calc::Brine::EthyleneGlycol, 61, 20, Kind::Concentration, 0},
      {"below 0 %", calc::Brine::Ethanol, -1, 20, Kind::Concentration, 0},
      {"no number as concentration", calc::Brine::Ethanol, nan, 20, Kind::Concentration, 0},
      {"no number as temperature", calc::Brine::Ethanol, 28, nan, Kind::Freezes, -18.2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const calc::BrineRefusal refusal = calc::RefuseBrine(row.brine, row.percent, row.celsius);
    EXPECT_EQ(refusal.kind, row.kind);
    if (row.kind == Kind::Freezes || row.kind == Kind::TooWarm) {
      EXPECT_NEAR(refusal.limit, row.limit, 0.05);
    }
  }
}

}  // namespace
