// Finished groups: written exactly as the tree they stood for, wherever their text was stored,
// readable again as a tree, and built in a document of their own.
#include <gtest/gtest.h>

#include <string>

#include "Process.h"
#include "Written.h"
#include "memorymap/MemoryMap.h"

namespace regforge {
namespace {

using testsupport::written;

// Groups of 3, 20000 (past the memory share: the file) and 5 registers; finished as they are
// made, or left as a tree. groups, when given, gets the groups.
std::string built(bool finished, MemoryMap& map, std::vector<MemoryMapElement*>* groups = nullptr) {
  MemoryMapElement* root = map.createMapElement("Processor");
  map.setRoot(root);
  for (const int registers : {3, 20000, 5}) {
    MemoryMapElement* group = map.addRegisterGroup(root, "0x0", nullptr, "G", nullptr);
    if (groups) groups->push_back(group);
    const auto fill = [&](XMLElement& parent) {
      for (int i = 0; i < registers; ++i)
        map.addRegister(&parent, "+0x4", "4", nullptr, "R" + std::to_string(i), "d");
    };
    if (finished) {
      const GroupContent content(map, *group);
      fill(content.group());
    } else {
      fill(*group);
    }
  }
  return written(map);
}

std::string built(bool finished) {
  MemoryMap map;
  return built(finished, map);
}

TEST(StoredGroupsTest, FinishedGroupsAreWrittenAsTheirTree) {
  EXPECT_TRUE(built(true) == built(false));
}

TEST(StoredGroupsTest, WithoutATemporaryFolderTheTextStaysInMemory) {
  const std::string tree = built(false);
  std::string text;
  testsupport::withoutTemporaryFiles([&] { text = built(true); });
  EXPECT_TRUE(text == tree);
}

// Each group, the one whose text went to the file among them, is parsed again from its text.
TEST(StoredGroupsTest, AFinishedGroupIsReadAgainAsItsTree) {
  MemoryMap finished, tree;
  std::vector<MemoryMapElement*> stored, groups;
  built(true, finished, &stored);
  built(false, tree, &groups);
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const std::unique_ptr<MapDocument> again = finished.storedGroup(*stored[i]);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->root()->firstChild()->toElement()->attribute("name"), "R0");
    std::string text;
    StringSink sink(text);
    XMLWriter(sink).tree(*groups[i], 0);
    EXPECT_TRUE(written(*again) == text) << i;
  }
  EXPECT_FALSE(finished.storedGroup(*finished.rootElement()));
}

// An element made before a group's content keeps its memory in the map's own storage, even
// when it is changed while the group is filled; the next group's content doesn't touch it.
TEST(StoredGroupsTest, AnElementChangedDuringAGroupKeepsWhatItWasGiven) {
  MemoryMap map;
  MemoryMapElement* root = map.createMapElement("Processor");
  map.setRoot(root);
  MemoryMapElement* first = map.addRegisterGroup(root, "0x0", nullptr, "A", nullptr);
  {
    const GroupContent content(map, *first);
    map.addRegister(&content.group(), "+0x0", "4", nullptr, "R", "d");
    root->setAttribute("name", "set while A was filled");
  }
  // The second group's content takes more than the first's, over where the name stood.
  MemoryMapElement* second = map.addRegisterGroup(root, "0x0", nullptr, "B", nullptr);
  {
    const GroupContent content(map, *second);
    for (int i = 0; i < 4; ++i) {
      map.addRegister(&content.group(), "+0x0", "4", nullptr, "a longer name of a register of B",
                      "d");
    }
  }
  const std::string text = written(map);
  EXPECT_EQ(text.substr(0, text.find('\n')), "<Processor name=\"set while A was filled\">");
}

// An element of a group's content linked outside the group would outlive its document. The
// sanitizer build keeps assertions on and runs this; the others skip it.
TEST(StoredGroupsDeathTest, ContentLinkedOutsideItsGroupIsCaught) {
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
        root->appendChild(content.group().document().createElement("Register"));
      },
      "another document");
#endif
}

}  // namespace
}  // namespace regforge
