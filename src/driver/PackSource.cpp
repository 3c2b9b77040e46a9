#include "driver/PackSource.h"

#include <algorithm>
#include <string_view>

#include "platform/FileLookup.h"
#include "text/ByteText.h"

namespace regforge {
namespace {

// The largest file taken from an archive: what the XML parser reads at most.
constexpr std::size_t kLargestMember = (std::size_t{1} << 31) - 1;

bool endsWithIgnoringCase(std::string_view text, std::string_view suffix) {
  return text.size() > suffix.size() &&
         equalsIgnoreAsciiCase(text.substr(text.size() - suffix.size()), suffix);
}

std::string parseError(const XMLDocument& document, const std::string& path) {
  return "error: " + std::string(document.errorText()) + " at " + path + ":" +
         std::to_string(document.errorLine()) + "\n";
}

}  // namespace

PackSource::PackSource(std::string path) : path_(std::move(path)) {
  const std::size_t slash = path_.rfind('/');
  if (slash != std::string::npos) folder_ = path_.substr(0, slash + 1);
}

bool PackSource::readDescription(XMLDocument& document, std::string& message) {
  if (endsWithIgnoringCase(path_, ".pack") || endsWithIgnoringCase(path_, ".zip")) {
    return readZippedDescription(document, message);
  }
  if (document.read(path_)) return true;
  message = parseError(document, path_);
  return false;
}

// The description of a zipped pack is the .pdsc file at the archive's root.
bool PackSource::readZippedDescription(XMLDocument& document, std::string& message) {
  archive_ = ZipArchive::open(path_);
  if (!archive_) {
    message = "error: read of " + path_ + " failed\n";
    return false;
  }
  for (const std::string& name : archive_->names()) {
    if (name.find('/') != std::string::npos || !endsWithIgnoringCase(name, ".pdsc")) continue;
    const std::string path = path_ + "/" + name;
    const std::optional<std::string> bytes = archive_->read(name, kLargestMember);
    if (!bytes) {
      message = "error: read of " + path + " failed\n";
      return false;
    }
    if (document.parse(bytes->c_str())) return true;
    message = parseError(document, path);
    return false;
  }
  message = "error: " + path_ + " is not a pack description\n";
  return false;
}

PackSource::File PackSource::find(const std::string& relative) const {
  File file;
  if (!archive_) {
    file.path = folder_ + relative;
    if (isFile(file.path)) return file;
    if (std::optional<std::string> found = findFileIgnoringCase(folder_, relative)) {
      file.path = *found;
      file.byLetterCase = true;
    }
    return file;
  }
  const std::vector<std::string>& names = archive_->names();
  auto found = std::find(names.begin(), names.end(), relative);
  if (found == names.end()) {
    found = std::find_if(names.begin(), names.end(), [&](const std::string& name) {
      return equalsIgnoreAsciiCase(name, relative);
    });
    file.byLetterCase = found != names.end();
  }
  file.path = path_ + "/" + (found == names.end() ? relative : *found);
  if (found != names.end()) file.bytes = archive_->read(*found, kLargestMember);
  return file;
}

}  // namespace regforge
