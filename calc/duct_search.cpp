#include "calc/duct_search.h"

#include <cmath>

#include "calc/errors.h"

namespace calc {

FlowSearch SearchFlowLimit(SearchCriterion criterion, FlowSearch search,
                           const std::function<std::optional<DuctFriction>(float q)>& evaluate,
                           const std::function<double()>& limit) {
  const auto value = [criterion](const DuctFriction& d) {
    return criterion == SearchCriterion::PressureDrop ? d.r : d.v;
  };
  search.trials = 0;
  const auto trial = [&]() -> bool {
    ++search.trials;
    const auto result = evaluate(search.q);
    if (!result) {
      search.end = SearchEnd::NoResult;
      return false;
    }
    search.atQ = *result;
    return true;
  };

  if (!trial()) return search;
  if (const double first = limit(); first <= 0.0) {
    if (first < 0.0) {
      search.end = SearchEnd::NegativeLimit;
    } else {
      search.end = SearchEnd::ZeroLimit;
      search.q = search.s = 0.0f;
    }
    return search;
  }
  for (;;) {
    const double target = limit();
    const float q = search.q;
    const float s = search.s;
    if (target >= value(search.atQ)) {
      // The trial met the limit: one more step of the current width.
      const float previous = search.s;
      search.s = search.q;
      search.q = ToSingle(2.0 * search.q - previous);
    } else {
      // Over the limit: back halfway to the last good flow.
      search.q = ToSingle((static_cast<double>(search.q) + search.s) / 2.0);
    }
    if (search.q == q && search.s == s) {
      search.end = SearchEnd::Stalled;
      return search;
    }
    if (search.trials >= kMaxSearchTrials) {
      search.end = SearchEnd::TooManySteps;
      return search;
    }
    if (!trial()) return search;
    if (std::fabs(value(search.atQ) - limit()) < 0.001) {
      search.end = SearchEnd::Met;
      return search;
    }
  }
}

}  // namespace calc
