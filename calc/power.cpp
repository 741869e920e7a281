#include "calc/power.h"

#include "calc/errors.h"
#include "calc/numtext.h"
#include "calc/units.h"

namespace calc {

Power PowerFromFlow(double flow, FlowUnit flowUnit, double cp, double deltaT, PowerUnit wanted) {
  const float q = ToSingle(flowUnit == FlowUnit::LitresPerHour ? flow / kSecondsPerHour : flow);
  if (wanted == PowerUnit::Watt) return RoundHalfEven(Finite(cp * q * deltaT));
  return ToSingle(q * kWaterKilogramsPerLitre / 1000.0 * cp * deltaT);
}

WaterFlow FlowFromPower(double power, PowerUnit powerUnit, double cp, double deltaT, FlowUnit wanted) {
  float q = ToSingle(Div(power, cp * deltaT));
  if (powerUnit == PowerUnit::Kilowatt) q = ToSingle(q * 1000.0);
  if (wanted == FlowUnit::LitresPerHour) return RoundHalfEven(q * kSecondsPerHour);
  return q;
}

}  // namespace calc
