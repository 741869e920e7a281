// Water properties, pipe friction and the largest-flow search of the pipe
// tab, against the worked examples of the pipe tab.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/errors.h"
#include "calc/flow_search.h"
#include "calc/numtext.h"
#include "calc/pipe.h"
#include "tests/calc/message_of.h"

namespace {

using calc::Pipe;
using calc::SearchCriterion;
using calc::SearchEnd;

const calc::NumberFormat kPoint{'.'};

// The viscosity as the tab shows it: general form cut to six characters.
std::string ShownViscosity(double t) { return calc::FormatGeneral(calc::VattenViskositet(t), kPoint).substr(0, 6); }

TEST(WaterProperties, ViscosityCutAndDensityRoundedAtTheExampleTemperatures) {
  struct Row {
    double t;
    const char* viscosity;
    long long density;
  };
  const std::vector<Row> rows = {
      {20.0, "0.9630", 998}, {10.0, "1.1819", 1000}, {4.0, "1.3459", 1000}, {50.0, "0.5614", 988},
      {80.0, "0.3583", 972}, {99.9, "0.2766", 960},  {0.5, "1.4555", 1000},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE("T = " + std::to_string(row.t));
    EXPECT_EQ(ShownViscosity(row.t), row.viscosity);
    EXPECT_EQ(calc::VattenDensitet(row.t), row.density);
  }
}

TEST(WaterProperties, ViscosityDigitsAreCutNotRounded) {
  // 0.96305... would round to 0.9631; the field shows the first six
  // characters.
  const std::string general = calc::FormatGeneral(calc::VattenViskositet(20.0), kPoint);
  ASSERT_GT(general.size(), 6u);
  EXPECT_EQ(general.substr(0, 7), "0.96305");
}

// A pipe as the examples give it: water at 20 C as the fields show it.
Pipe Steel20mm() { return Pipe{20.0, 0.045, 998.0, 0.9630}; }

TEST(PipeFriction, MatchesTheExamplesInEveryRegime) {
  struct Row {
    const char* name;
    Pipe pipe;
    double flowLs;
    double r;  // Pa/m, as shown
    double rTolerance;
    double v;  // m/s, as shown
    double vTolerance;
  };
  const std::vector<Row> rows = {
      {"steel 20 mm, 0.2 l/s, turbulent: 327.3 Pa/m, 0.637 m/s", Steel20mm(), 0.2, 327.3, 0.05, 0.637, 0.0005},
      {"steel 20 mm, 0.05 l/s, transition band: 25.8 Pa/m, 0.159 m/s", Steel20mm(), 0.05, 25.8, 0.05, 0.159, 0.0005},
      {"steel 20 mm, 0.01 l/s, laminar: 2.4 Pa/m, 0.032 m/s", Steel20mm(), 0.01, 2.4, 0.05, 0.032, 0.0005},
      {"steel 20 mm, 0.0001 l/s: 0.024 Pa/m, 0.0003 m/s", Steel20mm(), 0.0001, 0.024, 0.0005, 0.0003, 0.00005},
      {"pex 40 mm, 50 C, 2 l/s: 550.6 Pa/m, 1.6 m/s", {40.0, 0.0005, 988.0, 0.5614}, 2.0, 550.6, 0.05, 1.6, 0.05},
      {"copper 15 mm, 60 C, 0.1 l/s: 300.3 Pa/m, 0.566 m/s",
       {15.0, 0.015, 983.0, 0.4791},
       0.1,
       300.3,
       0.05,
       0.566,
       0.0005},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const calc::PipeFriction f = calc::RoerRVaerde(calc::ToSingle(row.flowLs / 1000.0), row.pipe);
    EXPECT_NEAR(f.r, row.r, row.rTolerance);
    EXPECT_NEAR(f.v, row.v, row.vTolerance);
  }
}

// Turbulent flow: the friction factor behind each pressure drop solves
// Colebrook's equation 1/sqrt(lambda) = -2 log10(k/(3.7 d) + 2.51/(Re
// sqrt(lambda))) as closely as the pipe's fine tolerance settles it, over
// smooth and rough pipes, low and high Reynolds numbers.
TEST(PipeFriction, TurbulentFrictionFactorSolvesColebrook) {
  for (const Pipe& pipe : {Steel20mm(), Pipe{40.0, 0.0005, 988.0, 0.5614}, Pipe{100.0, 1.0, 999.7, 1.3}}) {
    for (const double ls : {0.2, 1.0, 5.0, 20.0}) {
      const auto f = calc::RoerRVaerde(static_cast<float>(ls / 1000.0), pipe);
      const double d = pipe.diameterMm / 1000.0;
      const double re = f.v * d / (pipe.viscosity / 1e6);
      if (re < 4000.0) continue;
      SCOPED_TRACE(testing::Message() << pipe.diameterMm << " mm, " << ls << " l/s, Re " << re);
      const double lambda = 2.0 * f.r * d / (pipe.density * f.v * f.v);
      const double x = 1.0 / std::sqrt(lambda);
      const double colebrook = -2.0 * std::log10(pipe.roughnessMm / 1000.0 / (3.7 * d) + 2.51 * x / re);
      EXPECT_NEAR(x, colebrook, 2e-4);
    }
  }
}

TEST(PipeFriction, SameFlowInLitresPerHourGivesTheSameResult) {
  const auto ls = calc::RoerRVaerde(calc::ToSingle(0.2 / 1000.0), Steel20mm());
  const auto lh = calc::RoerRVaerde(calc::ToSingle(720.0 / 3600000.0), Steel20mm());
  EXPECT_EQ(ls.r, lh.r);
  EXPECT_EQ(ls.v, lh.v);
}

TEST(PipeFriction, TransitionBandIsNotContinuousAtRe3500) {
  // Just below Re 3500 the blend gives 1180/1200 of the turbulent value, so
  // the pressure drop steps up where the turbulent formula takes over.
  const Pipe pipe = Steel20mm();
  const double area = 0.02 * 0.02 * 3.141592653589793 / 4.0;
  const double qAt3500 = 3500.0 * 0.9630e-6 / 0.02 * area;
  const auto below = calc::RoerRVaerde(calc::ToSingle(qAt3500 * 0.9999), pipe);
  const auto above = calc::RoerRVaerde(calc::ToSingle(qAt3500 * 1.0001), pipe);
  EXPECT_NEAR(below.r / above.r, 1180.0 / 1200.0, 0.001);
}

TEST(PipeFriction, ArithmeticFaultsCarryTheirMessages) {
  struct Row {
    const char* name;
    Pipe pipe;
    float q;
    const char* message;
  };
  const std::vector<Row> rows = {
      {"flow 0: 64 / Re with Re 0", Steel20mm(), 0.0f, "Floating point division by zero"},
      {"inner diameter 0: the flow over no cross-section",
       {0.0, 0.045, 998.0, 0.963},
       0.0002f,
       "Floating point division by zero"},
      {"viscosity 0", {20.0, 0.045, 998.0, 0.0}, 0.0002f, "Floating point division by zero"},
      {"inner diameter and flow 0: 0 / 0", {0.0, 0.045, 998.0, 0.963}, 0.0f, "Invalid floating point operation"},
      {"roughness so negative the logarithm has no value",
       {20.0, -500.0, 998.0, 0.963},
       0.0002f,
       "Invalid floating point operation"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(MessageOf<calc::MathError>([&] { calc::RoerRVaerde(row.q, row.pipe); }), row.message);
  }
}

calc::FlowSearch Search(SearchCriterion criterion, float limit, const Pipe& pipe = Steel20mm()) {
  return calc::SearchFlowLimit(
      criterion, calc::SearchFrom(3.0f), [&](float q) { return calc::RoerRVaerde(q, pipe); }, [limit] { return limit; },
      calc::PipeSearchRules(criterion));
}

TEST(WaterSearch, FindsTheLargestFlowUnderTheLimit) {
  struct Row {
    const char* name;
    SearchCriterion criterion;
    float limit;
    double ls;  // flow found, l/s, to the shown digits
    double lsTolerance;
    long long lh;  // the same flow in whole l/h
  };
  const std::vector<Row> rows = {
      {"100 Pa/m: 0.100 l/s, 372 l/h", SearchCriterion::PressureDrop, 100.0f, 0.1034, 0.0005, 372},
      {"300 Pa/m: 0.190 l/s, 686 l/h", SearchCriterion::PressureDrop, 300.0f, 0.1905, 0.0005, 686},
      {"1 m/s: 0.31416 l/s, 1131 l/h", SearchCriterion::Velocity, 1.0f, 0.31416, 0.00005, 1131},
      {"0.1 m/s: 0.031 l/s, 113 l/h", SearchCriterion::Velocity, 0.1f, 0.031416, 0.00005, 113},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const calc::FlowSearch found = Search(row.criterion, row.limit);
    EXPECT_EQ(found.end, SearchEnd::Met);
    EXPECT_NEAR(found.q * 1000.0, row.ls, row.lsTolerance);
    EXPECT_EQ(calc::RoundHalfEven(found.q * 3600000.0), row.lh);
    const float value = row.criterion == SearchCriterion::PressureDrop ? found.atQ.r : found.atQ.v;
    EXPECT_NEAR(value, row.limit, 0.0001);
  }
}

TEST(WaterSearch, VelocityAndPressureDropFoundTogether) {
  const calc::FlowSearch byPressure = Search(SearchCriterion::PressureDrop, 100.0f);
  EXPECT_NEAR(byPressure.atQ.v, 0.329, 0.0005);
  const calc::FlowSearch byVelocity = Search(SearchCriterion::Velocity, 0.1f);
  EXPECT_NEAR(byVelocity.atQ.r, 7.7, 0.05);
}

TEST(WaterSearch, EndsWithoutAFlowOrWithTheLargestOneKnownToMeetTheLimit) {
  // A limit of 0 or below: every flow exceeds it.
  EXPECT_EQ(Search(SearchCriterion::PressureDrop, 0.0f).end, SearchEnd::ZeroLimit);
  EXPECT_EQ(Search(SearchCriterion::PressureDrop, -5.0f).end, SearchEnd::NegativeLimit);
  EXPECT_EQ(Search(SearchCriterion::Velocity, -1.0f).end, SearchEnd::NegativeLimit);

  // A limit inside the step of the pressure drop at Re 3500: no flow has it,
  // the bracket closes on the step and the flow below it is the answer.
  const Pipe pipe = Steel20mm();
  const double area = 0.02 * 0.02 * 3.141592653589793 / 4.0;
  const double qAt3500 = 3500.0 * 0.9630e-6 / 0.02 * area;
  const float below = calc::RoerRVaerde(calc::ToSingle(qAt3500 * 0.9999), pipe).r;
  const float above = calc::RoerRVaerde(calc::ToSingle(qAt3500 * 1.0001), pipe).r;
  const float inStep = (below + above) / 2.0f;
  const calc::FlowSearch step = Search(SearchCriterion::PressureDrop, inStep);
  EXPECT_EQ(step.end, SearchEnd::Stalled);
  EXPECT_LE(calc::RoerRVaerde(step.s, pipe).r, inStep);
  EXPECT_GT(calc::RoerRVaerde(std::nextafter(step.s, 1.0f), pipe).r, inStep);

  // Limits near a million Pa/m, where neighbouring singles lie 0.0625 apart:
  // a pressure drop either lands on the limit exactly or steps over it, and
  // then the largest flow below the step is the answer.
  int stalled = 0;
  for (int i = 0; i < 20; ++i) {
    const float limit = 1000000.0f + 0.0625f * static_cast<float>(i);
    SCOPED_TRACE("limit " + std::to_string(limit));
    const calc::FlowSearch coarse = Search(SearchCriterion::PressureDrop, limit);
    EXPECT_LT(coarse.trials, calc::kMaxSearchTrials);
    if (coarse.end == SearchEnd::Met) {
      EXPECT_EQ(coarse.atQ.r, limit);
      continue;
    }
    ASSERT_EQ(coarse.end, SearchEnd::Stalled);
    ++stalled;
    EXPECT_LE(calc::RoerRVaerde(coarse.s, pipe).r, limit);
    EXPECT_GT(calc::RoerRVaerde(std::nextafter(coarse.s, 10.0f), pipe).r, limit);
  }
  EXPECT_GT(stalled, 0);
}

}  // namespace

namespace {

TEST(PipeFriction, AFrictionFactorThatDoesNotSettleEndsWithAMessage) {
  // A negative roughness that keeps the logarithm defined but sends the
  // iteration back and forth between two values for ever (found by a search
  // over random pipes).
  const Pipe pipe{5958.8661390652196, -40.463819379431705, 1000.0, 4.3053507004703162};
  EXPECT_EQ(MessageOf<calc::CalcFault>([&] { calc::RoerRVaerde(0.174126074f, pipe); }), "FrictionNotSettled");
}

}  // namespace
