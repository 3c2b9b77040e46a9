// One conversion: core data, interrupt names, one reader, the edits of the tree, the
// memory-map file and the vector table, in that fixed order, over a set of files.
#pragma once

#include <string>
#include <string_view>

#include "driver/CoreSettings.h"
#include "driver/Options.h"
#include "driver/SVDFile2.h"
#include "files/FileAccess.h"
#include "text/PrintfText.h"

namespace regforge {

/// The message of an input that failed to load or parse: "error: TEXT at PATH:LINE".
std::string parseErrorLine(std::string_view text, std::string_view path, int line);

class Conversion {
 public:
  /// files must outlive the conversion; core is the core as the run knows it so far (see
  /// coreSettings).
  Conversion(Options options, FileAccess& files, CoreSettings core);
  /// The conversion of a command line by itself.
  Conversion(Options options, FileAccess& files);

  /// Runs the sequence once: 0 after a complete run; 1 after an error, whose message (its
  /// line end included, when it has one) is in message().
  int run();
  const std::string& message() const { return message_; }

  /// The memory map being made: set bounds and the diagnostics (warnings are reported to
  /// map().diagnostics()) on it before run(), look at it after.
  SVDFile2& map() { return map_; }

 private:
  bool checkIrqStart();
  bool checkFileNames();
  void configureCore();
  bool gatherInterruptNames();
  bool readInput();
  bool readSvdInput();
  bool readTcfInput();
  bool readDdfInput();
  bool readRdtInput();
  bool reportReadFailure();
  bool reportImportFailure();
  void addNvicGroup(bool nonSecure);
  void removeGroups();
  void addPpbGroups(bool nonSecure);
  void checkOutput();
  // With -warn: the reason after an error message, and the reader that reads an input.
  bool explain(const std::string& file, int line, const std::string& text);
  bool explainLoadFailure(const XMLDocument& input);
  bool explainMissingCpu(const XMLDocument& input);
  void warnWrongReader(const XMLDocument& input, const char* option);
  std::string nvicCause() const;
  void addInclude();
  bool writeOutputs();
  bool reportWriteFailure(const std::string& name);
  bool report(const char* format, ...) REGFORGE_PRINTF(2, 3);

  const Options options_;
  FileAccess& files_;
  // What the run learns: a CMSIS header's core data and the input parts it replaces.
  CoreSettings core_;
  unsigned readOptions_;
  const std::string input_;  // the paths as their command-line bytes, for opening and messages
  const std::string output_;
  SVDFile2 map_;
  std::string message_;
  std::size_t inputGroups_ = 0;  // top-level children read from the input, after -remove
};

}  // namespace regforge
