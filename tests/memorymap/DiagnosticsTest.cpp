// The cap on kept warnings per check and file, and the note that counts the rest.
#include "memorymap/Diagnostics.h"

#include <gtest/gtest.h>

namespace regforge {
namespace {

TEST(DiagnosticsTest, BeyondTenOfOneCheckInOneFileOnlyANoteCountsTheRest) {
  Diagnostics diagnostics;
  diagnostics.warn("number", 1, "ignored while warnings are off");
  diagnostics.enable();
  diagnostics.setFile("a.svd");
  for (int i = 0; i < 1370; ++i)
    diagnostics.warn("number", i + 1, "n");
  diagnostics.warn("access", 0, "a");
  diagnostics.setFile("b.svd");
  diagnostics.warn("number", 2, "n");
  const std::string text = diagnostics.takeText();
  EXPECT_EQ(diagnostics.count(), 1372u);
  EXPECT_NE(text.find("a.svd:10: warning: n [number]\na.svd: warning: a [access]\n"
                      "b.svd:2: warning: n [number]\na.svd: note: 1,360 more like this [number]\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("a.svd:11:"), std::string::npos);
}

}  // namespace
}  // namespace regforge
