// Every real-world SVD file of the shared corpus converts, with and without the core groups.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ProgramRun.h"

namespace fs = std::filesystem;
using regforge::testsupport::runRegforge;

namespace {

std::string firstLine(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string line;
  std::getline(in, line);
  return line;
}

TEST(SvdCorpusTest, EveryFileConvertsWithAndWithoutCoreGroups) {
  const fs::path corpus = fs::path(REGFORGE_CORPUS_DIR) / "svd";
  if (!fs::is_directory(corpus)) GTEST_SKIP() << "no corpus at " << corpus;
  const fs::path output =
      fs::temp_directory_path() / ("regforge-corpus-" + std::to_string(getpid()) + ".xml");
  int files = 0;
  for (const auto& entry : fs::directory_iterator(corpus)) {
    if (entry.path().extension() != ".svd") continue;
    ++files;
    for (const bool core : {false, true}) {
      std::vector<std::string> arguments;
      if (core) arguments.push_back("-pp");
      arguments.push_back(entry.path().string());
      arguments.push_back(output.string());
      fs::remove(output);
      EXPECT_EQ(runRegforge(fs::current_path(), arguments).status, 0)
          << entry.path() << (core ? " with -pp" : "");
      EXPECT_EQ(firstLine(output), "<!DOCTYPE Register_Definition_File>") << entry.path();
      EXPECT_GT(fs::file_size(output), 100u) << entry.path();
    }
  }
  fs::remove(output);
  EXPECT_GT(files, 0);
}

}  // namespace
