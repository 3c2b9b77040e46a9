// Bases of derived elements under the standard reading: plain names, dotted paths, chains.
#include "readers/SVDStandardBases.h"

#include <gtest/gtest.h>

#include <string>

#include "xml/XMLDocument.h"

namespace regforge {
namespace {

class SVDStandardBasesTest : public testing::Test {
 protected:
  // Parses text, whose root is <peripherals>.
  void load(const std::string& text) {
    ASSERT_TRUE(input_.parse(text.c_str())) << input_.errorText();
    bases_.setPeripherals(*input_.root());
    diagnostics_.enable();
    bases_.setDiagnostics(diagnostics_);
  }
  // The element with attribute id="value" (ids are test markers, not part of the format).
  const XMLElement& byId(std::string_view value) {
    for (const std::string_view tag : {"peripheral", "cluster", "register", "field"}) {
      for (XMLElement* element : findElementsByTag(input_.root(), std::string(tag), true)) {
        if (element->attribute("id") == value) return *element;
      }
    }
    ADD_FAILURE() << "no element " << value;
    return *input_.root();
  }
  // The ids of the element's chain after the element itself, joined by spaces.
  std::string basesOf(std::string_view id) {
    const SVDChain chain = bases_.chain(byId(id));
    std::string ids;
    for (std::size_t i = 1; i < chain.size(); ++i) {
      ids += (ids.empty() ? "" : " ") + std::string(chain[i]->attribute("id").value_or("?"));
    }
    return ids;
  }
  std::size_t warnings() const { return diagnostics_.count(); }

  XMLDocument input_{XMLDocument::Content::ElementText};
  ElementTexts texts_;
  ReadBudget budget_;
  Diagnostics diagnostics_;
  SVDStandardBases bases_{texts_, budget_};
};

// Two peripherals that both have a register A in a cluster C, and a register B.
constexpr const char* kTwoPeripherals =
    "<peripherals>"
    "<peripheral id='p'><name>P</name><registers>"
    "<register id='pa'><name>A</name></register>"
    "<cluster id='pc'><name>C</name>"
    "<register id='pca'><name>A</name><fields><field id='pcaf'><name>F</name></field></fields>"
    "</register></cluster>"
    "<register id='pb' derivedFrom='A'><name>B</name></register>"
    "</registers></peripheral>"
    "<peripheral id='q'><name>Q</name><registers>"
    "<register id='qa'><name>A</name></register>"
    "<cluster id='qc'><name>C</name>"
    "<register id='qca' derivedFrom='C.A'><name>A</name></register>"
    "<register id='qcb' derivedFrom='P.C.A'><name>B</name>"
    "<fields><field id='qcbf' derivedFrom='A.F'><name>G</name></field></fields></register>"
    "<register id='qcc' derivedFrom='A'><name>CC</name></register>"
    "</cluster>"
    "<register id='qb' derivedFrom='A'><name>B</name></register>"
    "<register id='qd' derivedFrom='X.C.A'><name>D</name></register>"
    "</registers></peripheral>"
    "<peripheral id='r'><name>R</name><registers>"
    "<register id='rb' derivedFrom='A'><name>B</name></register>"
    "</registers></peripheral>"
    "</peripherals>";

TEST_F(SVDStandardBasesTest, APlainNameIsASiblingBeforeAnyOther) {
  load(kTwoPeripherals);
  EXPECT_EQ(basesOf("pb"), "pa");
  EXPECT_EQ(basesOf("qb"), "qa");
  EXPECT_EQ(basesOf("qcc"), "qca pca");  // the A in its own cluster, whose base is P's
  EXPECT_EQ(basesOf("rb"), "pa");        // no sibling of that name: the first in the file
  EXPECT_EQ(warnings(), 0u);
}

TEST_F(SVDStandardBasesTest, ADottedPathIsFullThenLocalThenAnySuffix) {
  load(kTwoPeripherals);
  EXPECT_EQ(basesOf("qcb"), "pca");    // from the peripheral down
  EXPECT_EQ(basesOf("qca"), "pca");    // C.A in its own peripheral would be the element itself
  EXPECT_EQ(basesOf("qcbf"), "pcaf");  // the first whose path ends in A.F
  EXPECT_EQ(basesOf("qd"), "");        // X names no peripheral
  EXPECT_EQ(warnings(), 1u);
}

TEST_F(SVDStandardBasesTest, APathWithinTheOwnPeripheralWinsOverAnEarlierOne) {
  load(
      "<peripherals>"
      "<peripheral><name>P</name><registers><register id='pa'><name>A</name><fields>"
      "<field id='paf'><name>F</name></field></fields></register></registers></peripheral>"
      "<peripheral><name>Q</name><registers><register><name>A</name><fields>"
      "<field id='qaf'><name>F</name></field></fields></register><register><name>B</name>"
      "<fields><field id='qbg' derivedFrom='A.F'><name>G</name></field></fields></register>"
      "</registers></peripheral>"
      "</peripherals>");
  EXPECT_EQ(basesOf("qbg"), "qaf");
}

TEST_F(SVDStandardBasesTest, ChainsFollowEveryBaseAndStopWhereTheyComeBack) {
  load(
      "<peripherals>"
      "<peripheral id='a' derivedFrom='B'><name>A</name></peripheral>"
      "<peripheral id='b' derivedFrom='C'><name>B</name></peripheral>"
      "<peripheral id='c'><name>C</name></peripheral>"
      "<peripheral id='x' derivedFrom='Y'><name>X</name></peripheral>"
      "<peripheral id='y' derivedFrom='X'><name>Y</name></peripheral>"
      "<peripheral id='s' derivedFrom='S'><name>S</name></peripheral>"
      "<peripheral id='e' derivedFrom=''><name>E</name></peripheral>"
      "</peripherals>");
  EXPECT_EQ(basesOf("a"), "b c");
  EXPECT_EQ(basesOf("x"), "y");
  EXPECT_EQ(warnings(), 1u);
  EXPECT_EQ(basesOf("s"), "");  // an element is never its own base
  EXPECT_EQ(basesOf("e"), "");
  EXPECT_EQ(warnings(), 3u);
}

TEST_F(SVDStandardBasesTest, AChainIsCutAtItsLongestLength) {
  std::string text = "<peripherals>";
  for (int i = 0; i < 20; ++i) {
    text += "<peripheral id='p" + std::to_string(i) + "' derivedFrom='P" + std::to_string(i + 1) +
            "'><name>P" + std::to_string(i) + "</name></peripheral>";
  }
  load(text + "<peripheral id='p20'><name>P20</name></peripheral></peripherals>");
  EXPECT_EQ(bases_.chain(byId("p0")).size(), SVDChain::kMaxLength);
  EXPECT_EQ(warnings(), 1u);
  EXPECT_EQ(bases_.chain(byId("p10")).size(), 11u);
}

}  // namespace
}  // namespace regforge
