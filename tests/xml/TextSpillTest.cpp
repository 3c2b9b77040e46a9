// Written markup set aside: the document writes it back in place, whether it went to the
// spill file or stayed in memory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "xml/XMLDocument.h"

namespace regforge {
namespace {

// A root holding three pieces of written markup of 600 KiB each: the first stays in memory,
// the later ones exceed what the document keeps there.
std::string buildAndWrite(XMLDocument& document) {
  XMLElement* root = document.createElement("Root");
  document.setRoot(root);
  for (const char letter : {'a', 'b', 'c'}) {
    root->appendChild(document.createWrittenText(std::string(600 << 10, letter) + "\n"));
  }
  std::string text;
  document.writeTo(text);
  return text;
}

std::string expected() {
  std::string text = "<Root>\n";
  for (const char letter : {'a', 'b', 'c'})
    text += std::string(600 << 10, letter) + "\n";
  return text + "</Root>\n";
}

TEST(TextSpillTest, WrittenTextComesBackInPlace) {
  XMLDocument document(false);
  EXPECT_EQ(buildAndWrite(document), expected());
  EXPECT_EQ(document.root()->lastChild()->type(), XMLNode::Type::Spilled);

  const auto path = std::filesystem::temp_directory_path() / "regforge-spill-test.xml";
  ASSERT_TRUE(document.write(path.string()));
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), expected());
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
  EXPECT_EQ(text, expected());
  EXPECT_EQ(document.root()->lastChild()->type(), XMLNode::Type::Raw);
}

}  // namespace
}  // namespace regforge
