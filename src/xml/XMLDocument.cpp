// The document: its arena and stored texts, element texts, parsing and loading, and the
// tag search.
#include "xml/XMLDocument.h"

#include "xml/CharacterReferences.h"
#include "xml/XMLParser.h"

#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace regforge {

XMLDocument::XMLDocument(Content content) : content_(content) {}

std::optional<std::string_view> XMLDocument::elementTextPiece(const XMLElement& element) const {
  if (element.text_ || element.textSize_ == 0) {
    return std::string_view(element.text_ ? element.text_ : "", element.textSize_);
  }
  return std::nullopt;
}

void XMLDocument::appendElementText(const XMLElement& element, std::string& out) const {
  if (const std::optional<std::string_view> piece = elementTextPiece(element)) {
    out += *piece;
    return;
  }
  const std::size_t first = element.textSize_;  // the run's leading entry sits just before it
  const TextPiece& run = textPieces_[first - 1];
  const char* buffer = parsedBuffers_[run.offset];
  for (std::size_t i = first; i < first + run.size; ++i) {
    const char* piece = buffer + textPieces_[i].offset;
    const char* end = piece + textPieces_[i].size;
    const char* toDecode = firstToDecode(piece, end, true);
    out.append(piece, toDecode);
    if (toDecode == end) continue;
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(end - toDecode));
    out.resize(static_cast<std::size_t>(decodeText(toDecode, end, &out[at], true) - out.data()));
  }
}

void XMLDocument::setElementText(XMLElement& element, const std::string_view* first,
                                 std::size_t count) {
  if (count == 1 && firstToDecode(first->data(), first->data() + first->size(), true) ==
                        first->data() + first->size()) {
    element.text_ = first->data();
    element.textSize_ = static_cast<std::uint32_t>(first->size());
    return;
  }
  if (count == 0) return;
  const char* buffer = parsedBuffers_.back();
  textPieces_.push_back(
      {static_cast<std::uint32_t>(parsedBuffers_.size() - 1), static_cast<std::uint32_t>(count)});
  element.textSize_ = static_cast<std::uint32_t>(textPieces_.size());
  for (const std::string_view* piece = first; piece != first + count; ++piece) {
    textPieces_.push_back({static_cast<std::uint32_t>(piece->data() - buffer),
                           static_cast<std::uint32_t>(piece->size())});
  }
}

XMLDocument::~XMLDocument() = default;

void XMLDocument::clear() {
  root_ = nullptr;
  doctype_.reset();
  arena_.reset();
  // Names stay stored, in an arena of their own, for the tree built next; those that lay in
  // the parsed buffers go with them.
  if (!sources_.empty()) {
    names_.clear();
    nameSlots_.fill({});
  }
  sources_.clear();
  parsedBuffers_.clear();
  textPieces_.clear();
  unclosed_.clear();
}

XMLElement* XMLDocument::createElement(std::string_view tagName) {
  return makeNode<XMLElement>(*this, storeName(tagName));
}

XMLData* XMLDocument::createData(std::string_view text) {
  return makeNode<XMLData>(storeText(text));
}

bool XMLDocument::ownsText(std::string_view text) const {
  if (textOwner_ && textOwner_->ownsText(text)) return true;
  for (const Source& source : sources_) {
    if (text.data() >= source.buffer.data() && text.data() + text.size() <= source.end) return true;
  }
  return false;
}

std::string_view XMLDocument::storeText(std::string_view text) {
  return ownsText(text) ? text : arena_.copy(text);
}

// A name not in its slot: one of the few stored so far, or a new one.
std::string_view XMLDocument::storeNewName(std::string_view name, std::string_view& slot) {
  constexpr std::size_t kRemembered = 64;  // a memory map uses about twenty names
  for (const std::string_view stored : names_) {
    if (stored == name) return slot = stored;
  }
  const std::string_view stored = ownsText(name) ? name : nameArena_.copy(name);
  if (names_.size() < kRemembered) names_.push_back(stored);
  return slot = stored;
}

void XMLDocument::shareSources(XMLDocument& other) {
  for (Source& source : other.sources_)
    sources_.push_back(std::move(source));
  other.sources_.clear();
}

void XMLDocument::setError(int line, const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vsnprintf(errorText_, sizeof errorText_, format, args);
  va_end(args);
  errorLine_ = line;
}

bool XMLDocument::parse(const char* buffer) {
  // Text lengths are 31-bit: a buffer is read up to its first 2 GiB.
  const std::size_t size = std::min<std::size_t>(std::strlen(buffer), kLargestInput);
  PageBlock copy = PageBlock::allocate(size + 1);
  if (copy.empty()) {
    setError(0, "out of memory");
    return false;
  }
  std::memcpy(copy.data(), buffer, size);
  copy.data()[size] = '\0';
  return parseOwned(std::move(copy), size);
}

bool XMLDocument::parseOwned(PageBlock buffer, std::size_t size) {
  char* begin = buffer.data();
  auto* end = static_cast<char*>(std::memchr(begin, '\0', size));  // a NUL ends the input
  if (!end) end = begin + size;
  sources_.push_back({std::move(buffer), end});
  parsedBuffers_.push_back(begin);
  // Room for as many text pieces as a dense file can have, reserved and not touched, so
  // that growing never copies the table into fresh pages.
  if (content_ == Content::ElementText) textPieces_.reserve(textPieces_.size() + size / 16);
  arena_.expect(size);  // a parsed tree takes at least as much memory as its text
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (startsWith(std::string_view(begin, static_cast<std::size_t>(end - begin)), kByteOrderMark)) {
    begin += kByteOrderMark.size();
  }

  XMLParser parser(*this, begin, end);
  const XMLParser::Error error = parser.run();
  root_ = parser.result();
  unclosed_ = parser.unclosed();
  if (exhausted()) {
    setError(parser.stopLine(), "out of memory");
    return false;
  }
  switch (error) {
    case XMLParser::Error::None:
      return true;
    case XMLParser::Error::BadName:
      setError(parser.stopLine(), "bad tagName");
      errorDetail_ = parser.errorDetail();
      return false;
    case XMLParser::Error::TagMismatch:
      setError(parser.stopLine(), "tagName mismatch");
      errorDetail_ = parser.errorDetail();
      return false;
  }
  return false;
}

bool XMLDocument::load(WholeFile file, const char* path) {
  switch (file.status) {
    case WholeFile::Status::Read:
      return parseOwned(std::move(file.buffer), file.size);
    case WholeFile::Status::Unreadable:
      setError(0, "couldn't read %s", path);
      return false;
    case WholeFile::Status::OutOfMemory:
      setError(0, "out of memory");
      return false;
  }
  return false;
}

std::vector<XMLElement*> findElementsByTag(XMLNode* first, std::string_view tagName,
                                           bool recursive) {
  std::vector<XMLElement*> found;
  const XMLNode* top = first ? first->parent() : nullptr;
  for (XMLNode* node = first; node; node = nextInPreOrder(node, top, recursive)) {
    if (XMLElement* element = node->toElement(); element && element->tagName() == tagName) {
      found.push_back(element);
    }
  }
  return found;
}

}  // namespace regforge
