// Writes the figures of every calculation for a fixed set of inputs, one a
// line: singles as their bits, whole numbers and texts as shown. The Linux and
// the Windows build write the same lines or a figure differs between the two
// (tests/calc/same_figures.sh compares them).
//
// The inputs are made with integer steps and exact scalings only, never with
// the maths library, so that both builds calculate from the same numbers.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>

#include "calc/co2.h"
#include "calc/duct.h"
#include "calc/duct_run.h"
#include "calc/duct_series.h"
#include "calc/errors.h"
#include "calc/flow_search.h"
#include "calc/numtext.h"
#include "calc/pipe.h"
#include "calc/power.h"
#include "calc/valve.h"

namespace {

const calc::NumberFormat kPoint{'.'};

// Reproducible inputs: splitmix64.
class Inputs {
 public:
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1), exactly a multiple of 2^-53.
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  // Spread over the powers of two from 2^lo up to 2^hi.
  double Spread(int lo, int hi) {
    return std::ldexp(1.0 + Unit(), lo + static_cast<int>(Next() % static_cast<std::uint64_t>(hi - lo)));
  }

 private:
  std::uint64_t state_ = 0x5a17e9b3c0ffee11ULL;
};

std::string Bits(float f) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &f, sizeof bits);
  char text[16];
  std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(bits));
  return text;
}

std::string Bits(double d) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &d, sizeof bits);
  char text[24];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(bits));
  return text;
}

// One line: the kind, then the figures, or the message of the fault.
template <class Calculation>
void Line(const char* kind, Calculation calculation) {
  std::string figures;
  try {
    figures = calculation();
  } catch (const std::exception& e) {
    figures = std::string("fault: ") + e.what();
  }
  std::printf("%s %s\n", kind, figures.c_str());
}

std::string Found(const calc::FlowSearch& f) {
  return Bits(f.q) + " " + Bits(f.s) + " " + Bits(f.atQ.r) + " " + Bits(f.atQ.v) + " " + std::to_string(f.trials) +
         " " + std::to_string(static_cast<int>(f.end));
}

void Ducts(Inputs& in) {
  const char* dims[] = {"80",   "100",     "125",     "160",     "200",      "315",       "500",    "800",
                        "1250", "200*100", "400*200", "600*400", "1000*500", "2000*1000", "150*150"};
  for (const char* dim : dims)
    for (const char* temperature : {"-20", "0", "20", "22.5", "60"})
      for (const float roughness : {0.025f, 0.15f})
        for (const int insulation : {0, 25})
          for (const auto unit : {calc::AirFlowUnit::LitresPerSecond, calc::AirFlowUnit::CubicMetresPerHour})
            for (int i = 0; i < 60; ++i) {
              const float flow = static_cast<float>(i < 30 ? (i + 1) * 7.5 : in.Spread(0, 13));
              const calc::DuctAir air{temperature, unit, i % 2 == 0};
              const float ksi = i % 3 == 0 ? 0.019f : 0.0f;
              Line("duct", [&] {
                const auto r = calc::Rvaerde(dim, flow, roughness, ksi, insulation, air, kPoint);
                return r ? Bits(r->r) + " " + Bits(r->v) : std::string("none");
              });
            }
  const char* searched[] = {"100", "160", "250", "400", "1000", "300*200", "800*400", "1200*600"};
  for (const char* dim : searched)
    for (const char* temperature : {"0", "20", "40"})
      for (const auto criterion : {calc::SearchCriterion::PressureDrop, calc::SearchCriterion::Velocity})
        for (int step = 1; step <= 30; ++step) {
          const double limit = criterion == calc::SearchCriterion::PressureDrop ? step * 0.2 : step * 0.5;
          const calc::DuctAir air{temperature, calc::AirFlowUnit::LitresPerSecond, true};
          const auto evaluate = [&](float q) { return calc::Rvaerde(dim, q, 0.025f, 0.0f, 0, air, kPoint); };
          Line("duct-search", [&] {
            return Found(calc::SearchFlowLimit(criterion, calc::FlowSearch{}, evaluate, [&] { return limit; }));
          });
        }
  for (const long long side : {100, 250, 400, 1000})
    for (const long long step : {50, 100})
      for (const long long ratio : {0, 1, 2, 3, 4})
        for (const long long insulation : {0, 30}) {
          const calc::RectangularSeries series = calc::PlanRectangularSeries(side, step, ratio, insulation);
          Line("rectangular-series", [&] {
            return std::to_string(series.offset) + " " + std::to_string(series.largest) + " " +
                   std::to_string(series.count);
          });
        }
}

