// Finding a pack's description and the files it names, in a folder or in a zip archive,
// without leaving the pack.
#include "packs/PackSource.h"

#include <algorithm>
#include <string_view>

#include "driver/Conversion.h"
#include "memorymap/Diagnostics.h"
#include "platform/FileLookup.h"  // folderOf
#include "text/ByteText.h"
#include "text/PrintableText.h"
#include "text/RelativePath.h"

namespace regforge {
namespace {

bool endsWithIgnoringCase(std::string_view text, std::string_view suffix) {
  return text.size() > suffix.size() &&
         equalsIgnoreAsciiCase(text.substr(text.size() - suffix.size()), suffix);
}

// The path may hold the name of an archive's entry, which may hold anything.
std::string parseError(const XMLDocument& document, const std::string& path) {
  return parseErrorLine(printable(document.errorText(), kPrintedTextLength),
                        printable(path, kPrintedTextLength), document.errorLine());
}

}  // namespace

// Paths below the archive's own path ("Vendor.Pack.1.0.pack/SVD/x.svd") are its files;
// everything else, the outputs and a CMSIS header, goes to the files of the run.
class PackSource::ZippedFiles : public FileAccess {
 public:
  ZippedFiles(const ZipArchive& archive, std::string prefix, FileAccess& others)
      : archive_(archive), prefix_(std::move(prefix)), others_(others) {}

  WholeFile read(const std::string& path) override {
    if (!startsWith(path, prefix_)) return others_.read(path);
    return archive_.read(path.substr(prefix_.size()), XMLDocument::kLargestInput);
  }
  WholeFile readText(const std::string& path) override { return others_.readText(path); }
  std::unique_ptr<OutputSink> create(const std::string& path, bool text) override {
    return others_.create(path, text);
  }
  std::string readProblem(const std::string& path) override {
    if (!startsWith(path, prefix_)) return others_.readProblem(path);
    const std::optional<std::uint64_t> size = archive_.size(path.substr(prefix_.size()));
    if (!size) return "not in the archive";
    if (*size > XMLDocument::kLargestInput) {
      return "the archive gives it " + withThousands(*size) + " bytes, more than the " +
             withThousands(XMLDocument::kLargestInput) + " that a conversion reads";
    }
    return "damaged in the archive";
  }
  std::string writeProblem(const std::string& path) override { return others_.writeProblem(path); }
  // A file inside the archive is no file of the run's, so no output can name it.
  std::optional<FileIdentity> identify(const std::string& path) override {
    return others_.identify(path);
  }
  // The archive's files are found through its names, by the source itself.
  std::optional<ZipArchive> openArchive(const std::string& path) override {
    return others_.openArchive(path);
  }
  bool isFile(const std::string& path) override { return others_.isFile(path); }
  bool isFolder(const std::string& path) override { return others_.isFolder(path); }
  std::vector<std::string> filesEndingIn(const std::string& folder,
                                         std::string_view suffix) override {
    return others_.filesEndingIn(folder, suffix);
  }
  bool makeFolder(const std::string& path) override { return others_.makeFolder(path); }
  std::optional<std::string> findFileIgnoringCase(const std::string& folder,
                                                  const std::string& relative) override {
    return others_.findFileIgnoringCase(folder, relative);
  }
  bool isInsideFolder(const std::string& folder, const std::string& path) override {
    return others_.isInsideFolder(folder, path);
  }
  void progress(const ProgressStep& step) override { others_.progress(step); }

 private:
  const ZipArchive& archive_;
  const std::string prefix_;
  FileAccess& others_;
};

PackSource::PackSource(std::string path, FileAccess& files)
    : path_(std::move(path)), folder_(folderOf(path_)), files_(files) {}

PackSource::~PackSource() = default;

bool PackSource::readDescription(XMLDocument& document, std::string& message) {
  if (endsWithIgnoringCase(path_, ".pack") || endsWithIgnoringCase(path_, ".zip")) {
    return readZippedDescription(document, message);
  }
  if (document.load(files_.read(path_), path_.c_str())) return true;
  message = parseError(document, path_);
  return false;
}

// The description of a zipped pack is the .pdsc file at the archive's root.
bool PackSource::readZippedDescription(XMLDocument& document, std::string& message) {
  archive_ = files_.openArchive(path_);
  if (!archive_) {
    message = "error: read of " + path_ + " failed\n";
    return false;
  }
  zipped_ = std::make_unique<ZippedFiles>(*archive_, path_ + "/", files_);
  for (const std::string& name : archive_->names()) {
    if (name.find('/') != std::string::npos || !endsWithIgnoringCase(name, ".pdsc")) continue;
    const std::string path = path_ + "/" + name;
    if (document.load(zipped_->read(path), path.c_str())) return true;
    message = parseError(document, path);
    return false;
  }
  message = "error: " + path_ + " is not a pack description\n";
  return false;
}

PackSource::NamedFile PackSource::find(const std::string& named) const {
  NamedFile file;
  const RelativePath inside = relativePath(named);
  if (inside.problem) {
    file.problem = inside.problem;
    return file;
  }
  const std::string& relative = inside.path;
  if (!archive_) {
    file.path = folder_ + relative;
    if (!files_.isFile(file.path)) {
      if (std::optional<std::string> found = files_.findFileIgnoringCase(folder_, relative)) {
        file.path = *found;
        file.byLetterCase = true;
      }
    }
    if (files_.isFile(file.path) && !files_.isInsideFolder(folder_, file.path)) {
      file = NamedFile{};
      file.problem = "leads out of the pack through a link";
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
  return file;
}

FileAccess& PackSource::files() const {
  return zipped_ ? *zipped_ : files_;
}

}  // namespace regforge
