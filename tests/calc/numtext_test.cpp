#include <gtest/gtest.h>
#include "calc/numtext.h"
