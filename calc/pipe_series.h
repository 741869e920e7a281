// The pipe series heating and plumbing engineers in Sweden and Denmark size
// with: each series' name in both languages, the roughness of the pipe tab's
// material of its kind, and its dimensions in order, smallest first.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "calc/pipe.h"

namespace calc {

struct PipeSize {
  // As the series names a row: "DN25" for steel, "28x1.2" (outside x wall,
  // with a decimal point) for the others.
  const char* name;
  double outside;  // mm
  double wall;     // mm
  double inner;    // mm
};

struct PipeSeries {
  const char* swedish;
  const char* danish;
  double roughness;  // mm
  std::span<const PipeSize> sizes;
};

// Every series, in the order the list offers them.
std::span<const PipeSeries> AllPipeSeries();

// One dimension of a series sized for a flow: its velocity and pressure
// drop per metre exactly as the pipe tab's single calculation gives them for
// its inner diameter, or, where that calculation fails, the failure's text.
struct SizedPipe {
  const PipeSize* size = nullptr;
  PipeFriction friction;
  std::string fault;  // empty when sized
};

// Every dimension of `series` for the flow `q` in m3/s, the pipe's
// roughness, density and viscosity as the tab reads them (its diameter is
// each row's inner one).
std::vector<SizedPipe> SizeOverSeries(float q, const PipeSeries& series, Pipe pipe);

// The first row within both limits (velocity in m/s, pressure drop in Pa/m),
// or -1 when none is.
int FirstWithinLimits(const std::vector<SizedPipe>& rows, double mostVelocity, double mostPerMetre);

// A row's name as shown: the decimal point of "76.1x2.0" becomes the
// separator in use.
std::string PipeSizeName(const PipeSize& size, char separator);

}  // namespace calc
