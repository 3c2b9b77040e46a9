// Where the files of a pack are: the folder of its description, or the zip archive that the
// pack came in.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "files/FileAccess.h"
#include "platform/ZipArchive.h"
#include "xml/XMLDocument.h"

namespace regforge {

class PackSource {
 public:
  /// The pack whose description, or whose zip archive (a name ending in .pack or .zip), is at
  /// path, as the command line gives it; files is how the run reaches files, and must outlive
  /// the source.
  PackSource(std::string path, FileAccess& files);
  ~PackSource();

  /// Parses the pack description into document; false with the message to print.
  bool readDescription(XMLDocument& document, std::string& message);

  /// A file that the pack names by a pack-relative path.
  struct NamedFile {
    std::string path;               ///< to open through files(), and to name in messages
    bool byLetterCase = false;      ///< found under a name that differs in letter case only
    const char* problem = nullptr;  ///< why the path is refused; then path is empty
  };
  /// The file named (a '/' or '\' separated path) inside the pack's root: a path that is
  /// absolute, names a drive, climbs out of the root or leads out through a link is refused.
  /// A missing one keeps the path it would have, so that opening it fails with that name.
  NamedFile find(const std::string& named) const;

  /// The files of a conversion from this pack: those of the run, and for a zipped pack the
  /// archive's files under the archive's own path.
  FileAccess& files() const;

 private:
  class ZippedFiles;
  bool readZippedDescription(XMLDocument& document, std::string& message);

  std::string path_;
  std::string folder_;  // of the description, ending in '/'; empty for "."
  FileAccess& files_;
  std::optional<ZipArchive> archive_;    // the pack, when it is zipped
  std::unique_ptr<ZippedFiles> zipped_;  // the files over archive_
};

}  // namespace regforge