void Water(Inputs& in) {
  // The tab reads the temperature as typed and shows the viscosity cut to
  // six characters.
  for (int hundredths = -1000; hundredths <= 15000; ++hundredths) {
    const std::string typed = calc::FormatFixed(hundredths / 100.0, 15, 2, kPoint);
    Line("water", [&] {
      const double t = calc::StrToFloat(typed, kPoint);
      return calc::FormatGeneral(calc::VattenViskositet(t), kPoint).substr(0, 6) + " " +
             std::to_string(calc::VattenDensitet(t));
    });
  }
  const double diameters[] = {10, 16, 20.4, 26, 32.8, 41.6, 53.9, 80.8, 100, 150, 300};
  for (const double d : diameters)
    for (const double roughness : {0.0015, 0.045, 0.5})
      for (const double temperature : {10.0, 45.0, 80.0}) {
        const std::string viscosity = calc::FormatGeneral(calc::VattenViskositet(temperature), kPoint).substr(0, 6);
        const calc::Pipe pipe{d, roughness, static_cast<double>(calc::VattenDensitet(temperature)),
                              calc::StrToFloat(viscosity, kPoint)};
        for (int i = 0; i < 80; ++i) {
          const float q = static_cast<float>(i < 40 ? (i + 1) * 0.00025 * d * d / 100 : in.Spread(-14, 6));
          Line("pipe", [&] {
            const calc::PipeFriction r = calc::RoerRVaerde(q, pipe);
            return Bits(r.r) + " " + Bits(r.v);
          });
        }
        for (const auto criterion : {calc::SearchCriterion::PressureDrop, calc::SearchCriterion::Velocity})
          for (int step = 1; step <= 20; ++step) {
            const double limit = criterion == calc::SearchCriterion::PressureDrop ? step * 50.0 : step * 0.2;
            const auto evaluate = [&](float q) -> std::optional<calc::Friction> {
              return calc::RoerRVaerde(q / 1000.0f, pipe);
            };
            Line("pipe-search", [&] {
              return Found(calc::SearchFlowLimit(
                  criterion, calc::SearchFrom(3.0f), evaluate, [&] { return limit; },
                  calc::PipeSearchRules(criterion)));
            });
          }
      }
}

void Valves(Inputs& in) {
  for (int i = 0; i < 40000; ++i) {
    const float q = static_cast<float>(i % 2 ? in.Spread(-4, 12) : (i % 1000 + 1) * 0.1);
    const float dp = static_cast<float>(in.Spread(-6, 6));
    const float d = static_cast<float>(i % 3 ? 0.01 * (1 + i % 50) : in.Unit() * 0.3 + 0.005);
    const float kv = static_cast<float>(in.Spread(-4, 8));
    const float fe = static_cast<float>(in.Unit() * 6 - 1);
    Line("valve", [&] {
      return Bits(calc::VentilKv(q, dp)) + " " + Bits(calc::VentilFe(q, dp, d)) + " " +
             Bits(calc::VentilTryckfallKv(q, kv)) + " " + Bits(calc::VentilTryckfallFe(q, fe, d)) + " " +
             Bits(calc::VentilFlodeKv(dp, kv)) + " " + Bits(calc::VentilFlodeFe(dp, fe, d));
    });
  }
}

void Powers(Inputs& in) {
  const auto text = [](const auto& figure) {
    return std::visit(
        [](auto value) {
          if constexpr (std::is_same_v<decltype(value), float>) {
            return Bits(value);
          } else {
            return std::to_string(value);
          }
        },
        figure);
  };
  for (int i = 0; i < 20000; ++i) {
    const double flow = i % 2 ? in.Unit() * 1000 : (i % 5000) * 0.05;
    const double deltaT = (i % 40) + 1 + (i % 7) * 0.5;
    Line("power", [&] {
      std::string figures;
      for (const auto flowUnit : {calc::FlowUnit::LitresPerSecond, calc::FlowUnit::LitresPerHour})
        for (const auto powerUnit : {calc::PowerUnit::Watt, calc::PowerUnit::Kilowatt}) {
          figures += text(calc::PowerFromFlow(flow, flowUnit, 4.18, deltaT, powerUnit)) + " ";
          figures += text(calc::FlowFromPower(flow * 100, powerUnit, 4.18, deltaT, flowUnit)) + " ";
        }
      return figures;
    });
  }
}

