// Where the files of a pack are: the folder of its description, or the zip archive that the
// pack came in.
#pragma once

#include <optional>
#include <string>

#include "platform/ZipArchive.h"
#include "xml/XMLDocument.h"

namespace regforge {

class PackSource {
 public:
  /// The pack whose description, or whose zip archive (a name ending in .pack or .zip), is at
  /// path, as the command line gives it.
  explicit PackSource(std::string path);

  /// Parses the pack description into document; false with the message to print.
  bool readDescription(XMLDocument& document, std::string& message);

  /// A file that the pack names by a pack-relative path.
  struct File {
    std::string path;                  ///< to open, and to name in messages
    std::optional<std::string> bytes;  ///< its contents, for a file of a zipped pack
    bool byLetterCase = false;         ///< found under a name that differs in letter case only
  };
  /// The file named relative (a '/' separated path); a missing one keeps the path it would
  /// have, so that opening it fails with that name.
  File find(const std::string& relative) const;

 private:
  bool readZippedDescription(XMLDocument& document, std::string& message);

  std::string path_;
  std::string folder_;                 // of the description, ending in '/'; empty for "."
  std::optional<ZipArchive> archive_;  // the pack, when it is zipped
};

}  // namespace regforge
