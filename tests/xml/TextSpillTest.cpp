// Written markup set aside: the document writes it back in place of the elements it stands
// for, whether it went to the spill file or stayed in memory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "xml/XMLDocument.h"

namespace regforge {
namespace {

constexpr std::size_t kPiece = 600 << 10;

// A root holding three groups, each kept as 600 KiB of written markup: the first stays in
// memory, the later ones exceed what the document keeps there. A fourth element is written
// from the tree.
std::string buildAndWrite(XMLDocument& document) {
  XMLElement* root = document.createElement("Root");
  document.setRoot(root);
  for (const char letter : {'a', 'b', 'c'}) {
    XMLElement* group = document.createElement("Group");
    root->appendChild(group);
    group->appendChild(document.createWrittenText(std::string(kPiece, letter) + "\n"));
  }
  root->appendChild(document.createElement("Last"));
  std::string text;
  document.writeTo(text);
  return text;
}

std::string expected() {
  std::string text = "<Root>\n";
  for (const char letter : {'a', 'b', 'c'})
    text += std::string(kPiece, letter) + "\n";
  return text + "  <Last/>\n</Root>\n";
}

// How the written form of the root's child number index is kept.
XMLNode::Type keptAs(const XMLDocument& document, int index) {
  const XMLNode* group = document.root()->firstChild();
  while (index-- > 0)
    group = group->nextSibling();
  return group->firstChild()->type();
}

TEST(TextSpillTest, WrittenTextComesBackInPlace) {
  XMLDocument document(false);
  EXPECT_TRUE(buildAndWrite(document) == expected());
  EXPECT_EQ(keptAs(document, 0), XMLNode::Type::Raw);
  EXPECT_EQ(keptAs(document, 2), XMLNode::Type::Spilled);

  const auto path = std::filesystem::temp_directory_path() / "regforge-spill-test.xml";
  ASSERT_TRUE(document.write(path.string()));
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(in), {}) == expected());
  std::filesystem::remove(path);
}

TEST(TextSpillTest, WithoutATemporaryFolderTheTextStaysInMemory) {
  const char* saved = std::getenv("TMPDIR");
  const std::string previous = saved ? saved : "";
  setenv("TMPDIR", "/no/such/folder", 1);
  XMLDocument document(false);
  const std::string text = buildAndWrite(document);
  if (saved) {
    setenv("TMPDIR", previous.c_str(), 1);
  } else {
    unsetenv("TMPDIR");
  }
  EXPECT_TRUE(text == expected());
  EXPECT_EQ(keptAs(document, 2), XMLNode::Type::Raw);
}

}  // namespace
}  // namespace regforge
