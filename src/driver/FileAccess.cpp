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

namespace {

// A temporary file that holds bytes, for a line reader that takes an open file.
File fileHolding(const char* bytes, std::size_t size) {
  File file(std::tmpfile());
  if (!file) return nullptr;
  std::fwrite(bytes, 1, size, file.get());
  std::rewind(file.get());
  return file;
}

}  // namespace

// A line reader over an input without end would read for ever: a pipe or a device is read up
// to its bound first, and a regular file over the bound of every input is refused.
File DiskFiles::openText(const std::string& path) {
  File file = openFile(path.c_str(), "rt");
  if (!file) return nullptr;
  if (const std::optional<std::uint64_t> length = regularFileLength(file.get())) {
    return *length <= XMLDocument::kLargestInput ? std::move(file) : nullptr;
  }
  const WholeFile whole = readOpenFile(file.get(), XMLDocument::kLargestInput);
  if (whole.status != WholeFile::Status::Read) return nullptr;
  return fileHolding(whole.buffer.data(), whole.size);
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

File MemoryFiles::openText(const std::string& path) {
  const auto found = files.find(path);
  if (found == files.end()) return nullptr;
  return fileHolding(found->second.data(), found->second.size());
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

namespace {

// A file in memory is complete as soon as it is written.
class MemoryFileSink : public OutputSink {
 public:
  explicit MemoryFileSink(std::string& text) : text_(text) {}
  void write(std::string_view bytes) override { text_.append(bytes.data(), bytes.size()); }
  bool commit() override { return true; }

 private:
  std::string& text_;
};

}  // namespace

std::unique_ptr<OutputSink> MemoryFiles::create(const std::string& path, bool) {
  std::string& text = files[path];
  text.clear();
  return std::make_unique<MemoryFileSink>(text);
}

}  // namespace regforge
