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
  const bool twoFiles = result.options.files.size() == 2;
  if (result.status == regforge::ScanResult::Status::Run && !twoFiles) std::abort();
  if (result.status == regforge::ScanResult::Status::Usage && twoFiles) std::abort();
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
