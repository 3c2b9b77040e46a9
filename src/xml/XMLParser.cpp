// The XML parser: one forward pass over a buffer the document owns, decoding in place.
#include "xml/XMLParser.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "xml/CharacterReferences.h"
#include "xml/XMLDocument.h"

namespace regforge {
namespace {

// Byte classes of the scanner, C locale: white space as isspace(), name bytes as isalnum()
// plus '_', ':' and '-', attribute-name starts as isalpha() plus the same three.
enum : unsigned char { kSpace = 1, kName = 2, kNameStart = 4 };

struct ByteClasses {
  unsigned char of[256] = {};
  constexpr ByteClasses() {
    for (const char c : {' ', '\t', '\n', '\v', '\f', '\r'})
      of[static_cast<unsigned char>(c)] = kSpace;
    for (int c = '0'; c <= '9'; ++c)
      of[c] = kName;
    for (int c = 'a'; c <= 'z'; ++c)
      of[c] = of[c - 32] = kName | kNameStart;
    for (const char c : {'_', ':', '-'})
      of[static_cast<unsigned char>(c)] = kName | kNameStart;
  }
};
constexpr ByteClasses kClasses;

bool is(char c, unsigned char byteClass) {
  return (kClasses.of[static_cast<unsigned char>(c)] & byteClass) != 0;
}

}  // namespace

XMLParser::XMLParser(XMLDocument& document, char* begin, char* end)
    : document_(document), p_(begin), end_(end), lineMark_(begin), content_(document.content()) {}

int XMLParser::lineAt(const char* position) {
  for (const char* at = lineMark_; at < position; ++at) {
    at = static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(position - at)));
    if (!at) break;
    ++line_;
  }
  if (position > lineMark_) lineMark_ = position;
  return static_cast<int>(line_);
}

void XMLParser::skipSpace() {
  while (is(*p_, kSpace))
    ++p_;
}

std::string_view XMLParser::readName() {
  const char* start = p_;
  while (is(*p_, kName))
    ++p_;
  return {start, static_cast<std::size_t>(p_ - start)};
}

bool XMLParser::at(const char* literal) const {
  // Stops at the first difference, so never reads past the NUL at end_.
  for (const char* at = p_; *literal; ++at, ++literal) {
    if (*at != *literal) return false;
  }
  return true;
}

char* XMLParser::find(char* from, std::string_view text) const {
  const std::string_view rest(from, static_cast<std::size_t>(end_ - from));
  const std::size_t found = rest.find(text);
  return found == std::string_view::npos ? nullptr : from + found;
}

std::string_view XMLParser::decode(char* begin, char* end, bool dropCarriageReturns) {
  char* first = begin + (firstToDecode(begin, end, dropCarriageReturns) - begin);
  if (first == end) return {begin, static_cast<std::size_t>(end - begin)};
  lineAt(end);  // count the span's lines before its bytes move
  char* written = decodeText(first, end, first, dropCarriageReturns);
  return {begin, static_cast<std::size_t>(written - begin)};
}

XMLParser::Error XMLParser::run() {
  skipSpace();
  while (*p_ == '<') {
    if (!readMarkup()) break;
    readContent();
  }
  return error_;
}

std::string XMLParser::unclosed() const {
  if (open_.empty()) return {};
  const auto opening = [](const XMLElement& element) {
    return "<" + std::string(element.tagName()) + ">, which opened on line " +
           std::to_string(element.line() + 1);
  };
  std::string text = "the file ends inside " + opening(*open_.back().element);
  if (open_.size() > 1) {
    const XMLElement& outer = *open_.front().element;
    text += ", within <" + std::string(outer.tagName()) + "> of line " +
            std::to_string(outer.line() + 1);
  }
  return text;
}

void XMLParser::readContent() {
  char* start = p_;
  auto* next = static_cast<char*>(std::memchr(p_, '<', static_cast<std::size_t>(end_ - p_)));
  p_ = next ? next : end_;
  if (open_.empty()) return;
  switch (content_) {
    case XMLDocument::Content::Dropped:
      return;
    case XMLDocument::Content::ElementText:
      // Kept as written and decoded only when asked for: most such texts (the line ends
      // and indentation between tags) never are, and the buffer stays unwritten. Empty
      // pieces add nothing to an element's text.
      if (start != p_) pieces_.emplace_back(start, static_cast<std::size_t>(p_ - start));
      return;
    case XMLDocument::Content::Nodes:
      break;
  }
  const int line = lineAt(start);
  XMLData* data = document_.makeNode<XMLData>(decode(start, p_, true));
  data->setLine(line);
  open_.back().element->appendChild(data);
}

bool XMLParser::readMarkup() {
  if (p_[1] == '/') return readEndTag();
  if (p_[1] == '?') return readProcessingInstruction();
  if (p_[1] != '!') return readStartTag();
  if (at("<!--")) return readComment();
  if (at("<![CDATA[")) return readCDATASection();
  if (at("<!DOCTYPE")) return readDoctype();
  p_ += 2;  // another declaration: its text is read as content
  return true;
}

bool XMLParser::readProcessingInstruction() {
  p_ += 2;
  if (readName() != "xml") return true;  // not interpreted; the rest is content
  for (;;) {
    skipSpace();
    if (*p_ == '?') {
      ++p_;
      if (*p_ == '>') ++p_;
      return true;
    }
    if (!is(*p_, kName)) return true;  // a stray byte (or the end) closes the declaration
    readName();
    skipSpace();
    if (*p_ != '=') continue;  // a name without a value is skipped
    ++p_;
    skipSpace();
    if (*p_ != '"' && *p_ != '\'') {
      result_ = nullptr;  // an unquoted value ends the parse without a root
      return false;
    }
    const char quote = *p_++;
    auto* close = static_cast<char*>(std::memchr(p_, quote, static_cast<std::size_t>(end_ - p_)));
    p_ = close ? close + 1 : end_;
  }
}

