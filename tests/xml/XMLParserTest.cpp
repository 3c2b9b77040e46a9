// The parser: tree shape, attributes, references, content rules, errors and their lines.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "xml/XMLDocument.h"

namespace regforge {
namespace {

std::string text(const XMLNode* node) {
  return std::string(static_cast<const XMLTextNode*>(node)->text());
}

int childCount(const XMLNode* node) {
  int count = 0;
  for (const XMLNode* child = node->firstChild(); child; child = child->nextSibling())
    ++count;
  return count;
}

TEST(XMLParserTest, BuildsElementsWithAttributesAndText) {
  XMLDocument document(XMLDocument::Content::Nodes);
  ASSERT_TRUE(document.parse("<device c=\"3\" a=\"1\" b='2'><name>X</name> </device>"));
  const XMLElement* root = document.root();
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->tagName(), "device");
  std::string names;  // kept in name order
  for (const XMLAttribute& attribute : root->attributes())
    names += std::string(attribute.name()) + "=" + std::string(attribute.value()) + " ";
  EXPECT_EQ(names, "a=1 b=2 c=3 ");
  EXPECT_EQ(text(root->firstChild()), "");
  const XMLElement* name = root->firstChild()->nextSibling()->toElement();
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->parent(), root);
  EXPECT_EQ(text(name->firstChild()), "X");
  EXPECT_EQ(text(root->lastChild()), " ");
}

// The last of repeated attributes wins; one without a value is dropped, and an unquoted value
// is read as a name.
TEST(XMLParserTest, TheLastOfRepeatedAttributesWins) {
  XMLDocument document(XMLDocument::Content::Dropped);
  ASSERT_TRUE(document.parse("<a x=\"1\" y=\"0\" x=\"2\" y=\"3\"/>"));
  EXPECT_EQ(document.root()->attribute("x"), "2");
  EXPECT_EQ(document.root()->attribute("y"), "3");
  int count = 0;
  for (const XMLAttribute& attribute : document.root()->attributes())
    count += attribute.name().empty() ? 0 : 1;
  EXPECT_EQ(count, 2);
  ASSERT_TRUE(document.parse("<a flag x = 'v' y=z/>"));
  EXPECT_FALSE(document.root()->attribute("flag"));
  EXPECT_EQ(document.root()->attribute("x"), "v");
  EXPECT_FALSE(document.root()->attribute("y"));
  EXPECT_FALSE(document.root()->attribute("z"));
}

// References decode to single bytes, the shortest ending the value; unknown and unfinished ones
// stay as written, and a decoded NUL ends the text.
TEST(XMLParserTest, DecodesReferencesToSingleBytes) {
  XMLDocument document(XMLDocument::Content::Nodes);
  ASSERT_TRUE(document.parse(
      "<a v='&lt;&amp;&amp;&gt;&quot;&apos;' d='&#65;&#x41;&#x4a;&#x4A;&#321;' t='&#9;'/>"));
  EXPECT_EQ(document.root()->attribute("v"), "<&&>\"'");
  EXPECT_EQ(document.root()->attribute("d"), "AAJJA");
  EXPECT_EQ(document.root()->attribute("t"), "\t");
  ASSERT_TRUE(document.parse("<a v='&nbsp; &#; &#X41; &#x; &amp' w='&#65'/>"));
  EXPECT_EQ(document.root()->attribute("v"), "&nbsp; &#; &#X41; &#x; &amp");
  EXPECT_EQ(document.root()->attribute("w"), "&#65");
  ASSERT_TRUE(document.parse("<a v='ab&#0;cd'>x&#256;y</a>"));
  EXPECT_EQ(document.root()->attribute("v"), "ab");
  EXPECT_EQ(text(document.root()->firstChild()), "x");
}

TEST(XMLParserTest, KeepsCDATASectionsLiterallyWhateverKeepContentSays) {
  XMLDocument document(XMLDocument::Content::Dropped);
  ASSERT_TRUE(document.parse("<a><![CDATA[<x>&amp;]]]></a>"));
  ASSERT_EQ(childCount(document.root()), 1);
  EXPECT_EQ(document.root()->firstChild()->type(), XMLNode::Type::CDATASection);
  EXPECT_EQ(text(document.root()->firstChild()), "<x>&amp;]");
}

TEST(XMLParserTest, DropsCarriageReturnsFromTextButNotFromAttributes) {
  XMLDocument document(XMLDocument::Content::Nodes);
  ASSERT_TRUE(document.parse("<a v='1\r\n2'>x\r\ny</a>"));
  EXPECT_EQ(document.root()->attribute("v"), "1\r\n2");
  EXPECT_EQ(text(document.root()->firstChild()), "x\ny");
}

TEST(XMLParserTest, ReportsAnEndTagThatClosesAnotherElement) {
  XMLDocument document(XMLDocument::Content::Nodes);
  EXPECT_FALSE(document.parse("<Register>\n</Reg>"));
  EXPECT_STREQ(document.errorText(), "tagName mismatch");
  EXPECT_EQ(document.errorLine(), 1);
}

TEST(XMLParserTest, ReportsABadAttributeNameOnItsLine) {
  XMLDocument document(XMLDocument::Content::Nodes);
  EXPECT_FALSE(document.parse("<a>\n<b>\n<c 1x='2'/></b></a>"));
  EXPECT_STREQ(document.errorText(), "bad tagName");
  EXPECT_EQ(document.errorLine(), 2);
  EXPECT_FALSE(document.parse("<c \x01='2'/>"));
  EXPECT_EQ(document.errorDetail(), "<c>: an attribute name cannot begin with byte 1");
}

