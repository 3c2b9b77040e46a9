// File identities: two spellings of one file are equal, of two files not, and a file that
// writing would make has the identity of its folder and name.
#include "platform/FileIdentity.h"

#include <gtest/gtest.h>

#include "ScratchFolder.h"

namespace regforge {
namespace {

using testsupport::ScratchFolder;

TEST(FileIdentityTest, SpellingsOfOneFileAreEqual) {
  const ScratchFolder folder("identity-same");
  const std::string file = folder.write("sub/a.xml", "x");
  folder.write("b.xml", "x");
  const std::optional<FileIdentity> a = identifyFile(file);
  ASSERT_TRUE(a);
  EXPECT_TRUE(a->regular);
  EXPECT_EQ(identifyFile(folder / "sub/../sub/./a.xml"), a);
  EXPECT_NE(identifyFile(folder / "b.xml"), a);
}

TEST(FileIdentityTest, AFileWritingWouldMakeIsKnownByItsFolderAndName) {
  const ScratchFolder folder("identity-new");
  folder.write("sub/a.xml", "x");
  const std::optional<FileIdentity> made = identifyFile(folder / "sub/new.xml");
  ASSERT_TRUE(made);
  EXPECT_TRUE(made->regular);
  EXPECT_FALSE(made->newName.empty());
  EXPECT_EQ(identifyFile(folder / "sub/../sub/new.xml"), made);
  EXPECT_NE(identifyFile(folder / "sub/other.xml"), made);
  EXPECT_NE(identifyFile(folder / "sub/a.xml"), made);
}

TEST(FileIdentityTest, AFolderIsNoRegularFileAndAMissingFolderHasNoIdentity) {
  const ScratchFolder folder("identity-folder");
  folder.write("sub/a.xml", "x");
  const std::optional<FileIdentity> sub = identifyFile(folder / "sub");
  ASSERT_TRUE(sub);
  EXPECT_FALSE(sub->regular);
  EXPECT_FALSE(identifyFile(folder / "missing/new.xml"));
}

}  // namespace
}  // namespace regforge
