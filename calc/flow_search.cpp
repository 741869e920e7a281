#include "calc/flow_search.h"

#include <cmath>

#include "calc/errors.h"

namespace calc {

FlowSearch SearchFlowLimit(SearchCriterion criterion, FlowSearch search,
                           const std::function<std::optional<Friction>(float q)>& evaluate,
                           const std::function<double()>& limit, const SearchRules& rules) {
  const auto value = [criterion, &search] {
    return criterion == SearchCriterion::PressureDrop ? search.atQ.r : search.atQ.v;
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
  // A limit of 0 or below ends the search before any step.
  const auto refused = [&search](double target) {
    if (!(target <= 0.0)) return false;
    if (target < 0.0) {
      search.end = SearchEnd::NegativeLimit;
    } else {
      search.end = SearchEnd::ZeroLimit;
      search.q = search.s = 0.0f;
    }
    return true;
  };

  std::optional<double> target;
  if (rules.limitBeforeFirstTrial) {
    target = limit();
    if (refused(*target)) return search;
  }
  if (!trial()) return search;
  if (!target) {
    target = limit();
    if (refused(*target)) return search;
  }
  for (;;) {
    const float q = search.q;
    const float s = search.s;
    if (*target >= value()) {
      // The trial met the limit (ties too): one more step of the current width.
      search.s = q;
      search.q = ToSingle(2.0 * q - s);
    } else {
      // Over the limit: back halfway to the last good flow.
      search.q = ToSingle((static_cast<double>(q) + s) / 2.0);
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
    if (std::fabs(value() - *target) < rules.tolerance) {
      search.end = SearchEnd::Met;
      return search;
    }
  }
}

}  // namespace calc
