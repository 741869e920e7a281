// Valve kv and Fe, and heat power and water flow, against the worked examples
// of the valve and power tabs.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "calc/errors.h"
#include "calc/numtext.h"
#include "calc/power.h"
#include "calc/valve.h"
#include "tests/calc/message_of.h"

namespace {

const calc::NumberFormat kPoint{'.'};

// As the valve tab shows a value: n decimals at 10 significant digits.
std::string Shown(float value, int decimals) { return calc::FormatFixed(value, 10, decimals, kPoint); }

// Flows in m3/h and pressure drops in bar, as the tab hands them over.
float LitresPerSecond(double ls) { return calc::ToSingle(ls * 3.6); }
float KiloPascal(double kpa) { return calc::ToSingle(kpa / 100.0); }

TEST(Valve, ResultsMatchTheExamplesInEveryMode) {
  struct Row {
    const char* name;
    float value;
    int decimals;
    const char* shown;
  };
  const float d25 = calc::ToSingle(25.0 / 1000.0);
  const std::vector<Row> rows = {
      {"kv: 1 l/s at 10 kPa", calc::VentilKv(LitresPerSecond(1), KiloPascal(10)), 2, "11.38"},
      {"kv: 1000 l/h at 100 kPa", calc::VentilKv(calc::ToSingle(1000.0 / 1000.0), KiloPascal(100)), 2, "1.00"},
      {"kv: 100 m3/h at 0.5 bar", calc::VentilKv(100.0f, 0.5f), 1, "141.4"},
      {"kv: 1 l/s at 1000 mm VP", calc::VentilKv(LitresPerSecond(1), calc::ToSingle(1000.0 / 10000.0)), 2, "11.38"},
      {"pressure by kv 4, 1 l/s, in kPa", calc::ToSingle(calc::VentilTryckfallKv(LitresPerSecond(1), 4.0f) * 100.0), 3,
       "81.000"},
      {"pressure by kv 4, 1 l/s, in mm VP", calc::ToSingle(calc::VentilTryckfallKv(LitresPerSecond(1), 4.0f) * 10000.0),
       3, "8100.000"},
      {"pressure by kv 4, 1 l/s, in bar", calc::VentilTryckfallKv(LitresPerSecond(1), 4.0f), 3, "0.810"},
      {"flow by kv 4 at 10 kPa, in l/s", calc::ToSingle(calc::VentilFlodeKv(KiloPascal(10), 4.0f) * 1000.0 / 3600.0), 2,
       "0.35"},
      {"flow by kv 4 at 10 kPa, in l/h", calc::ToSingle(calc::VentilFlodeKv(KiloPascal(10), 4.0f) * 1000.0), 1,
       "1264.9"},
      {"flow by kv 4 at 10 kPa, in m3/h", calc::VentilFlodeKv(KiloPascal(10), 4.0f), 1, "1.3"},
      {"Fe: 1 l/s, 10 kPa, 25 mm", calc::VentilFe(LitresPerSecond(1), KiloPascal(10), d25), 4, "0.6830"},
      {"pressure by Fe 0.6830, 1 l/s, 25 mm, in kPa",
       calc::ToSingle(calc::VentilTryckfallFe(LitresPerSecond(1), 0.6830f, d25) * 100.0), 3, "10.001"},
      {"flow by Fe 0.6830, 10 kPa, 25 mm, just below 1 l/s",
       calc::ToSingle(calc::VentilFlodeFe(KiloPascal(10), 0.6830f, d25) * 1000.0 / 3600.0), 2, "1.00"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Shown(row.value, row.decimals), row.shown);
  }
  // The flow by Fe lies just below 1 l/s: it is shown with two decimals.
  EXPECT_LT(calc::VentilFlodeFe(KiloPascal(10), 0.6830f, d25) * 1000.0 / 3600.0, 1.0);
}

TEST(Valve, ArithmeticFaultsCarryTheirMessages) {
  const char* zero = "Floating point division by zero";
  const char* invalid = "Invalid floating point operation";
  struct Row {
    const char* name;
    std::function<void()> call;
    const char* message;
  };
  const std::vector<Row> rows = {
      {"kv: pressure drop 0", [] { calc::VentilKv(3.6f, 0.0f); }, zero},
      {"kv: flow and pressure drop 0", [] { calc::VentilKv(0.0f, 0.0f); }, invalid},
      {"kv: negative pressure drop", [] { calc::VentilKv(3.6f, -0.1f); }, invalid},
      {"pressure by kv: kv 0", [] { calc::VentilTryckfallKv(3.6f, 0.0f); }, zero},
      {"Fe: inner diameter 0", [] { calc::VentilFe(3.6f, 0.1f, 0.0f); }, zero},
      {"Fe: flow 0", [] { calc::VentilFe(0.0f, 0.1f, 0.025f); }, zero},
      {"Fe: pressure drop 0", [] { calc::VentilFe(3.6f, 0.0f, 0.025f); }, zero},
      {"Fe: negative pressure drop", [] { calc::VentilFe(3.6f, -0.1f, 0.025f); }, invalid},
      {"pressure by Fe: inner diameter 0", [] { calc::VentilTryckfallFe(3.6f, 0.683f, 0.0f); }, zero},
      {"pressure by Fe: flow 0", [] { calc::VentilTryckfallFe(0.0f, 0.683f, 0.025f); }, zero},
      {"flow by kv: negative pressure drop", [] { calc::VentilFlodeKv(-0.1f, 4.0f); }, invalid},
      {"flow by Fe: negative pressure drop", [] { calc::VentilFlodeFe(-0.1f, 0.683f, 0.025f); }, invalid},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(MessageOf<calc::MathError>(row.call), row.message);
  }
  // With no inner diameter the flow by Fe is simply 0.
  EXPECT_EQ(calc::VentilFlodeFe(0.1f, 0.683f, 0.0f), 0.0f);
}

using calc::FlowUnit;
using calc::PowerUnit;

std::string PowerShown(const calc::Power& p) {
  if (const auto* w = std::get_if<std::int64_t>(&p)) return std::to_string(*w);
  const float kw = std::get<float>(p);
  return calc::FormatFixed(kw, 6, kw >= 1000.0f ? 1 : kw >= 100.0f ? 2 : 3, kPoint);
}

std::string FlowShown(const calc::WaterFlow& q) {
  if (const auto* lh = std::get_if<std::int64_t>(&q)) return std::to_string(*lh);
  const float ls = std::get<float>(q);
  return calc::FormatFixed(ls, 6, ls >= 0.001f ? 3 : 6, kPoint);
}

TEST(Power, FromFlowInEveryUnit) {
  struct Row {
    const char* name;
    double flow;
    FlowUnit flowUnit;
    double cp;
    double deltaT;
    PowerUnit wanted;
    const char* shown;
  };
  const auto ls = FlowUnit::LitresPerSecond;
  const auto lh = FlowUnit::LitresPerHour;
  const auto w = PowerUnit::Watt;
  const auto kw = PowerUnit::Kilowatt;
  const std::vector<Row> rows = {
      {"1 l/s, 20 C: 83680 W", 1, ls, 4184, 20, w, "83680"},
      {"1 l/s, 20 C: 83.680 kW", 1, ls, 4184, 20, kw, "83.680"},
      {"10 l/s: 836.80 kW", 10, ls, 4184, 20, kw, "836.80"},
      {"100 l/s: 8368.0 kW", 100, ls, 4184, 20, kw, "8368.0"},
      {"3600 l/h as 1 l/s: 83680 W", 3600, lh, 4184, 20, w, "83680"},
      {"3600 l/h as 1 l/s: 83.680 kW", 3600, lh, 4184, 20, kw, "83.680"},
      {"halves to even: 0.5 W gives 0", 0.5, ls, 1, 1, w, "0"},
      {"halves to even: 1.5 W gives 2", 1.5, ls, 1, 1, w, "2"},
      {"halves to even: 2.5 W gives 2", 2.5, ls, 1, 1, w, "2"},
      {"negative temperature difference: negative watts", 1, ls, 4184, -20, w, "-83680"},
      {"negative temperature difference in kW: three decimals", 10, ls, 4184, -20, kw, "-836.800"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(PowerShown(calc::PowerFromFlow(row.flow, row.flowUnit, row.cp, row.deltaT, row.wanted)), row.shown);
  }
}

TEST(Power, FlowFromPowerInEveryUnit) {
  struct Row {
    const char* name;
    double power;
    PowerUnit powerUnit;
    FlowUnit wanted;
    const char* shown;
  };
  const std::vector<Row> rows = {
      {"83680 W: 1.000 l/s", 83680, PowerUnit::Watt, FlowUnit::LitresPerSecond, "1.000"},
      {"83680 W: 3600 l/h", 83680, PowerUnit::Watt, FlowUnit::LitresPerHour, "3600"},
      {"83.68 kW: 1.000 l/s", 83.68, PowerUnit::Kilowatt, FlowUnit::LitresPerSecond, "1.000"},
      {"83.68 kW: 3600 l/h", 83.68, PowerUnit::Kilowatt, FlowUnit::LitresPerHour, "3600"},
      {"10 W: below 0.001 l/s, six decimals", 10, PowerUnit::Watt, FlowUnit::LitresPerSecond, "0.000120"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(FlowShown(calc::FlowFromPower(row.power, row.powerUnit, 4184, 20, row.wanted)), row.shown);
  }
}

TEST(Power, FlowFromPowerFaultsCarryTheirMessages) {
  const auto flow = [](double power, double cp, double deltaT) {
    return [=] { calc::FlowFromPower(power, PowerUnit::Watt, cp, deltaT, FlowUnit::LitresPerSecond); };
  };
  EXPECT_EQ(MessageOf<calc::MathError>(flow(1000, 4184, 0)), "Floating point division by zero");
  EXPECT_EQ(MessageOf<calc::MathError>(flow(1000, 0, 20)), "Floating point division by zero");
  EXPECT_EQ(MessageOf<calc::MathError>(flow(0, 4184, 0)), "Invalid floating point operation");
}

}  // namespace
