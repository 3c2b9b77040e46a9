// The object model: attribute order and setting rules, child-list edits, tag search.
#include "xml/XMLDocument.h"

#include <gtest/gtest.h>

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

std::vector<std::string> childTags(const XMLNode& node) {
  std::vector<std::string> tags;
  for (const XMLNode* child = node.firstChild(); child; child = child->nextSibling()) {
    tags.emplace_back(child->toElement()->tagName());
  }
  return tags;
}

TEST(XMLElementTest, AttributesIterateInByteOrderOfTheirNames) {
  XMLDocument document(false);
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
  XMLDocument document(false);
  XMLElement* element = document.createElement("e");
  element->setAttribute("name", "first");
  element->setAttribute("name", "first");
  element->setAttribute("name", "second");
  EXPECT_EQ(attributeNames(*element), std::vector<std::string>{"name"});
  EXPECT_EQ(element->attribute("name"), "second");
}

TEST(XMLElementTest, AnAttributeWithoutValueReadsAsNone) {
  XMLDocument document(false);
  XMLElement* element = document.createElement("e");
  element->setAttribute("start", std::nullopt);
  element->setAttribute("name", "");
  EXPECT_EQ(attributeNames(*element), (std::vector<std::string>{"name", "start"}));
  EXPECT_FALSE(element->attribute("start"));
  EXPECT_FALSE(element->attributes().begin()->next()->hasValue());
  EXPECT_EQ(element->attribute("name"), "");
  EXPECT_FALSE(element->attribute("missing"));
}

TEST(XMLElementTest, KeepsItsOwnCopyOfEveryText) {
  XMLDocument document(false);
  std::string tag = "tag", name = "name", value = "value";
  XMLElement* element = document.createElement(tag);
  element->setAttribute(name, value);
  tag.assign("xxx");
  name.assign("xxxx");
  value.assign("xxxxx");
  EXPECT_EQ(element->tagName(), "tag");
  EXPECT_EQ(element->attribute("name"), "value");
}

class ChildListTest : public testing::Test {
 protected:
  ChildListTest() {
    parent_ = document_.createElement("parent");
    for (const char* tag : {"a", "b", "c"}) {
      children_.push_back(document_.createElement(tag));
      parent_->appendChild(children_.back());
    }
  }
  XMLDocument document_{false};
  XMLElement* parent_;
  std::vector<XMLElement*> children_;
};

TEST_F(ChildListTest, AppendAndPrependLinkParentAndEnds) {
  XMLElement* first = document_.createElement("first");
  parent_->prependChild(first);
  EXPECT_EQ(childTags(*parent_), (std::vector<std::string>{"first", "a", "b", "c"}));
  EXPECT_EQ(first->parent(), parent_);
  EXPECT_EQ(parent_->lastChild(), children_[2]);

  XMLElement* lone = document_.createElement("lone");
  XMLElement* only = document_.createElement("only");
  lone->prependChild(only);
  EXPECT_EQ(lone->firstChild(), only);
  EXPECT_EQ(lone->lastChild(), only);
}

TEST_F(ChildListTest, RemovingTheFirstChildKeepsTheRestInOrder) {
  parent_->removeChild(children_[0]);
  EXPECT_EQ(childTags(*parent_), (std::vector<std::string>{"b", "c"}));
  EXPECT_EQ(parent_->lastChild(), children_[2]);
  // The removed node still leads to its old next sibling, so a walk can step past it.
  EXPECT_EQ(children_[0]->nextSibling(), children_[1]);
}

TEST_F(ChildListTest, RemovingTheLastChildMovesTheLastLink) {
  parent_->removeChild(children_[2]);
  EXPECT_EQ(childTags(*parent_), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(parent_->lastChild(), children_[1]);
  parent_->appendChild(document_.createElement("d"));
  EXPECT_EQ(childTags(*parent_), (std::vector<std::string>{"a", "b", "d"}));
}

TEST_F(ChildListTest, RemovingANodeThatIsNoChildChangesNothing) {
  parent_->removeChild(document_.createElement("stranger"));
  EXPECT_EQ(childTags(*parent_), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(parent_->lastChild(), children_[2]);
}

TEST_F(ChildListTest, RemovingEveryChildEmptiesTheList) {
  for (XMLElement* child : children_)
    parent_->removeChild(child);
  EXPECT_EQ(parent_->firstChild(), nullptr);
  EXPECT_EQ(parent_->lastChild(), nullptr);
}

TEST(FindElementsByTagTest, SearchesSiblingsAndOptionallyDescendantsInDocumentOrder) {
  XMLDocument document(true);
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

TEST(XMLDocumentTest, ReportsAFileThatCannotBeRead) {
  XMLDocument document(true);
  EXPECT_FALSE(document.load("no/such/file.svd"));
  EXPECT_STREQ(document.errorText(), "couldn't read no/such/file.svd");
  EXPECT_EQ(document.errorLine(), 0);
  EXPECT_EQ(document.root(), nullptr);
}

TEST(XMLDocumentTest, CutsLongMessagesAt1023Bytes) {
  XMLDocument document(true);
  const std::string path = "missing/" + std::string(2000, 'p');
  EXPECT_FALSE(document.load(path.c_str()));
  EXPECT_EQ(std::string(document.errorText()).size(), 1023u);
}

}  // namespace
}  // namespace regforge

namespace regforge {
namespace {

TEST(XMLDocumentTest, SharedSourcesOutliveTheirParser) {
  XMLDocument output(false);
  XMLElement* copy = output.createElement("copy");
  {
    XMLDocument input(false);
    ASSERT_TRUE(input.parse("<a name='shared text'/>"));
    output.shareSources(input);
    const std::string_view name = *input.root()->attribute("name");
    copy->setAttribute("name", name);
    EXPECT_EQ(copy->attribute("name")->data(), name.data());  // no copy was made
  }
  EXPECT_EQ(copy->attribute("name"), "shared text");
}

}  // namespace
}  // namespace regforge
