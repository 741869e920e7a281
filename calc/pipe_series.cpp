#include "calc/pipe_series.h"

#include <array>
#include <exception>

namespace calc {

namespace {

// Black steel, medium series (threaded or welded), by nominal size.
constexpr std::array<PipeSize, 12> kSteel{{
    {"DN10", 17.2, 2.3, 12.6},
    {"DN15", 21.3, 2.6, 16.1},
    {"DN20", 26.9, 2.6, 21.7},
    {"DN25", 33.7, 3.2, 27.3},
    {"DN32", 42.4, 3.2, 36.0},
    {"DN40", 48.3, 3.2, 41.9},
    {"DN50", 60.3, 3.6, 53.1},
    {"DN65", 76.1, 3.6, 68.9},
    {"DN80", 88.9, 4.0, 80.9},
    {"DN100", 114.3, 4.5, 105.3},
    {"DN125", 139.7, 5.0, 129.7},
    {"DN150", 165.1, 5.0, 155.1},
}};

// Galvanised thin-walled precision tube for press fittings.
constexpr std::array<PipeSize, 11> kPressSteel{{
    {"12x1.2", 12.0, 1.2, 9.6},
    {"15x1.2", 15.0, 1.2, 12.6},
    {"18x1.2", 18.0, 1.2, 15.6},
    {"22x1.5", 22.0, 1.5, 19.0},
    {"28x1.5", 28.0, 1.5, 25.0},
    {"35x1.5", 35.0, 1.5, 32.0},
    {"42x1.5", 42.0, 1.5, 39.0},
    {"54x1.5", 54.0, 1.5, 51.0},
    {"76.1x2.0", 76.1, 2.0, 72.1},
    {"88.9x2.0", 88.9, 2.0, 84.9},
    {"108x2.0", 108.0, 2.0, 104.0},
}};

// Half-hard copper.
constexpr std::array<PipeSize, 12> kCopper{{
    {"12x1.0", 12.0, 1.0, 10.0},
    {"15x1.0", 15.0, 1.0, 13.0},
    {"18x1.0", 18.0, 1.0, 16.0},
    {"22x1.0", 22.0, 1.0, 20.0},
    {"28x1.2", 28.0, 1.2, 25.6},
    {"35x1.5", 35.0, 1.5, 32.0},
    {"42x1.5", 42.0, 1.5, 39.0},
    {"54x2.0", 54.0, 2.0, 50.0},
    {"64x2.0", 64.0, 2.0, 60.0},
    {"76.1x2.0", 76.1, 2.0, 72.1},
    {"88.9x2.0", 88.9, 2.0, 84.9},
    {"108x2.5", 108.0, 2.5, 103.0},
}};

// Stainless steel for press fittings.
constexpr std::array<PipeSize, 7> kStainless{{
    {"15x1.0", 15.0, 1.0, 13.0},
    {"18x1.0", 18.0, 1.0, 16.0},
    {"22x1.2", 22.0, 1.2, 19.6},
    {"28x1.2", 28.0, 1.2, 25.6},
    {"35x1.5", 35.0, 1.5, 32.0},
    {"42x1.5", 42.0, 1.5, 39.0},
    {"54x1.5", 54.0, 1.5, 51.0},
}};

// Cross-linked polyethylene.
constexpr std::array<PipeSize, 9> kPex{{
    {"12x1.7", 12.0, 1.7, 8.6},
    {"15x2.5", 15.0, 2.5, 10.0},
    {"16x2.2", 16.0, 2.2, 11.6},
    {"18x2.5", 18.0, 2.5, 13.0},
    {"20x2.8", 20.0, 2.8, 14.4},
    {"22x3.0", 22.0, 3.0, 16.0},
    {"25x3.5", 25.0, 3.5, 18.0},
    {"28x4.0", 28.0, 4.0, 20.0},
    {"32x4.4", 32.0, 4.4, 23.2},
}};

// Multilayer (PE-RT, aluminium, PE-RT).
constexpr std::array<PipeSize, 7> kMultilayer{{
    {"16x2.0", 16.0, 2.0, 12.0},
    {"20x2.25", 20.0, 2.25, 15.5},
    {"26x3.0", 26.0, 3.0, 20.0},
    {"32x3.0", 32.0, 3.0, 26.0},
    {"40x3.5", 40.0, 3.5, 33.0},
    {"50x4.0", 50.0, 4.0, 42.0},
    {"63x4.5", 63.0, 4.5, 54.0},
}};

const std::array<PipeSeries, 6> kSeries{{
    {"Stålrör medelsvår", "Stålrør medium", 0.045, kSteel},
    {"Tunnväggigt stålrör (press)", "Tyndvægget stålrør (press)", 0.010, kPressSteel},
    {"Kopparrör", "Kobberrør", 0.015, kCopper},
    {"Rostfritt rör (press)", "Rustfrit rør (press)", 0.0015, kStainless},
    {"PEX-rör", "PEX-rør", 0.0005, kPex},
    {"Flerskiktsrör", "Flerlagsrør", 0.0005, kMultilayer},
}};

}  // namespace

std::span<const PipeSeries> AllPipeSeries() { return kSeries; }

std::vector<SizedPipe> SizeOverSeries(float q, const PipeSeries& series, Pipe pipe) {
  std::vector<SizedPipe> rows;
  rows.reserve(series.sizes.size());
  for (const PipeSize& size : series.sizes) {
    SizedPipe row;
    row.size = &size;
    pipe.diameterMm = size.inner;
    try {
      row.friction = RoerRVaerde(q, pipe);
    } catch (const std::exception& fault) {
      // One dimension that cannot be computed leaves the others standing.
      row.fault = fault.what();
    }
    rows.push_back(row);
  }
  return rows;
}

int FirstWithinLimits(const std::vector<SizedPipe>& rows, double mostVelocity, double mostPerMetre) {
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (rows[i].fault.empty() && rows[i].friction.v <= mostVelocity && rows[i].friction.r <= mostPerMetre)
      return static_cast<int>(i);
  return -1;
}

std::string PipeSizeName(const PipeSize& size, char separator) {
  std::string name = size.name;
  for (char& c : name)
    if (c == '.') c = separator;
  return name;
}

}  // namespace calc
