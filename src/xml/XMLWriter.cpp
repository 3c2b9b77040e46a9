// The file form of a document: the doctype line, then one tag per line indented by two
// spaces per level, attributes in name order, values escaped byte by byte.
#include <cstdio>
#include <cstring>

#include "xml/ByteSink.h"
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

// Collects the written text and hands it on in large pieces: to a sink, to the spill file,
// or to memory, which gives way to the spill file when the text outgrows the room it has.
class Output {
 public:
  Output(std::string& text, ByteSink* sink, const TextSpill* spill = nullptr)
      : text_(&text), file_(sink), spill_(spill) {
    // A sink's buffer never grows: a chunk and the line that fills it fit.
    if (file_) text.reserve(kChunk + kChunk / 2);
  }
  /// Keeps the text in memory while it takes at most room bytes, then moves it to overflow
  /// (when that can be written) and writes the rest there too.
  Output(std::string& text, std::size_t room, TextSpill& overflow)
      : text_(&text), file_(nullptr), overflow_(&overflow), room_(room) {}
  ~Output() {
    settle();
    flush();
  }

  /// Markup kept in the spill file. Neighbours there are copied together: consecutive
  /// finished groups lie one after the other.
  void spilled(const XMLSpilledText& node) {
    if (spillSize_ > 0 && spillOffset_ + spillSize_ == node.offset()) {
      spillSize_ += node.size();
      return;
    }
    settle();
    spillOffset_ = node.offset();
    spillSize_ = node.size();
  }
  /// Copies the spilled markup waiting to be copied; called before anything else is put.
  /// A failure makes the output incomplete.
  void settle() {
    if (spillSize_ == 0) return;
    if (!spill_) {
      failed_ = true;
    } else if (!file_) {
      failed_ |= !spill_->appendTo(*text_, spillOffset_, spillSize_);
    } else {
      flush();
      failed_ |= !spill_->copyTo(*file_, spillOffset_, spillSize_);
    }
    spillSize_ = 0;
  }
  bool failed() {
    settle();
    return failed_;
  }
  /// Whether the text went to the spill file given as overflow.
  bool overflowed() const { return sink_ != nullptr; }

  void put(std::string_view bytes) { text_->append(bytes.data(), bytes.size()); }
  void put(char c) { text_->push_back(c); }
  /// put for text that may be long: a sink takes it as it is.
  void putBlock(std::string_view bytes) {
    if (!file_ || bytes.size() < kChunk) return put(bytes);
    flush();
    file_->write(bytes);
  }
  void indent(int level) { text_->append(static_cast<std::size_t>(level) * 2, ' '); }
  void escaped(std::string_view bytes);
  void lineDone() {
    if (overflow_ && text_->size() > room_) overflow();
    if (text_->size() >= kChunk) flush();
  }

 private:
  static constexpr std::size_t kChunk = 64 << 10;
  void flush() {
    if (sink_) sink_->finishAppend();
    if (!file_) return;
    file_->write(*text_);
    text_->clear();
  }
  void overflow() {
    TextSpill& spill = *overflow_;
    overflow_ = nullptr;
    if (!spill.append(*text_)) return;  // no spill file: the text stays in memory
    text_->clear();
    text_ = spill.startAppend();  // there is a file: append made it
    sink_ = &spill;
  }

  std::string* text_;
  ByteSink* file_;  // where the text goes in pieces; null: it stays in text_
  const TextSpill* spill_ = nullptr;
  TextSpill* overflow_ = nullptr;
  TextSpill* sink_ = nullptr;  // the spill file the text goes to
  std::size_t room_ = 0;
  bool failed_ = false;
  std::uint64_t spillOffset_ = 0;
  std::uint64_t spillSize_ = 0;
};

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

void Output::escaped(std::string_view bytes) {
  constexpr std::size_t kSlice = 256;
  char buffer[kSlice * kEscapedMost];
  for (std::size_t from = 0; from < bytes.size(); from += kSlice) {
    const char* end = escapeInto(buffer, bytes.substr(from, kSlice));
    put(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
  }
}

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

void writeStart(Output& out, const XMLNode& node, int level) {
  if (node.type() == XMLNode::Type::Spilled) {
    out.spilled(static_cast<const XMLSpilledText&>(node));
    return;
  }
  out.settle();
  if (node.type() == XMLNode::Type::Raw) {  // lines written already, indentation included
    out.putBlock(static_cast<const XMLRawText&>(node).text());
    return;
  }
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
  out.settle();
  out.indent(level);
  out.put("</");
  out.put(element.tagName());
  out.put(">\n");
}

bool isWrittenForm(const XMLNode* node) {
  return node && (node->type() == XMLNode::Type::Raw || node->type() == XMLNode::Type::Spilled);
}

// Iterative, so that the depth of a tree never exhausts the stack.
void writeTree(Output& out, const XMLNode& root, int rootLevel) {
  const XMLNode* node = &root;
  int level = rootLevel;
  for (;;) {
    // An element whose written form is kept stands as that text, tags and all.
    const bool written = isWrittenForm(node->firstChild());
    writeStart(out, written ? *node->firstChild() : *node, level);
    out.lineDone();
    if (!written && node->firstChild()) {
      node = node->firstChild();
      ++level;
      continue;
    }
    while (node != &root && !node->nextSibling()) {
      node = node->parent();
      --level;
      writeEnd(out, *node->toElement(), level);
    }
    if (node == &root) return;
    node = node->nextSibling();
  }
}

void writeDocument(Output& out, std::optional<std::string_view> doctype, const XMLElement* root) {
  if (doctype) {
    out.put("<!DOCTYPE ");
    out.put(*doctype);
    out.put(">\n");
  }
  if (root) writeTree(out, *root, 0);
}

}  // namespace

bool XMLDocument::writeWrittenForm(const XMLNode& node, int level, std::size_t room) {
  Output output(written_, room, spill_);
  writeTree(output, node, level);
  return output.overflowed();
}

void XMLDocument::writeTo(std::string& out) const {
  Output output(out, nullptr, &spill_);
  writeDocument(output, doctype_, root_);
}

bool XMLDocument::write(ByteSink& sink) {
  std::string buffer;
  Output output(buffer, &sink, &spill_);
  writeDocument(output, doctype_, root_);
  // Only markup kept aside that can't be read back is reported: it would leave a gap.
  if (output.failed()) {
    setError(0, "couldn't write the document");
    return false;
  }
  return true;
}

}  // namespace regforge
