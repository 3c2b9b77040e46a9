// An XML document: one tree of nodes, its optional doctype, and the outcome of the last
// read, parse or write.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Files.h"
#include "text/ByteText.h"
#include "text/PrintfText.h"
#include "xml/Arena.h"
#include "xml/ByteSink.h"
#include "xml/XMLElement.h"
#include "xml/XMLNode.h"

namespace regforge {

class XMLDocument {
 public:
  /// What parsing keeps of the text between tags: nothing; text and comment nodes; or, for a
  /// reader that only ever asks for the whole text of an element, that text per element
  /// (see elementText) without nodes, which takes a fraction of the memory.
  enum class Content : std::uint8_t { Dropped, Nodes, ElementText };

  explicit XMLDocument(Content content);
  virtual ~XMLDocument();
  XMLDocument(const XMLDocument&) = delete;
  XMLDocument& operator=(const XMLDocument&) = delete;

  /// A new element with a copy of tagName and no attributes, owned by this document.
  /// Subclasses decide the element class; the parser creates every element through here.
  virtual XMLElement* createElement(std::string_view tagName);
  /// Makes a node of class T in the document's arena.
  template <class T, class... Args>
  T* makeNode(Args&&... args) {
    return arena_.make<T>(std::forward<Args>(args)...);
  }

  XMLData* createData(std::string_view text);

  /// Ends the life of every node and text of the document, and of the buffers it parsed; the
  /// memory, and the names stored, are kept for what is built or parsed next.
  void clear();

  /// Makes element (or nothing) the root, in place of any root there was.
  void setRoot(XMLElement* element) { root_ = element; }
  XMLElement* root() const { return root_; }

  std::optional<std::string_view> doctype() const { return doctype_; }
  void setDoctype(std::string_view name) { doctype_ = storeText(name); }

  Content content() const { return content_; }

  // The text of an element's direct character data, joined in order, in a document parsed
  // with Content::ElementText.

  /// The text when it came in one piece that needs no decoding (or none); none otherwise.
  std::optional<std::string_view> elementTextPiece(const XMLElement& element) const;
  /// Appends the pieces of the text to out.
  void appendElementText(const XMLElement& element, std::string& out) const;

  /// Inputs are read up to this size: texts hold 31-bit lengths.
  static constexpr std::size_t kLargestInput = INT32_MAX - 1;

  /// Parses the NUL-terminated buffer (a copy is kept). False on a parse error, with the
  /// message in errorText() and its line in errorLine().
  bool parse(const char* buffer);
  /// Parses the first size bytes of buffer, which must be followed by a NUL; the document
  /// keeps the buffer and its tree points into it.
  bool parseOwned(PageBlock buffer, std::size_t size);
  /// Parses a file read for path; "couldn't read %s" when it wasn't read.
  bool load(WholeFile file, const char* path);
  /// Reads and parses the file at the 8-bit path.
  bool load(const char* path) { return load(readWholeFile(path, kLargestInput), path); }

  /// Writes the document to sink.
  void write(ByteSink& sink) const;
  /// Appends the written form of the document to out: the writer without the file.
  void writeTo(std::string& out) const;

  /// Whether the system refused memory while this document was built.
  bool exhausted() const { return arena_.exhausted() || nameArena_.exhausted(); }
  /// Bytes the document holds from the system for its nodes and texts.
  std::size_t storage() const { return arena_.capacity() + nameArena_.capacity(); }

  /// Message of the last failed read, parse or write (at most 1023 bytes).
  const char* errorText() const { return errorText_; }
  int errorLine() const { return errorLine_; }
  /// For a parse error: what was found there, in words (the tags of a mismatch, say).
  const std::string& errorDetail() const { return errorDetail_; }
  /// For an input that ended inside an element (which is no error: the element is left out):
  /// that element and the line it opened on, in words; empty otherwise.
  const std::string& unclosed() const { return unclosed_; }

  /// text itself when it lies in a buffer this document owns, else a copy in its arena.
  std::string_view storeText(std::string_view text);
  /// storeText for tag and attribute names, which repeat: each name is stored once.
  std::string_view storeName(std::string_view name) {
    // Inline, as every element and attribute made asks: most names are found in one slot
    // of a small table, picked by a few of their bytes, and compared there byte by byte.
    std::string_view& slot = nameSlots_[namePick(name)];
    if (slot.data() && equalsShort(slot, name)) return slot;
    return storeNewName(name, slot);
  }
  /// Takes over the buffers other's tree points into (other's tree stays valid while this
  /// document lives), so that texts copied from other need no copy of their own.
  void shareSources(XMLDocument& other);
  /// Texts that lie in owner's buffers, now or later, are kept as they are rather than
  /// copied: owner must outlive this document's tree.
  void useSourcesOf(const XMLDocument& owner) { textOwner_ = &owner; }
  /// Gives element, in a document parsed with Content::ElementText, the count pieces of its
  /// own text at first: each as written, in the buffer parsed last.
  void setElementText(XMLElement& element, const std::string_view* first, std::size_t count);

 protected:
  void setError(int line, const char* format, ...) REGFORGE_PRINTF(3, 4);

 private:
  bool ownsText(std::string_view text) const;
  static std::size_t namePick(std::string_view name) {
    if (name.empty()) return 0;
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(name[at]); };
    return (name.size() * 31 + byte(0) * 7 + byte(name.size() - 1) * 3 + byte(name.size() / 2)) %
           kNameSlots;
  }
  std::string_view storeNewName(std::string_view name, std::string_view& slot);
  Arena arena_;
  Arena nameArena_;  // names outlive clear()
  const XMLDocument* textOwner_ = nullptr;
  struct Source {
    PageBlock buffer;
    const char* end;  // of the parsed bytes
  };
  std::vector<Source> sources_;          // parsed buffers that the tree points into
  std::vector<std::string_view> names_;  // the names stored so far (up to a few dozen)
  static constexpr std::size_t kNameSlots = 256;
  std::array<std::string_view, kNameSlots> nameSlots_{};  // recently stored names, by a few bytes
  Content content_;
  // Element texts that came in several pieces, or that hold something to decode: each run
  // is led by an entry holding the index of the parsed buffer the pieces lie in and their
  // count. The pieces are decoded when read: most are the line ends and indentation between
  // tags, which nothing reads.
  struct TextPiece {
    std::uint32_t offset;  // or, leading a run: the index in parsedBuffers_
    std::uint32_t size;    // or, leading a run: the count
  };
  std::vector<TextPiece> textPieces_;
  std::vector<const char*> parsedBuffers_;  // every buffer parsed, shared with another or not
  XMLElement* root_ = nullptr;
  std::optional<std::string_view> doctype_;
  char errorText_[1024] = {};
  int errorLine_ = 0;
  std::string errorDetail_;
  std::string unclosed_;
};

/// The elements named tagName among first and its following siblings and, when recursive,
/// all their descendants, in document order.
std::vector<XMLElement*> findElementsByTag(XMLNode* first, std::string_view tagName,
                                           bool recursive);

}  // namespace regforge