TEST(XMLParserTest, CountsLinesForNodes) {
  XMLDocument document(XMLDocument::Content::Nodes);
  ASSERT_TRUE(document.parse("<a v='x&amp;\n'>\n<b/><!--\n-->\n<c/></a>"));
  const XMLElement* b = findElementsByTag(document.root(), "b", true).at(0);
  const XMLElement* c = findElementsByTag(document.root(), "c", true).at(0);
  EXPECT_EQ(document.root()->line(), 0);
  EXPECT_EQ(document.root()->firstChild()->line(), 1);  // the text after the start tag
  EXPECT_EQ(b->line(), 2);
  EXPECT_EQ(c->line(), 4);
}

TEST(XMLParserTest, ReadsTheDoctypeNameOnlyFromThePlainForm) {
  XMLDocument plain(XMLDocument::Content::Dropped);
  ASSERT_TRUE(plain.parse("<!DOCTYPE Register_Definition_File>\n<a/>"));
  EXPECT_EQ(plain.doctype(), "Register_Definition_File");

  XMLDocument external(XMLDocument::Content::Dropped);
  ASSERT_TRUE(external.parse("<!DOCTYPE svd SYSTEM \"svd.dtd\">\n<a/>"));
  EXPECT_FALSE(external.doctype());
  EXPECT_NE(external.root(), nullptr);
}

TEST(XMLParserTest, SkipsDeclarationCommentsAndInstructionsBeforeTheRoot) {
  XMLDocument document(XMLDocument::Content::Nodes);
  ASSERT_TRUE(document.parse(
      "<?xml version=\"1.0\" encoding='utf-8' standalone?>\n<!-- c -->\n<?pi data?>\n<r/>"));
  EXPECT_EQ(document.root()->tagName(), "r");
  // A CDATA section outside every element has no parent to land in: it is dropped.
  ASSERT_TRUE(document.parse("<![CDATA[x]]><r/><![CDATA[y]]>"));
  EXPECT_EQ(document.root()->firstChild(), nullptr);
}

TEST(XMLParserTest, ReadsTheTextOfAnotherDeclarationAsContent) {
  XMLDocument document(XMLDocument::Content::Nodes);
  ASSERT_TRUE(document.parse("<r><!ELEMENT x><b/></r>"));
  ASSERT_NE(document.root(), nullptr);
  const XMLNode* declaration = document.root()->firstChild()->nextSibling();
  EXPECT_EQ(text(declaration), "ELEMENT x>");
  EXPECT_EQ(declaration->nextSibling()->toElement()->tagName(), "b");
  EXPECT_EQ(text(document.root()->lastChild()), "");  // the empty text between "/>" and "</r>"
}

// Input that doesn't start with a tag, an unquoted declaration value (even after the root), and
// elements, comments or CDATA sections never closed leave no root; elements after a finished
// root are dropped.
TEST(XMLParserTest, InputWithoutAFinishedRootHasNoRoot) {
  XMLDocument document(XMLDocument::Content::Nodes);
  for (const char* text : {"  plain text <a/>", "", "<?xml version=1.0?><a/>",
                           "<a/><?xml version=1.0?>", "<a><!-- never closed",
                           "<a><![CDATA[ never closed"}) {
    EXPECT_TRUE(document.parse(text)) << text;
    EXPECT_EQ(document.root(), nullptr) << text;
  }
  EXPECT_TRUE(document.parse("<done/><open><inner/>"));
  EXPECT_EQ(document.root()->tagName(), "done");
}

TEST(XMLParserTest, ANulByteInAFileEndsTheInput) {
  const auto path = std::filesystem::temp_directory_path() / "regforge-nul-test.xml";
  {
    std::ofstream out(path, std::ios::binary);
    out << std::string("<a/>\0<b/>", 9);
  }
  XMLDocument document(XMLDocument::Content::Dropped);
  ASSERT_TRUE(document.load(path.string().c_str()));
  EXPECT_EQ(document.root()->tagName(), "a");
  std::filesystem::remove(path);
}

TEST(XMLParserTest, HandlesDeepNestingWithoutRecursion) {
  std::string deep;
  for (int i = 0; i < 100000; ++i)
    deep += "<d>";
  for (int i = 0; i < 100000; ++i)
    deep += "</d>";
  XMLDocument document(XMLDocument::Content::Nodes);
  ASSERT_TRUE(document.parse(deep.c_str()));
  EXPECT_EQ(findElementsByTag(document.root(), "d", true).size(), 100000u);
}

// The text an SVD reader sees of an element: its direct character data joined in order.
std::string elementText(const char* xml) {
  XMLDocument document(XMLDocument::Content::ElementText);
  EXPECT_TRUE(document.parse(xml));
  std::string text;
  document.appendElementText(*document.root(), text);
  return text;
}

// Pieces around comments and children are joined, each decoded without its carriage returns;
// CDATA sections are left out.
TEST(ElementTextTest, JoinsTheDirectPiecesDecoded) {
  EXPECT_EQ(elementText("<a>one<!-- c -->two<b>inner</b>three</a>"), "onetwothree");
  EXPECT_EQ(elementText("<a><b>inner</b></a>"), "");
  EXPECT_EQ(elementText("<a>x\r\ny<!---->&lt;&#x41;\r</a>"), "x\ny<A");
  EXPECT_EQ(elementText("<a>p&amp;q\r\n</a>"), "p&q\n");  // in one piece
  EXPECT_EQ(elementText("<a>x<![CDATA[&lt;]]>y</a>"), "xy");
}

}  // namespace
}  // namespace regforge
