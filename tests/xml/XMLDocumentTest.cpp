// The object model: attribute order and setting rules, child-list edits, tag search.
#include "xml/XMLDocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace regforge {
namespace {

std::vector<std::string> attributeNames(const XMLElement& element) {
  std::vector<std::string> names;
  for (const XMLAttribute& attribute : element.attributes())
    names.emplace_back(attribute.name());
  return names;
}

TEST(XMLElementTest, AttributesIterateInByteOrderOfTheirNames) {
  XMLDocument document(XMLDocument::Content::Dropped);
  XMLElement* element = document.createElement("Register");
  element->setAttribute("start", "0x0");
  element->setAttribute("name", "CR");
  element->setAttribute("access", "ReadOnly");
  element->setAttribute("alpha", "1");
  element->setAttribute("Zeta", "2");  // upper-case letters sort first
  EXPECT_EQ(attributeNames(*element),
            (std::vector<std::string>{"Zeta", "access", "alpha", "name", "start"}));
}

TEST(XMLElementTest, SettingAnAttributeAgainReplacesItsValueInPlace) {
  XMLDocument document(XMLDocument::Content::Dropped);
  XMLElement* element = document.createElement("e");
  element->setAttribute("name", "first");
  element->setAttribute("name", "first");
  element->setAttribute("name", "second");
  EXPECT_EQ(attributeNames(*element), std::vector<std::string>{"name"});
  EXPECT_EQ(element->attribute("name"), "second");
}

// Children removed from the middle, the end and the front; a node that is no child changes
// nothing; prepending and appending keep both ends right.
TEST(XMLElementTest, ChildrenAreRemovedWhereverTheyStand) {
  XMLDocument document(XMLDocument::Content::Dropped);
  XMLElement* parent = document.createElement("p");
  XMLElement* children[4];
  for (XMLElement*& child : children) {
    child = document.createElement("c");
    parent->appendChild(child);
  }
  const auto order = [&] {
    std::string text;
    for (const XMLNode* node = parent->firstChild(); node; node = node->nextSibling())
      text += std::to_string(std::find(children, children + 4, node) - children);
    return text;
  };
  parent->removeChild(children[2]);
  EXPECT_EQ(order(), "013");
  parent->removeChild(children[2]);  // no longer a child
  parent->removeChild(document.createElement("other"));
  EXPECT_EQ(order(), "013");
  parent->removeChild(children[3]);
  EXPECT_EQ(parent->lastChild(), children[1]);
  parent->appendChild(children[2]);
  parent->removeChild(children[0]);
  parent->prependChild(children[3]);
  EXPECT_EQ(order(), "312");
  EXPECT_EQ(parent->lastChild(), children[2]);
}

TEST(FindElementsByTagTest, SearchesSiblingsAndOptionallyDescendantsInDocumentOrder) {
  XMLDocument document(XMLDocument::Content::Nodes);
  ASSERT_TRUE(document.parse("<r><x id='1'><x id='2'/>text<y><x id='3'/></y></x><x id='4'/></r>"));
  XMLNode* first = document.root()->firstChild();

  std::vector<std::string> ids;
  for (XMLElement* element : findElementsByTag(first, "x", true)) {
    ids.emplace_back(*element->attribute("id"));
  }
  EXPECT_EQ(ids, (std::vector<std::string>{"1", "2", "3", "4"}));

  ids.clear();
  for (XMLElement* element : findElementsByTag(first, "x", false)) {
    ids.emplace_back(*element->attribute("id"));
  }
  EXPECT_EQ(ids, (std::vector<std::string>{"1", "4"}));
  EXPECT_TRUE(findElementsByTag(first, "X", true).empty());
  EXPECT_TRUE(findElementsByTag(nullptr, "x", true).empty());
}

// The tag names, and "#" for other nodes, of the walk from first that stays below top.
std::string walked(const XMLNode* first, const XMLNode* top) {
  std::string tags;
  for (const XMLNode* node = first; node; node = nextInPreOrder(node, top)) {
    const XMLElement* element = node->toElement();
    tags += element ? std::string(element->tagName()) : "#";
  }
  return tags;
}

TEST(NextInPreOrderTest, StaysBelowTop) {
  XMLDocument document(XMLDocument::Content::Dropped);
  ASSERT_TRUE(document.parse("<r><a><b/><![CDATA[t]]><c><d/></c></a><e/></r>"));
  const XMLElement* root = document.root();
  const XMLNode* a = root->firstChild();
  EXPECT_EQ(walked(root, root), "rab#cde");
  EXPECT_EQ(walked(root, nullptr), "rab#cde");
  EXPECT_EQ(walked(a, a), "ab#cd");
  EXPECT_EQ(walked(a, root), "ab#cde");  // from a on: its following siblings too
  EXPECT_EQ(nextInPreOrder(a, root, false), a->nextSibling());
  EXPECT_EQ(nextInPreOrder(a->nextSibling(), root, false), nullptr);
}

TEST(XMLDocumentTest, SharedSourcesOutliveTheirParser) {
  XMLDocument output(XMLDocument::Content::Dropped);
  XMLElement* copy = output.createElement("copy");
  {
    XMLDocument input(XMLDocument::Content::Dropped);
    ASSERT_TRUE(input.parse("<a name='shared text'/>"));
    output.shareSources(input);
    const std::string_view name = *input.root()->attribute("name");
    copy->setAttribute("name", name);
    EXPECT_EQ(copy->attribute("name")->data(), name.data());  // no copy was made
  }
  EXPECT_EQ(copy->attribute("name"), "shared text");
}

TEST(XMLDocumentTest, ClearingForgetsTheTreeButKeepsItsMemory) {
  XMLDocument document(XMLDocument::Content::Nodes);
  std::string wide = "<a>";
  for (int i = 0; i < 2000; ++i)
    wide += "<b/>";
  wide += "</a>";
  ASSERT_TRUE(document.parse(("<!DOCTYPE d>" + wide).c_str()));
  const std::size_t storage = document.storage();
  document.clear();
  ASSERT_TRUE(document.parse(wide.c_str()));
  EXPECT_FALSE(document.doctype());
  EXPECT_EQ(document.storage(), storage);  // the memory of the first tree is used again
}

TEST(XMLDocumentTest, AnInputThatEndsInsideAnElementSaysWhereItOpened) {
  XMLDocument document(XMLDocument::Content::Dropped);
  ASSERT_TRUE(document.parse("<device>\n  <a></a>\n  <peripheral>\n    <name>"));
  EXPECT_EQ(document.root(), nullptr);
  EXPECT_EQ(document.unclosed(),
            "the file ends inside <name>, which opened on line 4, within <device> of line 1");
  ASSERT_TRUE(document.parse("<device>\n<peripheral>"));
  EXPECT_EQ(document.unclosed(),
            "the file ends inside <peripheral>, which opened on line 2, within <device> of line 1");
  ASSERT_TRUE(document.parse("<device>"));
  EXPECT_EQ(document.unclosed(), "the file ends inside <device>, which opened on line 1");
  ASSERT_TRUE(document.parse("<device></device>"));
  EXPECT_EQ(document.unclosed(), "");
}

}  // namespace
}  // namespace regforge
