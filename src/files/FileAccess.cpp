// The two ways a conversion reaches its files: the disk through the platform layer, and a set
// of files held in memory.
#include "files/FileAccess.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "platform/FileLookup.h"
#include "platform/FileProblem.h"
#include "platform/OutputFile.h"
#include "text/ByteText.h"
#include "xml/XMLDocument.h"

namespace regforge {

WholeFile DiskFiles::read(const std::string& path) {
  return readWholeFile(path.c_str(), XMLDocument::kLargestInput);
}

WholeFile DiskFiles::readText(const std::string& path) {
  return readTextFile(path.c_str(), XMLDocument::kLargestInput);
}

namespace {

// A file that is complete or not there: see OutputFile.
class OutputFileSink : public OutputSink {
 public:
  void write(std::string_view bytes) override {
    std::fwrite(bytes.data(), 1, bytes.size(), file_.stream());  // errors stay in the stream
  }
  bool commit() override {
    if (file_.commit()) return true;
    *problem_ = file_.problem();
    return false;
  }
  OutputFile file_;
  std::string* problem_ = nullptr;  // where the reason of a failed close goes
};

}  // namespace

std::unique_ptr<OutputSink> DiskFiles::create(const std::string& path, bool text) {
  auto sink = std::make_unique<OutputFileSink>();
  sink->problem_ = &closeProblems_[path];
  if (!sink->file_.open(path, text ? OutputFile::Mode::Text : OutputFile::Mode::Binary)) {
    return nullptr;
  }
  return sink;
}

std::optional<FileIdentity> DiskFiles::identify(const std::string& path) {
  return identifyFile(path);
}

std::string DiskFiles::readProblem(const std::string& path) {
  return fileProblem(path.c_str());
}

std::string DiskFiles::writeProblem(const std::string& path) {
  // A file that failed on its way out says why; one that could not be made is examined.
  const auto closed = closeProblems_.find(path);
  if (closed != closeProblems_.end() && !closed->second.empty()) return closed->second;
  return regforge::writeProblem(path.c_str());
}

std::optional<ZipArchive> DiskFiles::openArchive(const std::string& path) {
  return ZipArchive::open(openFile(path.c_str(), "rb"));
}

bool DiskFiles::isFile(const std::string& path) {
  return regforge::isFile(path);
}

bool DiskFiles::isFolder(const std::string& path) {
  return regforge::isFolder(path);
}

std::vector<std::string> DiskFiles::filesEndingIn(const std::string& folder,
                                                  std::string_view suffix) {
  return regforge::filesEndingIn(folder, suffix);
}

bool DiskFiles::makeFolder(const std::string& path) {
  return regforge::makeFolder(path);
}

std::optional<std::string> DiskFiles::findFileIgnoringCase(const std::string& folder,
                                                           const std::string& relative) {
  return regforge::findFileIgnoringCase(folder, relative);
}

bool DiskFiles::isInsideFolder(const std::string& folder, const std::string& path) {
  return regforge::isInsideFolder(folder, path);
}

void DiskFiles::progress(const ProgressStep& step) {
  if (display_) display_(step);
}

namespace {

// A path as the keys hold it: '/' separated on every system, without empty or "." steps and
// without a final '/'; "" for the working folder. "./a//b/" is "a/b".
std::string keyOf(std::string_view path) {
  std::string key;
  while (!path.empty()) {
    const std::size_t end = std::min(path.find('/'), path.size());
    const std::string_view step = path.substr(0, end);
    path.remove_prefix(std::min(end + 1, path.size()));
    if (step.empty() || step == ".") continue;
    if (!key.empty()) key += '/';
    key += step;
  }
  return key;
}

std::string joined(const std::string& folder, std::string_view name) {
  return folder.empty() ? std::string(name) : folder + "/" + std::string(name);
}

// A file in memory that is complete or not there, as on disk: it appears, or replaces the
// earlier one, when it is committed.
class MemoryFileSink : public OutputSink {
 public:
  MemoryFileSink(std::map<std::string, std::string>& files, std::string key)
      : files_(files), key_(std::move(key)) {}
  void write(std::string_view bytes) override { bytes_.append(bytes); }
  bool commit() override {
    files_[key_] = std::move(bytes_);
    return true;
  }

