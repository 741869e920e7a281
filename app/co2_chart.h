// The CO2 chart's geometry, in pixels of the paint box (origin at its top
// left, y growing downwards), worked out by RitaCODiagram from the paint
// box's size and the text sizes, and read by both curve painters.
#pragma once

struct TDiagram {
  int x0 = 0;      // the vertical axis, which is also the left margin
  int yTop = 0;    // the top of the vertical axis, which is also the top margin
  int bottom = 0;  // the bottom margin, below the horizontal axis
  int right = 0;   // the right margin, right of the horizontal axis
  int yBase = 0;   // the horizontal axis
  int xEnd = 0;    // the right end of the horizontal axis
  int hourDivisions = 10;
  int ppmDivisions = 5;
  int dx = 0;  // pixels per hour
  int dy = 0;  // pixels per 1000 ppm
};
