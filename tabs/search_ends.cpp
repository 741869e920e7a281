#include "tabs/search_ends.h"

QString SearchEndMessage(SearchTab tab, const calc::FlowSearch& search) {
  const QString noFlow = QString::fromUtf8("Inget flöde hittades för gränsvärdet");
  switch (search.end) {
    case calc::SearchEnd::Met: return {};
    case calc::SearchEnd::ZeroLimit:
      // On the duct tab a limit of 0 is answered with no flow at all.
      if (tab == SearchTab::Duct) return {};
      return QString::fromUtf8("Gränsvärdet måste vara större än 0");
    case calc::SearchEnd::NegativeLimit:
      if (tab == SearchTab::Duct) return QString::fromUtf8("Gränsvärdet får inte vara negativt");
      return QString::fromUtf8("Gränsvärdet måste vara större än 0");
    case calc::SearchEnd::Stalled:
      // The limit falls where no flow meets it within the tolerance: the
      // largest flow known to stay under it is the answer, where there is one.
      if (tab == SearchTab::Pipe && search.s <= 0.0f) return noFlow;
      return QString::fromUtf8("Gränsvärdet kan inte nås exakt, största flöde under gränsen visas");
    case calc::SearchEnd::NoResult:
    case calc::SearchEnd::TooManySteps: return noFlow;
  }
  return noFlow;
}