 private:
  std::map<std::string, std::string>& files_;
  const std::string key_;
  std::string bytes_;
};

}  // namespace

const std::string* MemoryFiles::bytesAt(const std::string& path) const {
  const auto found = files.find(keyOf(path));
  return found == files.end() ? nullptr : &found->second;
}

// The reasons in the words a POSIX system gives.
std::string MemoryFiles::readProblem(const std::string& path) {
  if (bytesAt(path)) return {};
  return isFolder(path) ? "Is a directory" : "No such file or directory";
}

std::string MemoryFiles::writeProblem(const std::string& path) {
  if (isFolder(path)) return "Is a directory";
  const std::string key = keyOf(path);
  return isFolder(key.substr(0, key.rfind('/') + 1)) ? std::string() : "No such file or directory";
}

WholeFile MemoryFiles::read(const std::string& path) {
  WholeFile whole;
  const std::string* bytes = bytesAt(path);
  if (!bytes || bytes->size() > XMLDocument::kLargestInput) return whole;
  whole.buffer = PageBlock::allocate(bytes->size() + 1);
  if (whole.buffer.empty()) {
    whole.status = WholeFile::Status::OutOfMemory;
    return whole;
  }
  std::memcpy(whole.buffer.data(), bytes->data(), bytes->size());
  whole.buffer.data()[bytes->size()] = '\0';
  whole.size = bytes->size();
  whole.status = WholeFile::Status::Read;
  return whole;
}

std::optional<ZipArchive> MemoryFiles::openArchive(const std::string& path) {
  const std::string* bytes = bytesAt(path);
  if (!bytes) return std::nullopt;
  return ZipArchive::open(std::string_view(*bytes));
}

// Two spellings of one path are one file.
std::optional<FileIdentity> MemoryFiles::identify(const std::string& path) {
  FileIdentity identity;
  identity.regular = true;
  const std::string key = keyOf(path);
  if (files.count(key)) {
    identity.file = std::hash<std::string>()(key) | 1;
  } else {
    identity.newName = key;
  }
  return identity;
}

// As on a disk, a file is made only in a folder that is there.
std::unique_ptr<OutputSink> MemoryFiles::create(const std::string& path, bool) {
  if (!writeProblem(path).empty()) return nullptr;
  return std::make_unique<MemoryFileSink>(files, keyOf(path));
}

bool MemoryFiles::isFile(const std::string& path) {
  return bytesAt(path) != nullptr;
}

std::set<std::string> MemoryFiles::entries(const std::string& folder) const {
  const std::string prefix = folder.empty() ? "" : folder + "/";
  std::set<std::string> names;
  for (const auto& entry : files) {
    const std::string& path = entry.first;
    if (startsWith(path, prefix) && path.size() > prefix.size())
      names.insert(path.substr(prefix.size(), path.find('/', prefix.size()) - prefix.size()));
  }
  return names;
}

bool MemoryFiles::isFolder(const std::string& path) {
  const std::string folder = keyOf(path);
  if (folder.empty() || folders.count(folder)) return true;
  const auto below = files.lower_bound(folder + "/");
  return below != files.end() && startsWith(below->first, folder + "/");
}

std::vector<std::string> MemoryFiles::filesEndingIn(const std::string& folder,
                                                    std::string_view suffix) {
  std::vector<std::string> names;
  const std::string key = keyOf(folder);
  for (const std::string& name : entries(key)) {
    if (name.size() > suffix.size() && files.count(joined(key, name)) &&
        equalsIgnoreAsciiCase(std::string_view(name).substr(name.size() - suffix.size()), suffix))
      names.push_back(name);
  }
  return names;
}

bool MemoryFiles::makeFolder(const std::string& path) {
  const std::string folder = keyOf(path);
  for (std::size_t end = folder.find('/');; end = folder.find('/', end + 1)) {
    const std::string step = folder.substr(0, end);
    if (files.count(step)) return false;
    if (!step.empty()) folders.insert(step);
    if (end == std::string::npos) return true;
  }
}

// Step by step, as on a disk whose names differ in letter case; the path found keeps the
// folder as it is given, as the disk's does.
std::optional<std::string> MemoryFiles::findFileIgnoringCase(const std::string& folder,
                                                             const std::string& relative) {
  std::string key = keyOf(folder);
  std::string path = folder;
  std::string_view rest = relative;
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find('/'), rest.size());
    const std::string_view step = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    if (step.empty() || step == ".") continue;
    std::string name(step);
    if (!files.count(joined(key, name)) && !isFolder(joined(key, name))) {
      const std::set<std::string> names = entries(key);
      const auto found = std::find_if(names.begin(), names.end(), [&](const std::string& entry) {
        return equalsIgnoreAsciiCase(entry, name);
      });
      if (found == names.end()) return std::nullopt;
      name = *found;
    }
    key = joined(key, name);
    path += (path.empty() || path.back() == '/' ? "" : "/") + name;
  }
  if (!files.count(key)) return std::nullopt;
  return path;
}

// Memory holds no links: a file below the folder is inside it.
bool MemoryFiles::isInsideFolder(const std::string& folder, const std::string& path) {
  const std::string key = keyOf(folder);
  const std::string file = keyOf(path);
  return files.count(file) != 0 && (key.empty() || startsWith(file, key + "/"));
}

}  // namespace regforge
