// The cap on kept warnings per check and file, and the note that counts the rest.
#include "memorymap/Diagnostics.h"

#include <gtest/gtest.h>

#include <string>

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
  // A warning about the whole file comes before those with lines.
  EXPECT_EQ(text.rfind("a.svd: warning: a [access]\na.svd:1: warning: n [number]\n", 0), 0u);
  EXPECT_NE(text.find("a.svd:10: warning: n [number]\n"
                      "b.svd:2: warning: n [number]\na.svd: note: 1,360 more like this [number]\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("a.svd:11:"), std::string::npos);
}

TEST(DiagnosticsTest, TenOfOneCheckNeedNoNoteAndALongTextIsCutAfterAThousandBytes) {
  Diagnostics diagnostics;
  diagnostics.enable();
  diagnostics.setFile("a.svd");
  for (int i = 0; i < 10; ++i)
    diagnostics.warn("number", i + 1, std::string(1001, 'x'));
  const std::string text = diagnostics.takeText();
  EXPECT_EQ(text.find("note"), std::string::npos);
  EXPECT_NE(
      text.find("a.svd:10: warning: " + std::string(1000, 'x') + "... (1001 bytes) [number]\n"),
      std::string::npos);
}

TEST(DiagnosticsTest, TextsOfWarningsThatAreOnlyCountedAreNeverMade) {
  Diagnostics diagnostics;
  int made = 0;
  const auto text = [&] {
    ++made;
    return std::string("t");
  };
  diagnostics.warnWith("number", 1, text);
  EXPECT_EQ(made, 0);
  diagnostics.enable();
  for (int i = 0; i < 25; ++i)
    diagnostics.warnWith("number", 1, text);
  EXPECT_EQ(made, 10);
  EXPECT_EQ(diagnostics.count(), 25u);
}

TEST(DiagnosticsTest, NotesComeByFileThenCheckAndTheCountsStartAfresh) {
  Diagnostics diagnostics;
  diagnostics.enable();
  for (const char* file : {"b.svd", "a.svd"}) {
    diagnostics.setFile(file);
    for (int i = 0; i < 11; ++i) {
      diagnostics.warn("number", 0, "n");
      diagnostics.warn("access", 0, "a");
    }
  }
  std::string text = diagnostics.takeText();
  EXPECT_NE(text.find("a.svd: note: 1 more like this [access]\n"
                      "a.svd: note: 1 more like this [number]\n"
                      "b.svd: note: 1 more like this [access]\n"
                      "b.svd: note: 1 more like this [number]\n"),
            std::string::npos)
      << text;
  diagnostics.warn("number", 0, "n");
  EXPECT_EQ(diagnostics.takeText(), "a.svd: warning: n [number]\n");
  EXPECT_EQ(diagnostics.count(), 45u);
}

TEST(DiagnosticsTest, LineOrderHoldsWithinEachRunOfOneFile) {
  Diagnostics diagnostics;
  diagnostics.enable();
  diagnostics.warn("option", 0, "first");
  diagnostics.setFile("a.svd");
  for (const int line : {2051, 2050, 2048})
    diagnostics.warn("bit-field", line, std::to_string(line));
  diagnostics.setFile("regforge");
  diagnostics.warn("duplicate-group", 0, "last");
  EXPECT_EQ(diagnostics.takeText(),
            "regforge: warning: first [option]\n"
            "a.svd:2048: warning: 2048 [bit-field]\n"
            "a.svd:2050: warning: 2050 [bit-field]\n"
            "a.svd:2051: warning: 2051 [bit-field]\n"
            "regforge: warning: last [duplicate-group]\n");
}

}  // namespace
}  // namespace regforge
