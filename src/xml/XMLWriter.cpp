// The file form of a document: the doctype line, then one tag per line indented by two
// spaces per level, attributes in name order, values escaped byte by byte.
#include "xml/XMLWriter.h"

#include <cstring>

#include "xml/XMLDocument.h"

namespace regforge {
namespace {

// Bytes that are written as references: the four markup characters and everything outside
// printable ASCII.
struct EscapeTable {
  bool escaped[256] = {};
  constexpr EscapeTable() {
    for (int c = 0; c < 256; ++c)
      escaped[c] = c < 0x20 || c > 0x7E;
    escaped[static_cast<unsigned char>('"')] = escaped[static_cast<unsigned char>('&')] = true;
    escaped[static_cast<unsigned char>('<')] = escaped[static_cast<unsigned char>('>')] = true;
  }
};
constexpr EscapeTable kEscapes;

}  // namespace

// Collects the written text and hands it to the sink in large pieces.
class XMLWriter::Output {
 public:
  Output(ByteSink& sink, std::size_t chunk) : sink_(sink), chunk_(chunk) {
    // The buffer grows only for a line longer than half a chunk.
    text_.reserve(chunk_ + chunk_ / 2);
  }

  void put(std::string_view bytes) { text_.append(bytes.data(), bytes.size()); }
  void put(char c) { text_.push_back(c); }
  void indent(int level) { text_.append(static_cast<std::size_t>(level) * 2, ' '); }
  void escaped(std::string_view bytes);
  void lineDone() {
    if (text_.size() >= chunk_) flush();
  }
  void flush() {
    if (text_.empty()) return;
    sink_.write(text_);
    text_.clear();
  }

 private:
  ByteSink& sink_;
  const std::size_t chunk_;
  std::string text_;
};

namespace {

using Output = XMLWriter::Output;

// Bytes of written form one byte can take at most: "&quot;".
constexpr std::size_t kEscapedMost = 6;

// Writes bytes escaped at `at`, which has room for kEscapedMost per byte; gives the end.
char* escapeInto(char* at, std::string_view bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  auto copy = [&at](std::string_view text) {
    std::memcpy(at, text.data(), text.size());
    at += text.size();
  };
  for (const char byte : bytes) {
    const auto c = static_cast<unsigned char>(byte);
    if (!kEscapes.escaped[c]) {
      *at++ = byte;
      continue;
    }
    switch (c) {
      case '"':
        copy("&quot;");
        break;
      case '&':
        copy("&amp;");
        break;
      case '<':
        copy("&lt;");
        break;
      case '>':
        copy("&gt;");
        break;
      default:
        copy("&#x");
        if (c >= 16) *at++ = kHex[c >> 4];
        *at++ = kHex[c & 15];
        *at++ = ';';
    }
  }
  return at;
}

}  // namespace

void XMLWriter::Output::escaped(std::string_view bytes) {
  constexpr std::size_t kSlice = 256;
  char buffer[kSlice * kEscapedMost];
  for (std::size_t from = 0; from < bytes.size(); from += kSlice) {
    const char* end = escapeInto(buffer, bytes.substr(from, kSlice));
    put(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
  }
}

namespace {

// A line gathered in a buffer and put in one piece, or in a few for a long one: one call for
// what would be a dozen small appends.
class Line {
 public:
  explicit Line(Output& out) : out_(out) {}
  ~Line() { flush(); }
  Line(const Line&) = delete;
  Line& operator=(const Line&) = delete;

  void put(char c) {
    if (at_ == end()) flush();
    *at_++ = c;
  }
  void put(std::string_view text) {
    if (!makeRoom(text.size())) return out_.put(text);
    std::memcpy(at_, text.data(), text.size());
    at_ += text.size();
  }
  void indent(int level) {
    const auto width = static_cast<std::size_t>(level) * 2;
    if (!makeRoom(width)) return out_.indent(level);
    std::memset(at_, ' ', width);
    at_ += width;
  }
  void escaped(std::string_view bytes) {
    if (!makeRoom(bytes.size() * kEscapedMost)) return out_.escaped(bytes);
    at_ = escapeInto(at_, bytes);
  }

 private:
  static constexpr std::size_t kSize = 1024;
  char* end() { return buffer_ + kSize; }
  // Whether size bytes fit, after putting what is gathered if need be; false for more than
  // the buffer holds, which then goes to the output directly.
  bool makeRoom(std::size_t size) {
    if (size <= static_cast<std::size_t>(end() - at_)) return true;
    flush();
    return size <= kSize;
  }
  void flush() {
    out_.put(std::string_view(buffer_, static_cast<std::size_t>(at_ - buffer_)));
    at_ = buffer_;
  }

  Output& out_;
  char buffer_[kSize];
  char* at_ = buffer_;
};

void writeStartTag(Output& out, const XMLElement& element, int level) {
  Line line(out);
  line.indent(level);
  line.put('<');
  line.put(element.tagName());
  for (const XMLAttribute& attribute : element.attributes()) {
    line.put(' ');
    line.put(attribute.name());
    line.put("=\"");
    line.escaped(attribute.value());  // an attribute without a value is written as ""
    line.put('"');
  }
  if (element.firstChild()) {
    line.put(">\n");
  } else {
    line.put(element.attributes().empty() ? "/>\n" : " />\n");
  }
}

// The start of any node.
void writeStart(Output& out, const XMLNode& node, int level) {
  if (const XMLElement* element = node.toElement()) {
    writeStartTag(out, *element, level);
    return;
  }
  out.indent(level);
  // The memory map holds elements only; the other kinds are written so that parsing the
  // output gives them back.
  const auto& text = static_cast<const XMLTextNode&>(node);
  switch (node.type()) {
    case XMLNode::Type::Comment:
      out.put("<!--");
      out.put(text.text());
      out.put("-->\n");
      break;
    case XMLNode::Type::CDATASection:
      out.put("<![CDATA[");
      out.put(text.text());
      out.put("]]>\n");
      break;
    default:
      out.escaped(text.text());
      out.put('\n');
      break;
  }
}

void writeEnd(Output& out, const XMLElement& element, int level) {
  out.indent(level);
  out.put("</");
  out.put(element.tagName());
  out.put(">\n");
}

}  // namespace

XMLWriter::XMLWriter(ByteSink& sink, std::size_t chunk)
    : out_(std::make_unique<Output>(sink, chunk)) {}

XMLWriter::~XMLWriter() {
  out_->flush();
}

void XMLWriter::doctype(std::string_view name) {
  out_->put("<!DOCTYPE ");
  out_->put(name);
  out_->put(">\n");
}

void XMLWriter::tree(const XMLNode& root, int rootLevel) {
  Output& out = *out_;
  walkTree(
      root, rootLevel,
      [&out](const XMLNode& node, int level) {
        writeStart(out, node, level);
        out.lineDone();
      },
      [&out](const XMLElement& element, int level) { writeEnd(out, element, level); });
}

void XMLWriter::startTag(const XMLElement& element, int level) {
  writeStartTag(*out_, element, level);
  out_->lineDone();
}

void XMLWriter::endTag(const XMLElement& element, int level) {
  writeEnd(*out_, element, level);
  out_->lineDone();
}

void XMLWriter::flush() {
  out_->flush();
}

void XMLDocument::write(ByteSink& sink) const {
  XMLWriter writer(sink);
  if (doctype_) writer.doctype(*doctype_);
  if (root_) writer.tree(*root_, 0);
}
void XMLDocument::writeTo(std::string& out) const {
  StringSink sink(out);
  write(sink);
}

}  // namespace regforge
