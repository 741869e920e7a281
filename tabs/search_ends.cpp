#include "tabs/search_ends.h"

#include "lang/texts.h"

QString SearchEndMessage(SearchTab tab, const calc::FlowSearch& search, bool danish) {
  const auto Say = [danish](lang::Words words) { return QString::fromUtf8(danish ? words.danish : words.swedish); };
  const QString noFlow = Say(lang::Word("NoFlowForLimit"));
  switch (search.end) {
    case calc::SearchEnd::Met: return {};
    case calc::SearchEnd::ZeroLimit:
      // On the duct tab a limit of 0 is answered with no flow at all.
      if (tab == SearchTab::Duct) return {};
      return Say(lang::Word("LimitAboveZero"));
    case calc::SearchEnd::NegativeLimit:
      if (tab == SearchTab::Duct) return Say(lang::Word("NoNegativeLimit"));
      return Say(lang::Word("LimitAboveZero"));
    case calc::SearchEnd::Stalled:
      // The limit falls where no flow meets it within the tolerance: the
      // largest flow known to stay under it is the answer, where there is one.
      if (tab == SearchTab::Pipe && search.s <= 0.0f) return noFlow;
      return Say(lang::Word("LimitNotExact"));
    case calc::SearchEnd::NoResult:
    case calc::SearchEnd::TooManySteps: return noFlow;
  }
  return noFlow;
}
