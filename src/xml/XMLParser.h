// The parser behind XMLDocument::parse: one forward pass over a NUL-terminated buffer that
// the document owns. Text and attribute values are decoded in place and the tree points
// into the buffer, so nothing is copied.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "xml/XMLDocument.h"

namespace regforge {

class XMLDocument;
class XMLElement;

class XMLParser {
 public:
  enum class Error { None, BadName, TagMismatch };

  /// Parses [begin, end); *end must be NUL. The buffer must outlive the document's tree.
  XMLParser(XMLDocument& document, char* begin, char* end);

  Error run();
  /// The last completed top-level element, or null.
  XMLElement* result() const { return result_; }
  /// Line (from 0) at which the parse stopped.
  int stopLine() { return lineAt(p_); }
  /// What the error found, in words: the expected and the found tag, or the bad byte.
  const std::string& errorDetail() const { return detail_; }
  /// After a run that ended inside an element: that element and the line it opened on, and
  /// the outermost one left open, in words; empty when every element was closed.
  std::string unclosed() const;

 private:
  void describeBadName();
  std::string detail_;
  bool readMarkup();
  bool readProcessingInstruction();
  bool readComment();
  bool readCDATASection();
  bool readDoctype();
  bool readEndTag();
  bool readStartTag();
  bool readAttributes();
  void attachAttributes(XMLElement* element);
  void completeElement();
  void keepElementText(XMLElement& element, std::size_t firstPiece);
  void readContent();

  std::string_view readName();
  void skipSpace();
  bool at(const char* literal) const;
  /// The first place of text in [from, end_), or null.
  char* find(char* from, std::string_view text) const;
  std::string_view decode(char* begin, char* end, bool dropCarriageReturns);
  int lineAt(const char* position);

  XMLDocument& document_;
  char* p_;
  char* const end_;
  const char* lineMark_;  // line feeds before this position are counted in line_
  // Counted unsigned: a buffer of up to 4 GiB may hold more than INT_MAX line feeds, and
  // the line is then given in its low 32 bits.
  std::uint32_t line_ = 0;
  const XMLDocument::Content content_;
  Error error_ = Error::None;
  XMLElement* result_ = nullptr;
  struct OpenElement {
    XMLElement* element;
    std::size_t firstPiece;  // its text pieces so far are pieces_[firstPiece...]
  };
  std::vector<OpenElement> open_;
  std::vector<std::string_view> pieces_;  // texts of the open elements, when kept per element
  std::vector<std::pair<std::string_view, std::string_view>> attributes_;
};

}  // namespace regforge
