#include <gtest/gtest.h>
#include "calc/duct.h"
