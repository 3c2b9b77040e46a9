// Finding the base element of a derived SVD element: search order, chains and loops.
#include "readers/SVDDerivation.h"

#include <gtest/gtest.h>

#include <string>

#include "readers/SVDFile.h"

namespace regforge {
namespace {

class SVDDerivationTest : public testing::Test {
 protected:
  // Parses text; its root's first child starts the scope.
  const XMLNode* load(const char* text) {
    EXPECT_TRUE(input_.parse(text)) << input_.errorText();
    return input_.root()->firstChild();
  }
  // The element with attribute id="value" (ids are test markers, not part of the format).
  const XMLElement& byId(std::string_view value) {
    for (XMLElement* element : findElementsByTag(input_.root(), tag_, true)) {
      if (element->attribute("id") == value) return *element;
    }
    ADD_FAILURE() << "no element " << value;
    return *input_.root();
  }
  std::string idOf(const XMLElement* element) {
    if (!element) return "none";
    return std::string(element->attribute("id").value_or("?"));
  }
  std::string baseOf(std::string_view id, bool recursive = false) {
    return idOf(
        derivation_.resolveDerivedFrom(input_.root()->firstChild(), tag_, recursive, byId(id)));
  }

  XMLDocument input_{true};
  SVDFile texts_;
  SVDDerivation derivation_{texts_};
  std::string tag_ = "field";
};

TEST_F(SVDDerivationTest, RecursiveSearchTriesDescendantsBeforeTheNode) {
  const XMLNode* scope = load(
      "<r><x><field id='outer'><name>A</name><field id='inner'><name>A</name></field></field>"
      "<field id='late'><name>B</name></field></x><field id='top'><name>B</name></field></r>");
  EXPECT_EQ(idOf(derivation_.findNamedElement(scope, "field", true, "A")), "inner");
  EXPECT_EQ(idOf(derivation_.findNamedElement(scope, "field", true, "B")), "late");
  EXPECT_EQ(idOf(derivation_.findNamedElement(scope, "field", false, "B")), "top");
  EXPECT_EQ(idOf(derivation_.findNamedElement(scope, "field", false, "A")), "none");
}

TEST_F(SVDDerivationTest, ElementsMatchOnTheirFirstNameChildOnly) {
  const XMLNode* scope = load(
      "<r><field id='two'><name>X</name><name>Y</name></field><field id='nameless'/>"
      "<field id='y'><name>Y<!-- split -->Z</name></field><other><name>W</name></other></r>");
  EXPECT_EQ(idOf(derivation_.findNamedElement(scope, "field", false, "Y")), "none");
  EXPECT_EQ(idOf(derivation_.findNamedElement(scope, "field", false, "YZ")), "y");
  EXPECT_EQ(idOf(derivation_.findNamedElement(scope, "field", false, "x")), "none");
  EXPECT_EQ(idOf(derivation_.findNamedElement(scope, "field", false, "W")), "none");
  // An empty reference finds the first element of the tag that has a <name>.
  EXPECT_EQ(idOf(derivation_.findNamedElement(scope, "field", false, "")), "two");
}

TEST_F(SVDDerivationTest, TheBaseIsTheEndOfTheChain) {
  load(
      "<r><field id='c' derivedFrom='B'><name>C</name></field>"
      "<field id='b' derivedFrom='A'><name>B</name></field>"
      "<field id='a'><name>A</name></field>"
      "<field id='d' derivedFrom='C'><name>D</name></field>"
      "<field id='lost' derivedFrom='C'><name>E</name></field>"
      "<field id='e' derivedFrom='NOWHERE'><name>F</name></field>"
      "<field id='half' derivedFrom='F'><name>G</name></field></r>");
  EXPECT_EQ(baseOf("b"), "a");
  EXPECT_EQ(baseOf("c"), "a");
  EXPECT_EQ(baseOf("d"), "a");  // after c is known, and the same before
  EXPECT_EQ(baseOf("a"), "none");
  EXPECT_EQ(baseOf("e"), "none");
  EXPECT_EQ(baseOf("half"), "e");  // a link that is not found keeps the last one found
}

TEST_F(SVDDerivationTest, ALoopStopsBeforeComingBackToAVisitedElement) {
  load(
      "<r><field id='self' derivedFrom='S'><name>S</name></field>"
      "<field id='p' derivedFrom='Q'><name>P</name></field>"
      "<field id='q' derivedFrom='P'><name>Q</name></field>"
      "<field id='x' derivedFrom='Y'><name>X</name></field>"
      "<field id='y' derivedFrom='Z'><name>Y</name></field>"
      "<field id='z' derivedFrom='X'><name>Z</name></field>"
      "<field id='tail' derivedFrom='Y'><name>T</name></field>"
      "<field id='toself' derivedFrom='S'><name>U</name></field></r>");
  EXPECT_EQ(baseOf("self"), "none");
  EXPECT_EQ(baseOf("p"), "q");
  EXPECT_EQ(baseOf("q"), "p");
  EXPECT_EQ(baseOf("tail"), "x");  // tail, Y, Z, X, then Y again
  EXPECT_EQ(baseOf("x"), "z");
  EXPECT_EQ(baseOf("y"), "x");
  EXPECT_EQ(baseOf("z"), "y");
  EXPECT_EQ(baseOf("toself"), "self");
}

// Long chains: e0 -> e1 -> ... -> e39 -> e5, and a chain of 30 that ends.
TEST_F(SVDDerivationTest, LongChainsResolveLikeShortOnes) {
  std::string text = "<r>";
  for (int i = 0; i < 40; ++i) {
    const int next = i == 39 ? 5 : i + 1;
    text += "<field id='e" + std::to_string(i) + "' derivedFrom='E" + std::to_string(next) +
            "'><name>E" + std::to_string(i) + "</name></field>";
  }
  for (int i = 0; i < 30; ++i) {
    const std::string derived = i < 29 ? " derivedFrom='L" + std::to_string(i + 1) + "'" : "";
    text += "<field id='l" + std::to_string(i) + "'" + derived + "><name>L" + std::to_string(i) +
            "</name></field>";
  }
  load((text + "</r>").c_str());
  EXPECT_EQ(baseOf("e0"), "e39");  // e0 ... e39, then e5 again
  EXPECT_EQ(baseOf("e4"), "e39");
  EXPECT_EQ(baseOf("e5"), "e39");
  EXPECT_EQ(baseOf("e6"), "e5");
  EXPECT_EQ(baseOf("e39"), "e38");
  EXPECT_EQ(baseOf("l0"), "l29");
  EXPECT_EQ(baseOf("l28"), "l29");
  EXPECT_EQ(baseOf("l29"), "none");
}

TEST_F(SVDDerivationTest, AnEmptyReferenceFindsTheFirstNamedElement) {
  load(
      "<r><field id='first'><name>A</name></field>"
      "<field id='empty' derivedFrom=''><name>B</name></field></r>");
  EXPECT_EQ(baseOf("empty"), "first");
  load("<r><field id='empty' derivedFrom=''><name>B</name></field></r>");
  derivation_.clear();
  EXPECT_EQ(baseOf("empty"), "none");  // it would find itself
}

TEST_F(SVDDerivationTest, RecursiveChainsLookThroughTheWholeDocument) {
  load(
      "<r><p><field id='use' derivedFrom='F'><name>U</name></field></p>"
      "<p><g><field id='deep'><name>F</name></field></g></p>"
      "<field id='later'><name>F</name></field></r>");
  EXPECT_EQ(baseOf("use", true), "deep");
}

}  // namespace
}  // namespace regforge