// Duct runs of up to 60 sections, each continuing a section before it.
void Runs(Inputs& in) {
  for (int run = 0; run < 200; ++run) {
    std::vector<calc::RunSection> sections;
    const int count = 1 + run % 60;
    for (int i = 0; i < count; ++i)
      sections.push_back(calc::RunSection{std::to_string(i), i == 0 ? "" : std::to_string(in.Next() % i),
                                          in.Unit() * 40, in.Unit() * 3, in.Unit() * 12, in.Unit() * 4,
                                          calc::AirDensity(in.Unit() * 60 - 20)});
    Line("duct-run", [&] {
      const calc::RunSums sums = calc::SumRun(sections);
      std::string figures = Bits(sums.indexTotal);
      for (const calc::RunFigures& f : sums.figures)
        figures += " " + Bits(f.fromFan) + (f.throttle ? "/" + Bits(*f.throttle) : "");
      return figures;
    });
  }
}

void Rooms(Inputs& in) {
  for (int i = 0; i < 40000; ++i) {
    const calc::Room room{static_cast<float>(in.Unit() * 0.2 + 0.0005), static_cast<float>(10 + i % 400),
                          350.0f + static_cast<float>(i % 3) * 50.0f, static_cast<float>(i % 60)};
    const float k0 = 350.0f + static_cast<float>(i % 17) * 50.0f;
    const auto t = static_cast<std::int64_t>(in.Unit() * 200000);
    Line("co2-law", [&] { return Bits(calc::CO2Formel(k0, room, t)); });
  }
  for (int i = 0; i < 3000; ++i) {
    const double outdoorLs = i % 2 ? 0.5 + (i % 200) * 0.5 : in.Unit() * 50 + 0.3;
    const calc::Room room{calc::ToSingle(outdoorLs / 1000.0), static_cast<float>(10 + (i * 7) % 300),
                          i % 3 ? 350.0f : 400.0f, static_cast<float>((i * 13) % 40)};
    const float k0 = 350.0f + static_cast<float>(i % 9) * 100.0f;
    Line("co2-equilibrium", [&] {
      const calc::Equilibrium found = calc::CO2Ber(k0, room);
      return Bits(found.c) + " " + calc::BalansTid(found.t);
    });
  }
  // The outdoor air a room needs, to equilibrium and for stays.
  for (int i = 0; i < 300; ++i) {
    const calc::OutdoorAirNeed need{calc::Room{0.0f, static_cast<float>(20 + (i * 37) % 500), i % 2 ? 400.0f : 350.0f,
                                               static_cast<float>(3 + (i * 11) % 120)},
                                    700 + (i * 53) % 1500, i % 3 ? 0 : 600 + (i * 97) % 20000};
    Line("co2-outdoor-air", [&] { return std::to_string(calc::LeastOutdoorAir(need)); });
  }
}

void NumberTexts(Inputs& in) {
  for (int i = 0; i < 60000; ++i) {
    double value = 0.0;
    switch (i % 4) {
      case 0: value = (in.Unit() - 0.5) * in.Spread(-40, 40); break;
      case 1: value = static_cast<float>(in.Unit() * 1000); break;
      case 2: value = std::round(in.Unit() * 100000) / 1000.0 + 0.0005; break;  // halves at the third decimal
      default: {
        const std::uint64_t bits = in.Next();
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value)) value = 1.5;
      }
    }
    Line("format", [&] {
      return calc::FormatGeneral(value, kPoint) + " " + calc::FormatGeneral(value, kPoint, 7) + " " +
             calc::FormatFixed(value, 15, i % 5, kPoint) + " " + calc::FormatFixed(value, 2, 3, kPoint);
    });
    const std::string written = calc::FormatGeneral(value, kPoint, 17);
    Line("read", [&] { return Bits(calc::StrToFloat(written, kPoint)); });
  }
}

}  // namespace

int main() {
  Inputs in;
  Ducts(in);
  Water(in);
  Valves(in);
  Powers(in);
  Rooms(in);
  Runs(in);
  NumberTexts(in);
  return 0;
}
