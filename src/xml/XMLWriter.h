// The writer of the file form: documents and subtrees written to a sink in large pieces.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "xml/ByteSink.h"

namespace regforge {

class XMLNode;

/// Bytes kept elsewhere (a temporary file, say) that a writer copies into its sink when it
/// gets to them.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  /// Writes the size bytes at offset to sink; false when they can't be read back.
  virtual bool copyTo(ByteSink& sink, std::uint64_t offset, std::uint64_t size) const = 0;
};

class XMLWriter {
 public:
  /// What the sink gets at once, but for text already written elsewhere.
  static constexpr std::size_t kChunk = 64 << 10;

  /// sink must outlive the writer, which hands it pieces of about chunk bytes.
  explicit XMLWriter(ByteSink& sink, std::size_t chunk = kChunk);
  XMLWriter(const XMLWriter&) = delete;
  XMLWriter& operator=(const XMLWriter&) = delete;
  /// Finishes what is still on its way.
  ~XMLWriter();

  /// The doctype line.
  void doctype(std::string_view name);
  /// node and its subtree at indentation level. An element without children that its
  /// document writes itself (XMLDocument::writeInstead) is written by the document.
  void tree(const XMLNode& node, int level);
  /// Lines written already, indentation included, as they are. The bytes are read where they
  /// lie, up to the next call or finish(), and must stay there until then.
  void written(std::string_view bytes);
  /// size bytes at offset of source; neighbours in the same source are copied together.
  void copied(const ByteSource& source, std::uint64_t offset, std::uint64_t size);
  /// Hands everything written so far to the sink; false when bytes kept elsewhere could not
  /// be read back since the last finish.
  bool finish();

  class Output;

 private:
  std::unique_ptr<Output> out_;
};

}  // namespace regforge
