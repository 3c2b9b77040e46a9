// The two ways a conversion reaches its files: the disk through the platform layer, and a set
// of files held in memory.
#include "driver/FileAccess.h"

#include <cstring>
#include <functional>

#include "platform/OutputFile.h"

#include "platform/FileProblem.h"
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
class OutputFileSink : public ByteSink {
 public:
  void write(std::string_view bytes) override {
    std::fwrite(bytes.data(), 1, bytes.size(), file_.stream());  // errors stay in the stream
  }
  std::FILE* file() override { return file_.stream(); }
  bool close() override {
    if (file_.commit()) return true;
    *problem_ = file_.problem();
    return false;
  }
  OutputFile file_;
  std::string* problem_ = nullptr;  // where the reason of a failed close goes
};

}  // namespace

std::unique_ptr<ByteSink> DiskFiles::create(const std::string& path, bool text) {
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

std::string MemoryFiles::readProblem(const std::string& path) {
  return files.count(path) ? std::string() : "No such file or directory";
}

WholeFile MemoryFiles::read(const std::string& path) {
  WholeFile whole;
  const auto found = files.find(path);
  if (found == files.end() || found->second.size() > XMLDocument::kLargestInput) return whole;
  const std::string& bytes = found->second;
  whole.buffer = PageBlock::allocate(bytes.size() + 1);
  if (whole.buffer.empty()) {
    whole.status = WholeFile::Status::OutOfMemory;
    return whole;
  }
  std::memcpy(whole.buffer.data(), bytes.data(), bytes.size());
  whole.buffer.data()[bytes.size()] = '\0';
  whole.size = bytes.size();
  whole.status = WholeFile::Status::Read;
  return whole;
}

std::optional<FileIdentity> MemoryFiles::identify(const std::string& path) {
  FileIdentity identity;
  identity.regular = true;
  if (files.count(path)) {
    identity.file = std::hash<std::string>()(path) | 1;
  } else {
    identity.newName = path;
  }
  return identity;
}

std::unique_ptr<ByteSink> MemoryFiles::create(const std::string& path, bool) {
  std::string& text = files[path];
  text.clear();
  return std::make_unique<StringSink>(text);
}

}  // namespace regforge
