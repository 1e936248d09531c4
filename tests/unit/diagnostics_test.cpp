#include <gtest/gtest.h>

#include "diagnostics/diagnostics.h"

TEST(Catalogue, KnownTexts) {
  EXPECT_STREQ(tpx::MessageText(0), "Noerror");
  EXPECT_STREQ(tpx::MessageText(500), "Continuation character \\ found in // comment");
  EXPECT_EQ(tpx::MessageText(2), nullptr);
}
