// File names reach the files as the command line's bytes: on Windows in the ANSI code page,
// where "\xe9" is an e with an acute accent, elsewhere as they are.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "Process.h"
#include "ProgramRun.h"

namespace fs = std::filesystem;
using namespace regforge::testsupport;

namespace {

// Narrow-path file access, as the program does it; the wide paths of std::filesystem would
// not show whether the bytes were kept.
std::string readNarrow(const std::string& path) {
  std::string bytes;
  if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
    for (int c; (c = std::fgetc(file)) != EOF;)
      bytes += static_cast<char>(c);
    std::fclose(file);
  }
  return bytes;
}

TEST(FileNamesTest, NonAsciiBytesNameTheInputAndBothOutputs) {
  const fs::path work =
      fs::temp_directory_path() / ("regforge-names-" + std::to_string(processId()));
  fs::create_directories(work);
  const std::string name = "d\xe9vice";
  const std::string folder = work.string() + "/";
  std::FILE* input = std::fopen((folder + name + ".ddf").c_str(), "wb");
  ASSERT_NE(input, nullptr);
  std::fputs("sfr = \"A\", \"Memory\", 0x10, 4\ngroup = \"G\", \"A\"\n", input);
  std::fclose(input);

  const ProgramRun run = runRegforge(work, {"-irqs", "X", "-irq-start", "0", "-irq-table", name,
                                            "-ddf", name + ".ddf", name + ".xml"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(readNarrow(folder + name + ".xml").find("<Register name=\"A\""), std::string::npos);
  EXPECT_EQ(readNarrow(folder + name + ".vec"),
            kWindows ? "ISR_HANDLER X_IRQHandler\r\n" : "ISR_HANDLER X_IRQHandler\n");
  fs::remove_all(work);
}

}  // namespace
