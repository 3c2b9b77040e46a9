// The nodes of the XML object model: the linked tree structure shared by every node kind,
// and the three kinds that carry text (character data, comments, CDATA sections).
#pragma once

#include <cstdint>
#include <string_view>

namespace regforge {

class XMLElement;

/// A node of a document tree; elements hold the child lists. Nodes live in their document's arena:
/// a node removed from its parent stays valid, and belongs to nobody else, until the document is
/// destroyed. Elements are linked only within their document.
class XMLNode {
 public:
  enum class Type : std::uint8_t { Element, Data, Comment, CDATASection };

  Type type() const { return type_; }
  bool isElement() const { return type_ == Type::Element; }
  /// This node as an element, or null for the other kinds.
  XMLElement* toElement();
  const XMLElement* toElement() const;

  /// The element whose child list holds this node; null for a root or an unlinked node.
  XMLElement* parent() const { return parent_; }
  XMLNode* nextSibling() const { return nextSibling_; }
  /// Only elements have children; these are null for the other kinds.
  XMLNode* firstChild() const;
  XMLNode* lastChild() const;
  /// Source line counted from 0, or -1 for a node built in memory.
  int line() const { return line_; }
  void setLine(int line) { line_ = line; }

 protected:
  explicit XMLNode(Type type) : type_(type) {}

 private:
  friend class XMLElement;
  friend class XMLDocument;
  XMLElement* parent_ = nullptr;
  XMLNode* nextSibling_ = nullptr;
  std::int32_t line_ = -1;
  Type type_;
};

/// The node after node in document order that stays below top: node's first child when
/// descend is set and it has one, else the next sibling of node or of its nearest ancestor
/// below top; null when there is none. With top the parent of a node (null for a root), a walk
/// from that node covers it, its following siblings and all their descendants.
const XMLNode* nextInPreOrder(const XMLNode* node, const XMLNode* top, bool descend = true);
inline XMLNode* nextInPreOrder(XMLNode* node, const XMLNode* top, bool descend = true) {
  return const_cast<XMLNode*>(nextInPreOrder(static_cast<const XMLNode*>(node), top, descend));
}

/// Common part of the node kinds that hold a text.
class XMLTextNode : public XMLNode {
 public:
  std::string_view text() const { return {text_, size_}; }

 protected:
  XMLTextNode(Type type, std::string_view text)
      : XMLNode(type), text_(text.data()), size_(static_cast<std::uint32_t>(text.size())) {}

 private:
  const char* text_;
  std::uint32_t size_;
};

/// Character data between tags, references decoded.
class XMLData : public XMLTextNode {
 public:
  explicit XMLData(std::string_view text) : XMLTextNode(Type::Data, text) {}
};

/// The body of a comment.
class XMLComment : public XMLTextNode {
 public:
  explicit XMLComment(std::string_view text) : XMLTextNode(Type::Comment, text) {}
};

/// The body of a CDATA section, taken literally.
class XMLCDATASection : public XMLTextNode {
 public:
  explicit XMLCDATASection(std::string_view text) : XMLTextNode(Type::CDATASection, text) {}
};

}  // namespace regforge
