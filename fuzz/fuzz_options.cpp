// The option scan on arbitrary command lines: the words are the input split at NUL bytes. The
// options are then checked as with "-warn".
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver/Options.h"
#include "driver/RunChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> words{"regforge"};
  std::string word;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      words.push_back(word);
      word.clear();
    } else {
      word.push_back(static_cast<char>(data[i]));
    }
  }
  words.push_back(word);
  std::vector<const char*> argv;
  for (const std::string& w : words)
    argv.push_back(w.c_str());

  const regforge::ScanResult result =
      regforge::scanArguments(static_cast<int>(argv.size()), argv.data());
  // Two file names, or one for the list of a pack's devices.
  const bool rightFiles = result.options.files.size() == (result.options.packList ? 1u : 2u);
  if (result.status == regforge::ScanResult::Status::Run && !rightFiles) std::abort();
  if (result.status == regforge::ScanResult::Status::Usage && rightFiles) std::abort();
  if ((result.status == regforge::ScanResult::Status::MissingArgument) !=
      (result.message != nullptr)) {
    std::abort();
  }
  regforge::Diagnostics diagnostics;
  diagnostics.enable();
  regforge::checkOptions(result.options, diagnostics);
  if (diagnostics.count() > 0 && diagnostics.takeText().empty()) std::abort();
  return 0;
}
