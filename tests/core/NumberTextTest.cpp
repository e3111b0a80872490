#include "platform/core/NumberText.h"

#include <gtest/gtest.h>

TEST(NumberText, Placeholder) { EXPECT_EQ(zeto::formatNumber(0.25), "0.25"); }
