// Real device packs, when the shared corpus is there: for every processor of every device,
// "-pack DEVICE[:PNAME] -pp -nb" gives the bytes of the pack's SVD file converted with the core
// options that the pack's values mean, run in memory over the pack's files. The pack cases run on
// small packs; this is the one test of the descriptions vendors write.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ProgramRun.h"
#include "entry/Entry.h"
#include "packs/PackCores.h"
#include "packs/PackDescription.h"

namespace regforge {
namespace {

namespace fs = std::filesystem;
using testsupport::filesBelow;
using testsupport::readFile;

const fs::path kPacks = fs::path(REGFORGE_CORPUS_DIR) / "packs";

// The options that the processor's values mean.
std::vector<std::string> coreOptions(const PackProcessor& processor) {
  const PackCore core = packCoreOf(processor.dcore.text, processor.dfpu.text, processor.dmpu.text,
                                   processor.dtz.text);
  std::vector<std::string> options{"-core", std::to_string(core.coreType.value_or(0))};
  if (core.fpu) options.push_back("-fpu");
  if (core.mpu) options.push_back("-mpu");
  if (core.noSecurity) options.push_back("-nocmse");
  return options;
}

// The run's status, with its messages when it fails.
int run(MemoryFiles& files, std::vector<std::string> arguments, std::string& err) {
  arguments.insert(arguments.begin(), "regforge");
  std::vector<const char*> argv;
  for (const std::string& argument : arguments)
    argv.push_back(argument.c_str());
  const RunOutcome outcome = runRegforge(static_cast<int>(argv.size()), argv.data(), files);
  err = outcome.err;
  return outcome.status;
}

TEST(PackCorpus, EveryDeviceConvertsAsItsSvdWithTheCoreOptions) {
  if (!fs::is_directory(kPacks)) GTEST_SKIP() << "no pack corpus";
  int compared = 0;
  for (const auto& pack : fs::directory_iterator(kPacks)) {
    if (!pack.is_directory()) continue;
    const std::string packName = pack.path().filename().string();
    const fs::path pdsc = pack.path() / (packName + ".pdsc");
    MemoryFiles files;
    for (const std::string& file : filesBelow(pack.path()))
      files.files[packName + "/" + file] = readFile(pack.path() / file);
    XMLDocument document(XMLDocument::Content::Dropped);
    ASSERT_TRUE(document.load(pdsc.string().c_str())) << pdsc;
    const std::vector<PackDevice> devices =
        readPackDescription(document).value_or(std::vector<PackDevice>{});
    ASSERT_FALSE(devices.empty()) << pdsc;
    for (const PackDevice& device : devices) {
      for (const PackProcessor& processor : device.processors) {
        if (processor.svd.text.empty()) continue;  // an error case, not a conversion
        const std::string name =
            processor.pname.empty() ? device.name : device.name + ":" + processor.pname;
        std::string err;
        ASSERT_EQ(
            0, run(files,
                   {"-pack", name, "-pp", "-nb", packName + "/" + packName + ".pdsc", "pack.xml"},
                   err))
            << name << ": " << err;
        std::vector<std::string> direct = coreOptions(processor);
        direct.insert(direct.end(), {"-pp", "-nb", packName + "/" + processor.svd.text, "svd.xml"});
        ASSERT_EQ(0, run(files, direct, err)) << name << ": " << err;
        EXPECT_TRUE(files.files["pack.xml"] == files.files["svd.xml"]) << name;
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 0);
}

}  // namespace
}  // namespace regforge
