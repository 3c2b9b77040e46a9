// Written markup set aside: the document writes it back in place of the elements it stands
// for, whether it went to the spill file or stayed in memory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include "xml/XMLDocument.h"

namespace regforge {
namespace {

// Three groups kept as written markup: the first, small, stays in memory; the later ones,
// 600 KiB each, exceed what the document keeps there. A fourth element is written from the
// tree.
constexpr std::pair<char, std::size_t> kPieces[] = {
    {'a', 10 << 10}, {'b', 600 << 10}, {'c', 600 << 10}};

std::string buildAndWrite(XMLDocument& document) {
  XMLElement* root = document.createElement("Root");
  document.setRoot(root);
  for (const auto& [letter, size] : kPieces) {
    XMLElement* group = document.createElement("Group");
    root->appendChild(group);
    group->appendChild(document.createWrittenText(std::string(size, letter) + "\n"));
  }
  root->appendChild(document.createElement("Last"));
  std::string text;
  document.writeTo(text);
  return text;
}

std::string expected() {
  std::string text = "<Root>\n";
  for (const auto& [letter, size] : kPieces)
    text += std::string(size, letter) + "\n";
  return text + "  <Last/>\n</Root>\n";
}

TEST(TextSpillTest, WrittenTextComesBackInPlace) {
  XMLDocument document(XMLDocument::Content::Dropped);
  EXPECT_TRUE(buildAndWrite(document) == expected());

  const auto path = std::filesystem::temp_directory_path() / "regforge-spill-test.xml";
  {
    FileSink sink(openFile(path.c_str(), "wb"));
    ASSERT_TRUE(document.write(sink));
  }
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(in), {}) == expected());
  std::filesystem::remove(path);
}

TEST(TextSpillTest, WithoutATemporaryFolderTheTextStaysInMemory) {
  const char* saved = std::getenv("TMPDIR");
  const std::string previous = saved ? saved : "";
  setenv("TMPDIR", "/no/such/folder", 1);
  XMLDocument document(XMLDocument::Content::Dropped);
  const std::string text = buildAndWrite(document);
  if (saved) {
    setenv("TMPDIR", previous.c_str(), 1);
  } else {
    unsetenv("TMPDIR");
  }
  EXPECT_TRUE(text == expected());
}

// A group replaced by its written form, as a finished group is: a small one stays in memory,
// one that outgrows the memory share moves to the spill file while it is written.
TEST(TextSpillTest, WrittenFormStandsForTheGroup) {
  XMLDocument document(XMLDocument::Content::Dropped);
  XMLElement* root = document.createElement("Root");
  document.setRoot(root);
  for (const int items : {3, 20000}) {
    XMLElement* group = document.createElement("Group");
    root->appendChild(group);
    for (int i = 0; i < items; ++i) {
      XMLElement* item = document.createElement("Item");
      item->setAttribute("name", "item" + std::to_string(i));
      group->appendChild(item);
    }
  }
  std::string before;
  document.writeTo(before);
  for (XMLNode* group = root->firstChild(); group; group = group->nextSibling()) {
    XMLNode* written = document.createWrittenForm(*group, 1);
    while (XMLNode* child = group->firstChild())
      group->toElement()->removeChild(child);
    group->toElement()->appendChild(written);
  }
  std::string after;
  document.writeTo(after);
  EXPECT_TRUE(after == before);
}

}  // namespace
}  // namespace regforge
