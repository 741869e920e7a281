// Heat power carried by a water flow at a temperature difference, and back.
// One litre counts as one kilogram. Flows stored as 32-bit singles; whole
// watts and whole litres per hour are rounded with halves to even.
#pragma once

#include <cstdint>
#include <variant>

namespace calc {

enum class FlowUnit { LitresPerSecond, LitresPerHour };
enum class PowerUnit { Watt, Kilowatt };

// Whole watts, or kilowatts as a single.
using Power = std::variant<std::int64_t, float>;
// Litres per second as a single, or whole litres per hour.
using WaterFlow = std::variant<float, std::int64_t>;

// The water's mass per litre, kg/l.
inline constexpr double kWaterKilogramsPerLitre = 1.0;

// `cp` in J/(kg C), `deltaT` in C.
Power PowerFromFlow(double flow, FlowUnit flowUnit, double cp, double deltaT, PowerUnit wanted);
WaterFlow FlowFromPower(double power, PowerUnit powerUnit, double cp, double deltaT, FlowUnit wanted);

}  // namespace calc
