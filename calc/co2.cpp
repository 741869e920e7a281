#include "calc/co2.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

#include "calc/errors.h"
#include "calc/numtext.h"
#include "calc/units.h"

namespace calc {

float CO2Formel(float k0, const Room& room, std::int64_t t) {
  const double x = Div(-1.0 * room.q, room.v) * static_cast<double>(t);
  const double e = Exp(x);
  const double s = e * k0 + (1.0 - e) * room.k1;
  return ToSingle(s + (1.0 - e) * Div(room.f, room.q));
}

namespace {

constexpr std::int64_t kMaxWalkedSeconds = 5000000;

bool Settled(float previous, float c) { return std::fabs(static_cast<double>(previous) - c) < kEquilibriumTolerance; }

// The spacing of singles at the magnitude of `x` (the largest of the two at a
// power of two).
double Spacing(double x) {
  const double magnitude = std::fabs(x);
  if (magnitude < FLT_MIN) return std::numeric_limits<float>::denorm_min();
  int exponent = 0;
  std::frexp(magnitude, &exponent);  // magnitude = m * 2^exponent, 0.5 <= m < 1
  return std::ldexp(1.0, exponent - 24);
}

// The last second up to which the curve certainly still moves by more than
// the tolerance each second, seen from second `t` where it stands at `c`; `t`
// itself when nothing can be skipped. One second's change of the exact curve
// is |C - Ceq| (e^k - 1) e^(-k u) at u seconds after; two singles can lie
// within the tolerance of each other only when the exact change is below the
// tolerance plus one spacing (each value moves by at most half a spacing when
// it is stored) plus twice the error of working the law in double (a few
// units in the last place of the largest term, `scale`). A curve that climbs
// into the next power of two, where the singles lie twice as far apart, is
// followed only up to there.
std::int64_t LastMovingSecond(std::int64_t t, float c, double k, double ceq, double scale) {
  const double lawError = scale * 4e-15;
  const double here = std::fabs(static_cast<double>(c) - ceq);
  double spacing = std::max(Spacing(c), Spacing(ceq));
  double untilCrossing = std::numeric_limits<double>::infinity();
  const bool sameSign = (c >= 0.0f) == (ceq >= 0.0);
  if (sameSign && std::fabs(ceq) > std::fabs(c) && std::fabs(c) >= FLT_MIN) {
    int exponent = 0;
    std::frexp(std::fabs(static_cast<double>(c)), &exponent);
    const double power = std::ldexp(1.0, exponent);
    if (std::fabs(ceq) > power) {
      spacing = Spacing(c);
      untilCrossing = std::log(here / (std::fabs(ceq) - power)) / k;
    }
  }
  const double distance = here - spacing / 2.0 - lawError;
  const double step = distance * std::expm1(k);
  const double threshold = (kEquilibriumTolerance + spacing + 2.0 * lawError) * (1.0 + 1e-9);
  if (!(step > threshold) || !std::isfinite(step)) return t;
  const double seconds = std::min(std::log(step / threshold) / k, untilCrossing);
  if (!(seconds > 2.0)) return t;
  // A little short of the bound, for the rounding of the logarithm.
  const double skip = std::floor(seconds * (1.0 - 1e-9)) - 1.0;
  if (skip > 9.0e15) return t;
  return t + static_cast<std::int64_t>(skip);
}

}  // namespace

Equilibrium CO2Ber(float k0, const Room& room) {
  if (room.q < 0.0f || room.v < 0.0f) throw CalcFault(FaultCode::RoomNotNegative);
  Equilibrium result{1.0f, 0};
  // The first second compares with 1.0; the law's faults (no flow, no
  // volume) show here.
  float previous = result.c;
  result.t = 1;
  result.c = CO2Formel(k0, room, 1);
  if (Settled(previous, result.c)) return result;
  const double k = static_cast<double>(room.q) / room.v;
  const double ceq = room.k1 + static_cast<double>(room.f) / room.q;
  const double scale = std::fabs(static_cast<double>(k0)) + std::fabs(static_cast<double>(room.k1)) +
                       std::fabs(static_cast<double>(room.f) / room.q);
  // Only a slow curve is worth skipping; a fast one settles within a few
  // hundred seconds.
  const bool slow = k > 0.0 && k < 0.05;
  int sinceSkip = 0;
  std::int64_t walked = 0;
  for (;;) {
    // Only inputs far outside any room (a curve that settles where the law's
    // own rounding is as large as the tolerance) walk this far.
    if (++walked > kMaxWalkedSeconds) throw CalcFault(FaultCode::EquilibriumNotSettled);
    // Skip while the curve certainly moves (one power of two at a time).
    while (slow && sinceSkip == 0) {
      const std::int64_t skipTo = LastMovingSecond(result.t, result.c, k, ceq, scale);
      if (skipTo <= result.t + 1) break;
      result.t = skipTo;
      result.c = CO2Formel(k0, room, result.t);
    }
    sinceSkip = (sinceSkip + 1) % 256;
    previous = result.c;
    ++result.t;
    result.c = CO2Formel(k0, room, result.t);
    if (Settled(previous, result.c)) return result;
  }
}

Equilibrium CO2BerStepByStep(float k0, const Room& room, std::int64_t maxSteps) {
  Equilibrium result{1.0f, 0};
  for (;;) {
    const float previous = result.c;
    ++result.t;
    result.c = CO2Formel(k0, room, result.t);
    if (Settled(previous, result.c)) return result;
    if (result.t >= maxSteps) throw CalcFault(FaultCode::TooManySteps);
  }
}

std::int64_t ShownLevel(const OutdoorAirNeed& need, std::int64_t tenths) {
  Room room = need.room;
  room.q = ToSingle(static_cast<double>(tenths) / 10.0 / 1000.0);
  const float level = need.staySeconds > 0 ? CO2Formel(room.k1, room, need.staySeconds) : CO2Ber(room.k1, room).c;
  return RoundHalfEven(level);
}

std::int64_t LeastOutdoorAir(const OutdoorAirNeed& need) {
  const auto meets = [&need](std::int64_t tenths) { return ShownLevel(need, tenths) <= need.target; };
  // The closed form: the equilibrium K1 + F/q at the target, q in l/s as
  // tenths. A stay needs no more than the equilibrium does.
  const double margin = static_cast<double>(need.target) - need.room.k1;
  const double exact = margin > 0.0 ? static_cast<double>(need.room.f) / margin * 10000.0 : kMostOutdoorAirTenths;
  const std::int64_t first =
      std::clamp<std::int64_t>(static_cast<std::int64_t>(std::ceil(std::min(exact, 1e12))), 1, kMostOutdoorAirTenths);
  // `over` is a flow known to leave the level over the target (0: no flow at
  // all), `under` one known to keep it at or under.
  std::int64_t over = 0;
  std::int64_t under = 0;
  if (meets(first)) {
    under = first;
    for (std::int64_t step = 1;; step *= 2) {
      const std::int64_t lower = under - step;
      if (lower < 1) break;
      if (!meets(lower)) {
        over = lower;
        break;
      }
      under = lower;
    }
  } else {
    over = first;
    for (std::int64_t step = 1;; step *= 2) {
      const std::int64_t higher = std::min(over + step, kMostOutdoorAirTenths);
      if (meets(higher)) {
        under = higher;
        break;
      }
      if (higher == kMostOutdoorAirTenths) return 0;
      over = higher;
    }
  }
  while (under - over > 1) {
    const std::int64_t middle = over + (under - over) / 2;
    (meets(middle) ? under : over) = middle;
  }
  return under;
}

std::string BalansTid(std::int64_t t) {
  const std::int64_t hours = t / 3600;
  const std::int64_t minutes = (t - 3600 * hours) / 60;
  const auto twoDigits = [](std::int64_t n) { return (n >= 0 && n < 10 ? "0" : "") + std::to_string(n); };
  return twoDigits(hours) + ":" + twoDigits(minutes);
}

std::int64_t CO2Alstring(std::int64_t rate, std::int64_t persons) {
  const std::int64_t perPerson = RoundHalfEven(static_cast<double>(rate) * kMillilitresPerLitre / kSecondsPerHour);
  return persons * perPerson;
}

}  // namespace calc
