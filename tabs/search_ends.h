// What the duct and the pipe tab tell the user when a largest-flow search
// ends; the two tabs word a refused limit differently.
#pragma once

#include <QString>

#include "calc/flow_search.h"

enum class SearchTab { Duct, Pipe };

// The message box text for how `search` ended on `tab`, in the interface
// language; empty where the tab shows its result without one.
QString SearchEndMessage(SearchTab tab, const calc::FlowSearch& search, bool danish);