bool XMLParser::readComment() {
  const int line = lineAt(p_);
  char* body = p_ + 4;
  char* close = find(body, "-->");
  p_ = close ? close + 3 : end_;
  if (close && content_ == XMLDocument::Content::Nodes && !open_.empty()) {
    XMLComment* comment = document_.makeNode<XMLComment>(
        std::string_view(body, static_cast<std::size_t>(close - body)));
    comment->setLine(line);
    open_.back().element->appendChild(comment);
  }
  return true;
}

bool XMLParser::readCDATASection() {
  const int line = lineAt(p_);
  char* body = p_ + 9;
  char* close = find(body, "]]>");
  p_ = close ? close + 3 : end_;
  if (close && !open_.empty()) {
    XMLCDATASection* section = document_.makeNode<XMLCDATASection>(
        std::string_view(body, static_cast<std::size_t>(close - body)));
    section->setLine(line);
    open_.back().element->appendChild(section);
  }
  return true;
}

bool XMLParser::readDoctype() {
  p_ += 9;
  skipSpace();
  const std::string_view name = readName();
  skipSpace();
  if (*p_ == '>') {  // only the plain form names the doctype; the rest is read as content
    ++p_;
    document_.setDoctype(name);
  }
  return true;
}

bool XMLParser::readEndTag() {
  p_ += 2;
  const std::string_view name = readName();
  skipSpace();
  if (open_.empty()) return true;
  if (name != open_.back().element->tagName()) {
    error_ = Error::TagMismatch;
    detail_ = "expected </" + std::string(open_.back().element->tagName()) + ">, found </" +
              std::string(name) + ">";
    return false;
  }
  if (*p_ == '>') {  // without it the element stays open and the rest is content
    ++p_;
    completeElement();
  }
  return true;
}

bool XMLParser::readStartTag() {
  const int line = lineAt(p_);
  ++p_;
  const std::string_view name = readName();
  skipSpace();
  XMLElement* element = document_.createElement(name);
  element->setLine(line);
  open_.push_back({element, pieces_.size()});
  const bool ok = readAttributes();
  attachAttributes(element);
  if (!ok) return false;
  if (*p_ == '>') {
    ++p_;
  } else if (*p_ == '/') {  // "/>", or a lone '/', closes the element at once
    ++p_;
    if (*p_ == '>') ++p_;
    completeElement();
  }
  return true;
}

void XMLParser::describeBadName() {
  const auto byte = static_cast<unsigned char>(*p_);
  char shown[16];
  if (byte > ' ' && byte < 127) {
    std::snprintf(shown, sizeof shown, "'%c'", byte);
  } else {
    std::snprintf(shown, sizeof shown, "byte %u", byte);
  }
  detail_ = "<" + std::string(open_.back().element->tagName()) +
            ">: an attribute name cannot begin with " + shown;
}

bool XMLParser::readAttributes() {
  attributes_.clear();
  while (*p_ != '/' && *p_ != '>' && p_ != end_) {
    if (!is(*p_, kNameStart)) {
      error_ = Error::BadName;
      describeBadName();
      return false;
    }
    const std::string_view name = readName();
    skipSpace();
    if (*p_ != '=') continue;  // an attribute without a value is dropped
    ++p_;
    skipSpace();
    if (*p_ != '"' && *p_ != '\'') continue;  // an unquoted value reads as further names
    const char quote = *p_++;
    char* value = p_;
    auto* close = static_cast<char*>(std::memchr(p_, quote, static_cast<std::size_t>(end_ - p_)));
    char* valueEnd = close ? close : end_;
    p_ = close ? close + 1 : end_;
    skipSpace();
    attributes_.emplace_back(name, decode(value, valueEnd, false));
  }
  return true;
}

void XMLParser::attachAttributes(XMLElement* element) {
  if (attributes_.empty()) return;
  // Name order, the last of equal names winning: sort stably, keep each run's last entry.
  const auto byName = [](const auto& a, const auto& b) { return a.first < b.first; };
  if (attributes_.size() <= 16) {
    for (std::size_t i = 1; i < attributes_.size(); ++i) {
      for (std::size_t j = i; j > 0 && byName(attributes_[j], attributes_[j - 1]); --j) {
        std::swap(attributes_[j], attributes_[j - 1]);
      }
    }
  } else {
    std::stable_sort(attributes_.begin(), attributes_.end(), byName);
  }
  // Each run of equal names keeps its last entry, in place.
  std::size_t kept = 0;
  for (std::size_t i = 0; i < attributes_.size(); ++i) {
    if (i + 1 < attributes_.size() && attributes_[i + 1].first == attributes_[i].first) continue;
    attributes_[kept++] = attributes_[i];
  }
  element->setOrderedAttributes(attributes_.data(), kept);
}

void XMLParser::completeElement() {
  const OpenElement completed = open_.back();
  open_.pop_back();
  if (content_ == XMLDocument::Content::ElementText) {
    keepElementText(*completed.element, completed.firstPiece);
  }
  if (open_.empty()) {
    result_ = completed.element;  // a later top-level element replaces an earlier one
  } else {
    open_.back().element->appendChild(completed.element);
  }
}

// An element's own pieces are the last ones collected: its children's went when they closed.
void XMLParser::keepElementText(XMLElement& element, std::size_t firstPiece) {
  document_.setElementText(element, pieces_.data() + firstPiece, pieces_.size() - firstPiece);
  pieces_.resize(firstPiece);
}

}  // namespace regforge
