#include "calc/duct_run.h"

#include <unordered_map>

namespace calc {

namespace {

RunSums Fault(RunFault fault, std::size_t at) {
  RunSums sums;
  sums.fault = fault;
  sums.faultAt = at;
  return sums;
}

constexpr std::size_t kFan = static_cast<std::size_t>(-1);

}  // namespace

RunSums SumRun(const std::vector<RunSection>& sections) {
  const std::size_t count = sections.size();
  if (count > kMostRunSections) return Fault(RunFault::TooMany, kMostRunSections);
  std::unordered_map<std::string, std::size_t> byName;
  for (std::size_t i = 0; i < count; ++i) {
    const RunSection& section = sections[i];
    if (!byName.emplace(section.name, i).second) return Fault(RunFault::SameName, i);
    // "Not below 0" also refuses a length or sum that is no number.
    if (!(section.length >= 0)) return Fault(RunFault::NegativeLength, i);
    if (!(section.zeta >= 0)) return Fault(RunFault::NegativeZeta, i);
  }
  std::vector<std::size_t> parent(count, kFan);
  std::vector<bool> continued(count, false);
  for (std::size_t i = 0; i < count; ++i) {
    if (sections[i].from.empty()) continue;
    const auto found = byName.find(sections[i].from);
    if (found == byName.end()) return Fault(RunFault::UnknownFrom, i);
    parent[i] = found->second;
    continued[found->second] = true;
  }

  RunSums sums;
  sums.figures.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const RunSection& s = sections[i];
    RunFigures& f = sums.figures[i];
    f.friction = s.r * s.length;
    f.local = s.zeta * s.rho * s.v * s.v / 2.0;
    f.section = f.friction + f.local;
  }
  // The totals from the fan, each path walked up to a section already
  // summed; a walk that meets itself is a loop.
  std::vector<int> state(count, 0);  // 0 not summed, 1 on the walk, 2 summed
  std::vector<std::size_t> walk;
  for (std::size_t start = 0; start < count; ++start) {
    walk.clear();
    std::size_t at = start;
    while (at != kFan && state[at] == 0) {
      state[at] = 1;
      walk.push_back(at);
      at = parent[at];
    }
    if (at != kFan && state[at] == 1) return Fault(RunFault::Loop, at);
    double above = at == kFan ? 0.0 : sums.figures[at].fromFan;
    for (auto it = walk.rbegin(); it != walk.rend(); ++it) {
      above += sums.figures[*it].section;
      sums.figures[*it].fromFan = above;
      state[*it] = 2;
    }
  }
  // The index run ends at the outlet with the largest total (the first of
  // equal ones); every outlet throttles the rest.
  std::size_t index = kFan;
  for (std::size_t i = 0; i < count; ++i)
    if (!continued[i] && (index == kFan || sums.figures[i].fromFan > sums.figures[index].fromFan)) index = i;
  if (index == kFan) return sums;
  sums.indexTotal = sums.figures[index].fromFan;
  for (std::size_t i = 0; i < count; ++i)
    if (!continued[i]) sums.figures[i].throttle = sums.indexTotal - sums.figures[i].fromFan;
  for (std::size_t at = index; at != kFan; at = parent[at]) sums.indexRun.insert(sums.indexRun.begin(), at);
  return sums;
}

}  // namespace calc
