#include "calc/brine.h"

#include <array>
#include <cmath>

namespace calc {

namespace {

// A property as a polynomial in (x - xm) and (T - Tm): rows i = 0..5 of
// c[i][j], row i holding j = 0..3, 0..3, 0..3, 0..2, 0..1, 0.
struct Fit {
  std::array<std::array<double, 4>, 6> c;
};

constexpr int kTermsInRow[6] = {4, 4, 4, 3, 2, 1};

double Evaluate(const Fit& fit, double dx, double dt) {
  double sum = 0.0;
  double xPower = 1.0;
  for (int i = 0; i < 6; ++i) {
    double tPower = 1.0;
    for (int j = 0; j < kTermsInRow[i]; ++j) {
      sum += fit.c[i][j] * xPower * tPower;
      tPower *= dt;
    }
    xPower *= dx;
  }
  return sum;
}

struct BrineFits {
  double xm;       // mass per cent
  double tm;       // °C
  double highest;  // °C
  Fit freezing;
  Fit lnViscosity;
  Fit heatCapacity;
  Fit density;
};

const BrineFits kEthyleneGlycol{
    30.8462,
    31.728,
    100.0,
    {{{{-1.5250e+01, -1.5660e-06, -2.2780e-07, 2.1690e-09},
       {-8.0800e-01, -1.3390e-06, 2.0470e-08, -2.7170e-11},
       {-1.3340e-02, 6.3220e-08, 2.3730e-10, -2.1830e-12},
       {-7.2930e-05, 1.7640e-09, -2.4420e-11, 0},
       {1.0060e-06, -7.6620e-11, 0, 0},
       {1.1400e-09, 0, 0, 0}}}},
    {{{{4.7050e-01, -2.5500e-02, 1.7820e-04, -7.6690e-07},
       {2.4710e-02, -1.1710e-04, 1.0520e-06, -1.6340e-08},
       {3.3280e-06, 1.0860e-06, 1.0510e-08, -6.4750e-10},
       {1.6590e-06, 3.1570e-09, 4.0630e-10, 0},
       {3.0890e-08, 1.8310e-10, 0, 0},
       {-1.8650e-09, 0, 0, 0}}}},
    {{{{3.7370e+03, 2.9300e+00, -4.6750e-03, -1.3890e-05},
       {-1.7990e+01, 1.0460e-01, -4.1470e-04, 1.8470e-07},
       {-9.9330e-02, 3.5160e-04, 5.1090e-06, -7.1380e-08},
       {2.6100e-03, -1.1890e-06, -1.6430e-07, 0},
       {1.5370e-05, -4.2720e-07, 0, 0},
       {-1.6180e-06, 0, 0, 0}}}},
    {{{{1.0340e+03, -4.7810e-01, -2.6920e-03, 4.7250e-06},
       {1.3110e+00, -6.8760e-03, 4.8050e-05, 1.6900e-08},
       {7.4900e-05, 7.8550e-05, -3.9950e-07, 4.9820e-09},
       {-1.0620e-04, 1.2290e-06, -1.1530e-08, 0},
       {-9.6230e-07, -7.2110e-08, 0, 0},
       {4.8910e-08, 0, 0, 0}}}},
};

const BrineFits kPropyleneGlycol{
    30.7031,
    32.7083,
    100.0,
    {{{{-1.3250e+01, -3.8200e-05, 7.8650e-07, -1.7330e-09},
       {-6.6310e-01, 6.7740e-06, -6.2420e-08, -7.8190e-10},
       {-1.0940e-02, 5.3320e-08, -4.1690e-09, 3.2880e-11},
       {-2.2830e-04, -1.1310e-08, 1.9180e-10, 0},
       {-3.4090e-06, 8.0350e-11, 0, 0},
       {1.4650e-08, 0, 0, 0}}}},
    {{{{6.8370e-01, -3.0450e-02, 2.5250e-04, -1.3990e-06},
       {3.3280e-02, -3.9840e-04, 4.3320e-06, -1.8600e-08},
       {5.4530e-05, -8.6000e-08, -1.5930e-08, -4.4650e-11},
       {-3.9000e-06, 1.0540e-07, -1.5890e-09, 0},
       {-1.5870e-08, 4.4750e-10, 0, 0},
       {3.5640e-09, 0, 0, 0}}}},
    {{{{3.8820e+03, 2.6990e+00, -1.6590e-03, -1.0320e-05},
       {-1.3040e+01, 5.0700e-02, -4.7520e-05, 1.5220e-06},
       {-1.5980e-01, 9.5340e-05, 1.1670e-05, -4.8700e-08},
       {3.5390e-04, 3.1020e-05, -2.9500e-07, 0},
       {5.0000e-05, -7.1350e-07, 0, 0},
       {-4.9590e-07, 0, 0, 0}}}},
    {{{{1.0180e+03, -5.4060e-01, -2.6660e-03, 1.3470e-05},
       {7.6040e-01, -9.4500e-03, 5.5410e-05, -1.3430e-07},
       {-2.4980e-03, 2.7000e-05, -4.0180e-07, 3.3760e-09},
       {-1.5500e-04, 2.8290e-06, -7.1750e-09, 0},
       {-1.1310e-06, -2.2210e-08, 0, 0},
       {2.3420e-08, 0, 0, 0}}}},
};

const BrineFits kEthanol{
    29.2361,
    8.1578,
    40.0,
    {{{{-1.9410e+01, -3.6680e-04, -4.0050e-05, 1.5240e-06},
       {-9.5400e-01, -1.2090e-05, 2.8770e-06, -4.3940e-08},
       {-2.6480e-03, -3.1730e-07, 8.6520e-09, -3.7170e-10},
       {3.8510e-04, 1.3400e-08, -2.0910e-09, 0},
       {-2.8580e-07, 9.3120e-10, 0, 0},
       {-1.6700e-07, 0, 0, 0}}}},
    {{{{1.4740e+00, -4.7450e-02, 4.3140e-04, -3.0230e-06},
       {1.5650e-02, -4.1060e-05, -5.1350e-06, 7.0040e-08},
       {-8.4350e-04, 1.6400e-05, -1.0910e-07, -1.9670e-09},
       {7.5520e-06, -1.1180e-07, 1.8990e-09, 0},
       {1.5290e-07, -9.4810e-10, 0, 0},
       {-4.1300e-09, 0, 0, 0}}}},
    {{{{4.2040e+03, 2.3190e+00, -3.0420e-02, 6.8600e-04},
       {-2.1020e+01, 4.9270e-01, -3.0720e-03, -5.6900e-05},
       {-3.7140e-01, -2.3350e-03, -1.9600e-05, 7.4610e-07},
       {1.7430e-02, -2.9690e-04, 1.9010e-06, 0},
       {-6.2920e-05, 5.3530e-06, 0, 0},
       {-8.2900e-06, 0, 0, 0}}}},
    {{{{9.6190e+02, -5.2220e-01, -3.2810e-03, 1.5690e-05},
       {-1.4330e+00, -1.9890e-02, 1.8700e-04, -9.1540e-07},
       {-2.2600e-02, 2.2810e-04, -8.5810e-08, 4.0560e-09},
       {-1.6900e-04, 8.5940e-06, -9.6070e-08, 0},
       {1.2910e-05, -1.5900e-07, 0, 0},
       {-8.3180e-08, 0, 0, 0}}}},
};

const BrineFits& FitsOf(Brine brine) {
  switch (brine) {
    case Brine::EthyleneGlycol: return kEthyleneGlycol;
    case Brine::PropyleneGlycol: return kPropyleneGlycol;
    case Brine::Ethanol: break;
  }
  return kEthanol;
}

}  // namespace

double BrineHighestTemperature(Brine brine) { return FitsOf(brine).highest; }

double BrineFreezingPoint(Brine brine, double percent) {
  const BrineFits& fits = FitsOf(brine);
  // At T = Tm only the first column of each row counts.
  return Evaluate(fits.freezing, percent - fits.xm, 0.0);
}

BrineRefusal RefuseBrine(Brine brine, double percent, double celsius) {
  using Kind = BrineRefusal::Kind;
  if (!(percent >= kBrineLeastPercent && percent <= kBrineMostPercent)) return {Kind::Concentration, 0.0};
  const double freezing = BrineFreezingPoint(brine, percent);
  // At or below the freezing point, or a temperature that is no number.
  if (!(celsius > freezing)) return {Kind::Freezes, freezing};
  const double highest = BrineHighestTemperature(brine);
  if (celsius > highest) return {Kind::TooWarm, highest};
  return {};
}

BrineProperties BrinePropertiesAt(Brine brine, double percent, double celsius) {
  const BrineFits& fits = FitsOf(brine);
  const double dx = percent - fits.xm;
  const double dt = celsius - fits.tm;
  BrineProperties p{};
  p.density = Evaluate(fits.density, dx, dt);
  p.heatCapacity = Evaluate(fits.heatCapacity, dx, dt);
  p.viscosity = std::exp(Evaluate(fits.lnViscosity, dx, dt));
  // mPa·s over kg/m³ is 1e-3 m²/s per unit.
  p.kinematic = p.viscosity * 1e-3 / p.density;
  return p;
}

}  // namespace calc
