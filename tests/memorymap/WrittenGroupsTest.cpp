// Finished groups: written exactly as the tree they stood for, wherever their text was kept,
// and a text that can't be read back is reported rather than left out silently.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "Process.h"
#include "memorymap/MemoryMap.h"

namespace regforge {
namespace {

// Groups of 3, 20000 (past the memory share: the file) and 5 registers; finished as they are
// made, or left as a tree.
std::string built(bool finished, ByteSink* file = nullptr) {
  MemoryMap map;
  MemoryMapElement* root = map.createMapElement("Processor");
  map.setRoot(root);
  for (const int registers : {3, 20000, 5}) {
    MemoryMapElement* group = map.addRegisterGroup(root, "0x0", nullptr, "G", nullptr);
    const auto fill = [&] {
      for (int i = 0; i < registers; ++i)
        map.addRegister(group, "+0x4", "4", nullptr, "R" + std::to_string(i), "d");
    };
    if (finished) {
      const GroupContent content(map, *group);
      fill();
    } else {
      fill();
    }
  }
  std::string text;
  if (file) {
    EXPECT_TRUE(map.write(*file));
  }
  map.writeTo(text);
  return text;
}

TEST(WrittenGroupsTest, FinishedGroupsAreWrittenAsTheirTree) {
  const std::string tree = built(false);
  EXPECT_TRUE(built(true) == tree);

  FileSink file{File(std::tmpfile())};
  built(true, &file);
  std::string copied(tree.size() + 1, '\0');
  std::rewind(file.file());
  copied.resize(std::fread(&copied[0], 1, copied.size(), file.file()));
  EXPECT_TRUE(copied == tree);
}

TEST(WrittenGroupsTest, WithoutATemporaryFolderTheTextStaysInMemory) {
  const std::string tree = built(false);
  std::string text;
  testsupport::withoutTemporaryFiles([&] { text = built(true); });
  EXPECT_TRUE(text == tree);
}

// An element made before a group's content keeps its memory in the map's own storage, even
// when it is changed while the group is filled; the next group's content doesn't touch it.
TEST(WrittenGroupsTest, AnElementChangedDuringAGroupKeepsWhatItWasGiven) {
  MemoryMap map;
  MemoryMapElement* root = map.createMapElement("Processor");
  map.setRoot(root);
  MemoryMapElement* first = map.addRegisterGroup(root, "0x0", nullptr, "A", nullptr);
  {
    const GroupContent content(map, *first);
    map.addRegister(first, "+0x0", "4", nullptr, "R", "d");
    root->setAttribute("name", "set while A was filled");
  }
  // The second group's content takes more than the first's, over where the name stood.
  MemoryMapElement* second = map.addRegisterGroup(root, "0x0", nullptr, "B", nullptr);
  {
    const GroupContent content(map, *second);
    for (int i = 0; i < 4; ++i)
      map.addRegister(second, "+0x0", "4", nullptr, "a longer name of a register of B", "d");
  }
  std::string text;
  map.writeTo(text);
  EXPECT_EQ(text.substr(0, text.find('\n')), "<Processor name=\"set while A was filled\">");
}

// A node of a group's content linked outside the group would outlive its memory.
TEST(WrittenGroupsDeathTest, ContentLinkedOutsideItsGroupIsCaught) {
#ifdef NDEBUG
  GTEST_SKIP() << "assertions are off in this build";
#else
  MemoryMap map;
  MemoryMapElement* root = map.createMapElement("Processor");
  map.setRoot(root);
  MemoryMapElement* group = map.addRegisterGroup(root, "0x0", nullptr, "A", nullptr);
  EXPECT_DEATH(
      {
        const GroupContent content(map, *group);
        map.addRegister(root, "+0x0", "4", nullptr, "R", "d");
      },
      "arena");
#endif
}

// Bytes kept elsewhere that can't be read back: the rest is written, the write fails.
class UnreadableSource : public ByteSource {
  bool copyTo(ByteSink&, std::uint64_t, std::uint64_t) const override { return false; }
};

TEST(WrittenGroupsTest, TextThatCannotBeReadBackFailsTheWrite) {
  std::string text;
  StringSink sink(text);
  XMLWriter writer(sink);
  const UnreadableSource source;
  writer.written("before\n");
  writer.copied(source, 0, 10);
  writer.written("after\n");
  EXPECT_FALSE(writer.finish());
  EXPECT_EQ(text, "before\nafter\n");
}

}  // namespace
}  // namespace regforge
