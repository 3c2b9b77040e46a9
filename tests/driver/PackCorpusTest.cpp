// Real device packs, when the shared corpus is there: for every processor of every device,
// "-pack DEVICE[:PNAME] -pp -nb" gives the bytes of the pack's SVD file converted with the core
// options that the pack's values mean. The pack cases run on small packs; this is the one test
// of the descriptions vendors write.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ProgramRun.h"
#include "cortexm/PackCores.h"
#include "readers/PackDescription.h"

namespace regforge {
namespace {

namespace fs = std::filesystem;
using testsupport::readFile;
using testsupport::runRegforge;

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

TEST(PackCorpus, EveryDeviceConvertsAsItsSvdWithTheCoreOptions) {
  if (!fs::is_directory(kPacks)) GTEST_SKIP() << "no pack corpus";
  const fs::path work = fs::temp_directory_path() / ("regforge-packs-" + std::to_string(getpid()));
  fs::create_directories(work);
  int compared = 0;
  for (const auto& pack : fs::directory_iterator(kPacks)) {
    if (!pack.is_directory()) continue;
    const fs::path pdsc = pack.path() / (pack.path().filename().string() + ".pdsc");
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
        const auto viaPack = runRegforge(
            work, {"-pack", name, "-pp", "-nb", pdsc.string(), (work / "pack.xml").string()});
        std::vector<std::string> direct = coreOptions(processor);
        direct.insert(direct.end(), {"-pp", "-nb", (pack.path() / processor.svd.text).string(),
                                     (work / "svd.xml").string()});
        const auto viaSvd = runRegforge(work, direct);
        ASSERT_EQ(0, viaPack.status) << name << ": " << viaPack.err;
        ASSERT_EQ(0, viaSvd.status) << name << ": " << viaSvd.err;
        EXPECT_TRUE(readFile(work / "pack.xml") == readFile(work / "svd.xml")) << name;
        ++compared;
      }
    }
  }
  fs::remove_all(work);
  EXPECT_GT(compared, 0);
}

}  // namespace
}  // namespace regforge
