// Finding the base element of a derived SVD element: search order, chains and loops.
#include "readers/SVDDerivation.h"

#include <gtest/gtest.h>

#include <string>

#include "xml/XMLDocument.h"

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

  XMLDocument input_{XMLDocument::Content::ElementText};
  ElementTexts texts_;
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

}  // namespace
}  // namespace regforge
