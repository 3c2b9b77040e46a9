// The system's reasons why a file can't be read or written: none for one that can, and the
// system's own words for a missing file, a folder and a missing folder.
#include "platform/FileProblem.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "ScratchFolder.h"

namespace regforge {
namespace {

using testsupport::ScratchFolder;

TEST(FileProblemTest, ReadingHasNoProblemWithAFileAndTheSystemsWordsOtherwise) {
  const ScratchFolder folder("problem-read");
  const std::string file = folder.write("a.svd", "x");
  EXPECT_EQ(fileProblem(file.c_str()), "");
  EXPECT_EQ(fileProblem((folder / "missing.svd").c_str()), std::strerror(ENOENT));
  EXPECT_EQ(fileProblem(folder.path().c_str()), std::strerror(EISDIR));
}

TEST(FileProblemTest, WritingHasNoProblemWhereAFileCanBeReplaced) {
  const ScratchFolder folder("problem-write");
  const std::string file = folder.write("a.xml", "x");
  EXPECT_EQ(writeProblem(file.c_str()), "");
  EXPECT_EQ(writeProblem(folder.path().c_str()), std::strerror(EISDIR));
  EXPECT_EQ(writeProblem((folder / "missing/new.xml").c_str()), std::strerror(ENOENT));
}

TEST(FileProblemTest, WritingHasNoProblemWhereAFileCanBeMade) {
  const ScratchFolder folder("problem-new");
  EXPECT_EQ(writeProblem((folder / "new.xml").c_str()), "");
}

}  // namespace
}  // namespace regforge
