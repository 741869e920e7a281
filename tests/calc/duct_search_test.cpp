// The largest-flow search of the duct tab, driven by the real friction model.
#include "calc/flow_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/duct.h"

namespace {

using calc::AirFlowUnit;
using calc::FlowSearch;
using calc::SearchCriterion;
using calc::SearchEnd;

struct SearchCase {
  const char* name;
  const char* dim;
  float ksi;
  bool circularChosen;
  AirFlowUnit unit;
  SearchCriterion criterion;
  double limit;
};

FlowSearch Search(const SearchCase& c) {
  const calc::NumberFormat fmt;
  const calc::DuctAir air{"20", c.unit, c.circularChosen};
  const auto evaluate = [&](float q) { return calc::Rvaerde(c.dim, q, 0.025f, c.ksi, 0, air, fmt); };
  return calc::SearchFlowLimit(c.criterion, FlowSearch{}, evaluate, [&] { return c.limit; });
}

long long Truncated(float q) { return static_cast<long long>(std::trunc(static_cast<double>(q))); }

constexpr auto kLs = AirFlowUnit::LitresPerSecond;
constexpr auto kPa = SearchCriterion::PressureDrop;
constexpr auto kVel = SearchCriterion::Velocity;

TEST(DuctSearch, FindsTheLargestFlowUnderTheLimit) {
  struct Row {
    SearchCase c;
    long long flow;
    float shown;  // the criterion's value at the flow found
  };
  const Row rows[] = {
      {{"diameter 200, 1 Pa/m: 124 l/s", "200", 0.0f, true, kLs, kPa, 1.0}, 124, 1.0f},
      {{"diameter 200, 5 m/s: 157 l/s", "200", 0.0f, true, kLs, kVel, 5.0}, 157, 5.0f},
      {{"diameter 100, 0.5 Pa/m: 12 l/s, fraction dropped", "100", 0.0f, true, kLs, kPa, 0.5}, 12, 0.5f},
      {{"Veloduct 250 with its joint coefficient, 1 Pa/m: 205 l/s", "250", 0.019f, true, kLs, kPa, 1.0}, 205, 1.0f},
      {{"rectangular 400*200, 1 Pa/m: 385 l/s", "400*200", 0.0f, false, kLs, kPa, 1.0}, 385, 1.0f},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.c.name);
    const FlowSearch found = Search(row.c);
    EXPECT_EQ(found.end, SearchEnd::Met);
    EXPECT_EQ(Truncated(found.q), row.flow);
    const float value = row.c.criterion == kPa ? found.atQ.r : found.atQ.v;
    EXPECT_NEAR(value, row.shown, 0.001);
  }
}

TEST(DuctSearch, CubicMetresPerHourGiveThreePointSixTimesTheFlow) {
  const SearchCase litres{"200, 1 Pa/m in l/s", "200", 0.0f, true, kLs, kPa, 1.0};
  SearchCase cubic = litres;
  cubic.unit = AirFlowUnit::CubicMetresPerHour;
  const FlowSearch inLitres = Search(litres);
  const FlowSearch inCubic = Search(cubic);
  EXPECT_NEAR(inCubic.q, inLitres.q * 3.6, 3.6 * 0.01 * inLitres.q);
  EXPECT_EQ(Truncated(inCubic.q), 449);
}

TEST(DuctSearch, LargeDuctClimbsInEqualStepsAndStillEnds) {
  const FlowSearch found = Search({"diameter 1250, 1 Pa/m", "1250", 0.0f, true, kLs, kPa, 1.0});
  EXPECT_EQ(found.end, SearchEnd::Met);
  EXPECT_GT(found.q, 16000.0f);
  EXPECT_LT(found.q, 16400.0f);
  EXPECT_LT(found.trials, 200);
}

TEST(DuctSearch, EndsOnLimitsNoFlowMeets) {
  struct Row {
    SearchCase c;
    SearchEnd end;
  };
  const Row rows[] = {
      {{"negative pressure drop", "200", 0.0f, true, kLs, kPa, -1.0}, SearchEnd::NegativeLimit},
      {{"negative velocity", "200", 0.0f, true, kLs, kVel, -0.5}, SearchEnd::NegativeLimit},
      {{"zero pressure drop", "1250", 0.0f, true, kLs, kPa, 0.0}, SearchEnd::ZeroLimit},
      {{"pressure drop beyond any flow within the step bound", "200", 0.0f, true, kLs, kPa, 1e9},
       SearchEnd::TooManySteps},
      {{"velocity beyond single precision", "200", 0.0f, true, kLs, kVel, 1e30}, SearchEnd::TooManySteps},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.c.name);
    const FlowSearch found = Search(row.c);
    EXPECT_EQ(found.end, row.end);
    EXPECT_LE(found.trials, calc::kMaxSearchTrials);
    if (row.end == SearchEnd::ZeroLimit) {
      EXPECT_EQ(found.q, 0.0f);
    }
  }
}

// At Re 3500 a 63 mm duct's pressure drop steps from 0.2766 to 0.2814 Pa/m:
// a limit between them is met by no flow within 0.001. The bracket closes on
// the largest flow below the step.
TEST(DuctSearch, LimitInsideTheFrictionStepStallsAtTheLargestGoodFlow) {
  const SearchCase c{"63 mm, 0.279 Pa/m", "63", 0.0f, false, kLs, kPa, 0.279};
  const FlowSearch found = Search(c);
  EXPECT_EQ(found.end, SearchEnd::Stalled);
  EXPECT_NEAR(found.s, 2.6150224f, 1e-5f);
  const calc::DuctAir air{"20", kLs, false};
  const auto atS = calc::Rvaerde("63", found.s, 0.025f, 0.0f, 0, air, calc::NumberFormat{});
  ASSERT_TRUE(atS.has_value());
  EXPECT_LE(atS->r, 0.279f);
}

TEST(DuctSearch, LimitIsReadAfterTheFirstTrialAndItsFaultEndsTheSearch) {
  int trials = 0;
  const auto evaluate = [&](float) -> std::optional<calc::DuctFriction> {
    ++trials;
    return calc::DuctFriction{1.0f, 1.0f};
  };
  const auto unreadable = []() -> double { throw std::runtime_error("'x' is not a valid floating point value"); };
  EXPECT_THROW(calc::SearchFlowLimit(kPa, FlowSearch{}, evaluate, unreadable), std::runtime_error);
  EXPECT_EQ(trials, 1);
}

}  // namespace
