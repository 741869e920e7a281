// Carbon dioxide in a ventilated, fully mixed room: the room law, the search
// for the equilibrium concentration, the time text and the generation of CO2
// by persons at an activity.
#pragma once

#include <cstdint>
#include <string>

namespace calc {

// The room as the law takes it, every value held as a 32-bit single:
// outdoor-air flow q in m3/s, volume V in m3, outdoor concentration K1 in ppm,
// generation F in ml/s (1 ml in 1 m3 is 1 ppm).
struct Room {
  float q = 0.0f;
  float v = 0.0f;
  float k1 = 0.0f;
  float f = 0.0f;
};

// The concentration in ppm after `t` seconds from `k0`:
// C = K0 E + (1 - E) K1 + (1 - E) F / q, with E = e^(-q t / V).
float CO2Formel(float k0, const Room& room, std::int64_t t);

// Two successive singles closer than this end the equilibrium search.
inline constexpr double kEquilibriumTolerance = 1e-10;

struct Equilibrium {
  float c = 0.0f;      // ppm
  std::int64_t t = 0;  // whole seconds the search took
};

// The equilibrium: second by second from t = 1 (the value before the first
// second counts as 1.0) to the first second whose single differs from the one
// before by less than kEquilibriumTolerance. Equal to walking every second, but it skips the
// stretch where the curve provably still moves, so it answers at once
// whatever the time constant. A flow or volume below 0 is refused
// (CalcFault); 0 gives the arithmetic faults of the law.
Equilibrium CO2Ber(float k0, const Room& room);
// The same, walking every second: the reference the fast search is held to.
Equilibrium CO2BerStepByStep(float k0, const Room& room, std::int64_t maxSteps);

// Whole seconds as hours:minutes, each at least two digits, seconds dropped.
std::string BalansTid(std::int64_t t);

// The outdoor air a room needs: the least flow, on a step of 0.1 l/s, at
// which the level the tab shows for the room stays at or under a target.
// The level is the equilibrium as the tab computes and shows it (CO2Ber from
// the outdoor level, made a whole ppm with halves to even) or, for a stay of
// `staySeconds`, the law's level at the end of the stay from the outdoor
// level, made whole the same way. The flow of n tenths of l/s is taken as the
// tab takes the text n/10: q = single(n / 10 / 1000) m3/s.
inline constexpr std::int64_t kMostOutdoorAirTenths = 1000000;  // 100 000 l/s

// The targets the tab's criteria give: 1000 ppm, or the outdoor level and the
// margin of category I, II or III.
inline constexpr int kCO2LimitPpm = 1000;
inline constexpr int kCO2CategoryMarginsPpm[] = {550, 800, 1350};

struct OutdoorAirNeed {
  Room room;                     // its volume, outdoor level and generation; q unused
  std::int64_t target = 0;       // ppm, whole
  std::int64_t staySeconds = 0;  // 0: until equilibrium
};

// The whole ppm the tab shows at n tenths of l/s.
std::int64_t ShownLevel(const OutdoorAirNeed& need, std::int64_t tenths);

// The least n (tenths of l/s, 1 to kMostOutdoorAirTenths) whose shown level
// is at or under the target; 0 when no flow up to the most reaches it. It
// starts from the closed form (equilibrium = outdoor + F/q) and confirms with
// the law, a doubling walk and a bisection; the level falls as the flow
// grows. The law's faults throw as in CO2Ber.
std::int64_t LeastOutdoorAir(const OutdoorAirNeed& need);

// The room's generation in ml/s: the rate in l/h per person made whole ml/s
// (halves to even) before it is multiplied by the persons.
std::int64_t CO2Alstring(std::int64_t rate, std::int64_t persons);

}  // namespace calc
