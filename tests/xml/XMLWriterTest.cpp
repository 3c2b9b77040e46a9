// The written form: doctype line, indentation, the three element forms and escaping.
#include <gtest/gtest.h>

#include "Written.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "xml/XMLDocument.h"

namespace regforge {
namespace {

using testsupport::written;

// Every byte value, in a short tag and in one long enough to be written piece by piece.
TEST(XMLWriterTest, EscapesEveryByteInShortAndLongValues) {
  auto reference = [](int c) -> std::string {
    if (c == '"') return "&quot;";
    if (c == '&') return "&amp;";
    if (c == '<') return "&lt;";
    if (c == '>') return "&gt;";
    if (c >= 0x20 && c <= 0x7E) return std::string(1, static_cast<char>(c));
    char text[8];
    std::snprintf(text, sizeof text, "&#x%x;", c);
    return text;
  };
  for (const int length : {100, 255 * 9}) {
    XMLDocument document(XMLDocument::Content::Dropped);
    XMLElement* root = document.createElement("e");
    document.setRoot(root);
    std::string value;
    std::string escaped;
    for (int i = 0; i < length; ++i) {
      const int c = i % 255 + 1;
      value += static_cast<char>(c);
      escaped += reference(c);
    }
    root->setAttribute("v", value);
    EXPECT_TRUE(written(document) == "<e v=\"" + escaped + "\" />\n") << length;
  }
}

TEST(XMLWriterTest, WritesDeepTreesWithoutRecursion) {
  XMLDocument document(XMLDocument::Content::Dropped);
  XMLElement* node = document.createElement("d");
  document.setRoot(node);
  for (int i = 0; i < 3000; ++i) {
    XMLElement* child = document.createElement("d");
    node->appendChild(child);
    node = child;
  }
  // Indentation grows with depth, so the text is quadratic in it: keep the depth modest.
  EXPECT_EQ(written(document).size(), 2u * 2999 * 3000 + 9u * 3000 + 2 * 3000 + 5);
}

// A writer's owner walking a tree of its own: tags as tree writes them, and bytes of the
// owner's between them in order once the writer is flushed.
TEST(XMLWriterTest, WritesTagsForAWalkOfItsOwner) {
  XMLDocument document(XMLDocument::Content::Dropped);
  ASSERT_TRUE(document.parse("<a><b x='1'/></a>"));
  const XMLElement& a = *document.root();
  std::string text;
  StringSink sink(text);
  {
    XMLWriter writer(sink);
    writer.startTag(a, 0);
    writer.flush();
    sink.write("  <kept/>\n");
    writer.startTag(*a.firstChild()->toElement(), 1);
    writer.endTag(a, 0);
  }
  EXPECT_EQ(text, "<a>\n  <kept/>\n  <b x=\"1\" />\n</a>\n");
}

// Text, comments and CDATA sections are written so that parsing the output gives them back;
// the empty texts the parser keeps around markup come out as indented empty lines.
TEST(XMLWriterTest, WritesTextCommentsAndCDATAOnLinesOfTheirOwn) {
  XMLDocument document(XMLDocument::Content::Nodes);
  ASSERT_TRUE(document.parse("<a>x&lt;<!--c--><![CDATA[<y>]]></a>"));
  EXPECT_EQ(written(document), "<a>\n  x&lt;\n  <!--c-->\n  \n  <![CDATA[<y>]]>\n  \n</a>\n");
}

}  // namespace
}  // namespace regforge
