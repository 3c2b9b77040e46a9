// The real device files of the sample corpus convert, one register group per instance of
// the CPU. Runs the program itself, from the devices folder, because the files name their
// register files relative to it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "ProgramRun.h"

namespace fs = std::filesystem;
using regforge::testsupport::readFile;
using regforge::testsupport::runRegforge;

namespace {

std::size_t count(const std::string& text, const std::string& part) {
  std::size_t found = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
    ++found;
  return found;
}

// Exit status of the program run in directory with "-rdt cpu input output".
int convert(const fs::path& directory, const std::string& cpu, const fs::path& input,
            const fs::path& output) {
  return runRegforge(directory, {"-rdt", cpu, input.string(), output.string()}).status;
}

TEST(RdtCorpusTest, DeviceFilesConvert) {
  const fs::path devices = fs::path(REGFORGE_CORPUS_DIR) / "rdt" / "targetdb" / "devices";
  if (!fs::is_directory(devices)) GTEST_SKIP() << "no corpus at " << devices;
  const fs::path scratch =
      fs::temp_directory_path() / ("regforge-rdt-corpus-" + std::to_string(getpid()));
  fs::create_directories(scratch);
  for (const auto& entry : fs::directory_iterator(devices)) {
    if (entry.path().extension() != ".xml") continue;
    SCOPED_TRACE(entry.path().filename().string());
    const fs::path output = scratch / (entry.path().stem().string() + ".map.xml");
    ASSERT_EQ(convert(devices, "CORTEX_M4_0", entry.path().filename(), output), 0);

    // The instances, counted in the text of the one cpu element.
    const std::string device = readFile(entry.path());
    const std::size_t cpu = device.find("<cpu ");
    ASSERT_NE(cpu, std::string::npos);
    const std::string cpuText = device.substr(cpu, device.find("</cpu>", cpu) - cpu);

    const std::string map = readFile(output);
    EXPECT_EQ(map.rfind("<!DOCTYPE Register_Definition_File>\n<Root>\n", 0), 0u);
    EXPECT_EQ(count(map, "<RegisterGroup "), count(cpuText, "<instance "));
    EXPECT_GT(count(map, "<Register "), count(map, "<RegisterGroup "));
    EXPECT_GT(count(map, "<BitField "), count(map, "<Register "));
    EXPECT_GT(count(map, "<Enum "), 0u);
  }
  fs::remove_all(scratch);
}

}  // namespace
