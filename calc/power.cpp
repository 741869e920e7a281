#include "calc/power.h"

#include "calc/errors.h"
#include "calc/numtext.h"

namespace calc {

Power PowerFromFlow(double flow, FlowUnit flowUnit, double cp, double deltaT, PowerUnit wanted) {
  const float q = ToSingle(flowUnit == FlowUnit::LitresPerHour ? flow / 3600.0 : flow);
  if (wanted == PowerUnit::Watt) return RoundHalfEven(Finite(cp * q * deltaT));
  return ToSingle(q * kWaterKilogramsPerLitre / 1000.0 * cp * deltaT);
}

WaterFlow FlowFromPower(double power, PowerUnit powerUnit, double cp, double deltaT, FlowUnit wanted) {
  float q = ToSingle(Div(power, cp * deltaT));
  if (powerUnit == PowerUnit::Kilowatt) q = ToSingle(q * 1000.0);
  if (wanted == FlowUnit::LitresPerHour) return RoundHalfEven(q * 3600.0);
  return q;
}

}  // namespace calc
