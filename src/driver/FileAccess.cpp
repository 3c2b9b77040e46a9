#include "driver/FileAccess.h"

#include <cstring>

#include "xml/XMLDocument.h"

namespace regforge {

WholeFile DiskFiles::read(const std::string& path) {
  return readWholeFile(path.c_str(), XMLDocument::kLargestInput);
}

File DiskFiles::openText(const std::string& path) {
  return openFile(path.c_str(), "rt");
}

std::unique_ptr<ByteSink> DiskFiles::create(const std::string& path, bool text) {
  File file = openFile(path.c_str(), text ? "wt" : "wb");
  if (!file) return nullptr;
  return std::make_unique<FileSink>(std::move(file));
}

WholeFile MemoryFiles::read(const std::string& path) {
  WholeFile whole;
  const auto found = files.find(path);
  if (found == files.end() || found->second.size() > XMLDocument::kLargestInput) return whole;
  const std::string& bytes = found->second;
  whole.buffer = PageBlock::allocate(bytes.size() + 1, PageBlock::pagesToFill(bytes.size()));
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
  File file(std::tmpfile());
  if (!file) return nullptr;
  std::fwrite(found->second.data(), 1, found->second.size(), file.get());
  std::rewind(file.get());
  return file;
}

std::unique_ptr<ByteSink> MemoryFiles::create(const std::string& path, bool) {
  std::string& text = files[path];
  text.clear();
  return std::make_unique<StringSink>(text);
}

}  // namespace regforge
