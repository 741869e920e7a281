// A duct run's sums: each section's friction and local losses, the totals
// from the fan, the index run and the throttling of the other outlets, on a
// table of trees; the faults of a run; a run of 500 sections against sums
// worked out path by path.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/duct.h"
#include "calc/duct_run.h"

namespace {

using calc::RunFault;
using calc::RunSection;

// A section with the model's figures given directly: R in Pa/m, v in m/s,
// air of 1.2 kg/m3 (a dynamic pressure of 0.6 v^2).
RunSection Section(const std::string& name, const std::string& from, double length, double zeta, double r, double v) {
  return RunSection{name, from, length, zeta, v, r, 1.2};
}

TEST(DuctRun, AirDensityIsTheModels) {
  // 273 / (273 + 20) x 1.29 kg/m3, stored as a single.
  EXPECT_EQ(calc::AirDensity(20.0), 1.2019454f);
  EXPECT_EQ(calc::AirDensity(0.0), 1.29f);
}

TEST(DuctRun, SectionFiguresAreFrictionAndLocalLosses) {
  // 12 m at 1.5 Pa/m is 18 Pa; zeta 0.8 at 5 m/s is 0.8 x 1.2 x 25 / 2 = 12 Pa.
  const auto sums = calc::SumRun({Section("1", "", 12, 0.8, 1.5, 5)});
  ASSERT_EQ(sums.fault, RunFault::None);
  EXPECT_DOUBLE_EQ(sums.figures[0].friction, 18.0);
  EXPECT_DOUBLE_EQ(sums.figures[0].local, 12.0);
  EXPECT_DOUBLE_EQ(sums.figures[0].section, 30.0);
  EXPECT_DOUBLE_EQ(sums.figures[0].fromFan, 30.0);
  EXPECT_EQ(sums.indexRun, std::vector<std::size_t>{0});
  ASSERT_TRUE(sums.figures[0].throttle);
  EXPECT_DOUBLE_EQ(*sums.figures[0].throttle, 0.0);
}

TEST(DuctRun, TreesSumAlongTheirPathsToTheIndexRun) {
  struct Row {
    const char* tree;
    std::vector<RunSection> sections;
    std::vector<double> fromFan;
    std::vector<double> throttle;  // -1: no outlet
    std::vector<std::size_t> indexRun;
  };
  const std::vector<Row> rows = {
      {"a chain of three: one outlet, the index run",
       {Section("1", "", 10, 0, 1, 0), Section("2", "1", 10, 0, 2, 0), Section("3", "2", 5, 0, 2, 0)},
       {10, 30, 40},
       {-1, -1, 0},
       {0, 1, 2}},
      {"a main duct with two branches, the longer one the index run",
       {Section("1", "", 10, 0, 1, 0), Section("2", "1", 10, 0, 1, 0), Section("3", "1", 30, 0, 1, 0)},
       {10, 20, 40},
       {-1, 20, 0},
       {0, 2}},
      {"two branches of the fan itself, listed outlet first",
       {Section("A2", "A", 5, 0, 2, 0), Section("A", "", 5, 0, 2, 0), Section("B", "", 15, 0, 1, 0)},
       {20, 10, 15},
       {0, -1, 5},
       {1, 0}},
      {"equal outlets: the first is the index run",
       {Section("1", "", 10, 0, 1, 0), Section("2", "1", 10, 0, 1, 0), Section("3", "1", 10, 0, 1, 0)},
       {10, 20, 20},
       {-1, 0, 0},
       {0, 1}},
      {"local losses decide: a short branch with a damper",
       {Section("1", "", 10, 0, 1, 10), Section("2", "1", 20, 0, 1, 10), Section("3", "1", 2, 1, 1, 10)},
       {10, 30, 72},
       {-1, 42, 0},
       {0, 2}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.tree);
    const auto sums = calc::SumRun(row.sections);
    ASSERT_EQ(sums.fault, RunFault::None);
    for (std::size_t i = 0; i < row.sections.size(); ++i) {
      SCOPED_TRACE("section " + row.sections[i].name);
      EXPECT_DOUBLE_EQ(sums.figures[i].fromFan, row.fromFan[i]);
      if (row.throttle[i] < 0) {
        EXPECT_FALSE(sums.figures[i].throttle);
      } else {
        ASSERT_TRUE(sums.figures[i].throttle);
        EXPECT_DOUBLE_EQ(*sums.figures[i].throttle, row.throttle[i]);
      }
    }
    EXPECT_EQ(sums.indexRun, row.indexRun);
  }
}

TEST(DuctRun, FaultsGiveNoFigures) {
  struct Row {
    const char* fault;
    std::vector<RunSection> sections;
    RunFault expected;
    std::size_t at;
  };
  const std::vector<Row> rows = {
      {"a from that names no section",
       {Section("1", "", 1, 0, 1, 1), Section("2", "9", 1, 0, 1, 1)},
       RunFault::UnknownFrom,
       1},
      {"two sections continuing each other",
       {Section("1", "", 1, 0, 1, 1), Section("2", "3", 1, 0, 1, 1), Section("3", "2", 1, 0, 1, 1)},
       RunFault::Loop,
       1},
      {"a section continuing itself", {Section("1", "1", 1, 0, 1, 1)}, RunFault::Loop, 0},
      {"two sections of one name", {Section("1", "", 1, 0, 1, 1), Section("1", "", 1, 0, 1, 1)}, RunFault::SameName, 1},
      {"a negative length", {Section("1", "", -1, 0, 1, 1)}, RunFault::NegativeLength, 0},
      {"a negative sum of coefficients", {Section("1", "", 1, -0.5, 1, 1)}, RunFault::NegativeZeta, 0},
      // A length or sum that is no number never reaches a figure.
      {"a length that is no number", {Section("1", "", std::nan(""), 0, 1, 1)}, RunFault::NegativeLength, 0},
      {"a sum that is no number", {Section("1", "", 1, std::nan(""), 1, 1)}, RunFault::NegativeZeta, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.fault);
    const auto sums = calc::SumRun(row.sections);
    EXPECT_EQ(sums.fault, row.expected);
    EXPECT_EQ(sums.faultAt, row.at);
    EXPECT_TRUE(sums.figures.empty());
    EXPECT_TRUE(sums.indexRun.empty());
  }
  std::vector<RunSection> tooMany;
  for (std::size_t i = 0; i <= calc::kMostRunSections; ++i)
    tooMany.push_back(Section(std::to_string(i), "", 1, 0, 1, 1));
  EXPECT_EQ(calc::SumRun(tooMany).fault, RunFault::TooMany);
}

TEST(DuctRun, FiveHundredSectionsSumAsTheirPathsDo) {
  // A tree of 500 sections, each continuing the one at half its number, as a
  // main duct branching again and again; listed from the outlets backwards.
  std::vector<RunSection> sections;
  for (int i = 500; i >= 1; --i)
    sections.push_back(Section(std::to_string(i), i == 1 ? "" : std::to_string(i / 2), 1 + i % 7, (i % 3) * 0.5,
                               0.5 + (i % 5) * 0.25, 2 + i % 4));
  const auto sums = calc::SumRun(sections);
  ASSERT_EQ(sums.fault, RunFault::None);
  // Each path summed on its own, section by section up to the fan.
  const auto own = [](int i) {
    const double v = 2 + i % 4;
    return (0.5 + (i % 5) * 0.25) * (1 + i % 7) + (i % 3) * 0.5 * 1.2 * v * v / 2.0;
  };
  double largest = 0;
  for (int i = 500; i >= 1; --i) {
    double path = 0;
    for (int at = i; at >= 1; at /= 2) path += own(at);
    const std::size_t listed = static_cast<std::size_t>(500 - i);
    EXPECT_NEAR(sums.figures[listed].fromFan, path, 1e-9) << "section " << i;
    const bool outlet = 2 * i > 500;
    EXPECT_EQ(sums.figures[listed].throttle.has_value(), outlet) << "section " << i;
    if (outlet) largest = std::max(largest, path);
  }
  EXPECT_NEAR(sums.indexTotal, largest, 1e-9);
  EXPECT_EQ(sums.indexRun.size(), 9u);  // 1, then 8 halvings down to an outlet above 256
  EXPECT_EQ(sums.figures[sums.indexRun.front()].fromFan, sums.figures[sums.indexRun.front()].section);
}

}  // namespace
