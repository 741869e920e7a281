// The pipe series heating and plumbing engineers in Sweden and Denmark size
// with: each series' name in both languages, the roughness of the pipe tab's
// material of its kind, and its dimensions in order, smallest first.
#pragma once

#include <span>
#include <string>

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

// A row's name as shown: the decimal point of "76.1x2.0" becomes the
// separator in use.
std::string PipeSizeName(const PipeSize& size, char separator);

}  // namespace calc
