// The writer of the file form: documents and subtrees written to a sink in large pieces.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "xml/ByteSink.h"

namespace regforge {

class XMLElement;
class XMLNode;

class XMLWriter {
 public:
  /// What the sink gets at once.
  static constexpr std::size_t kChunk = 64 << 10;

  /// sink must outlive the writer, which hands it pieces of about chunk bytes.
  explicit XMLWriter(ByteSink& sink, std::size_t chunk = kChunk);
  XMLWriter(const XMLWriter&) = delete;
  XMLWriter& operator=(const XMLWriter&) = delete;
  /// Finishes what is still on its way.
  ~XMLWriter();

  /// The doctype line.
  void doctype(std::string_view name);
  /// node and its subtree at indentation level.
  void tree(const XMLNode& node, int level);
  /// The start tag of element alone, on its line; an element without children is written
  /// whole, as a tag that closes itself. For a writer that walks a tree of its own.
  void startTag(const XMLElement& element, int level);
  /// The end tag of an element with children.
  void endTag(const XMLElement& element, int level);
  /// Hands everything written so far to the sink, so that the sink can take bytes of its
  /// owner's next.
  void flush();

  class Output;

 private:
  std::unique_ptr<Output> out_;
};

}  // namespace regforge
