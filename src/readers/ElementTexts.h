// The texts of input elements as the SVD reader reads them, made once per element, and the
// sibling search that every look-up starts with.
#pragma once

#include <string_view>
#include <unordered_map>

#include "xml/Arena.h"
#include "xml/XMLElement.h"

namespace regforge {

class ElementTexts {
 public:
  /// The first element named tag among first and its following siblings, or null.
  static const XMLElement* findElement(const XMLNode* first, std::string_view tag);

  /// The text of element's direct character data, joined in order, from a document parsed
  /// with Content::ElementText (in any other, every element reads as empty). The view stays
  /// valid while element's document lives and clear() has not been called.
  std::string_view of(const XMLElement& element);
  /// A copy of text kept until clear().
  std::string_view keep(std::string_view text) { return storage_.copy(text); }
  /// Forgets every text made; needed before the input document goes away.
  void clear() {
    joined_.clear();
    storage_.reset();
  }

 private:
  // Joined texts of elements with more than one text piece, made once per element.
  std::unordered_map<const XMLElement*, std::string_view> joined_;
  Arena storage_;  // texts made from the input: joined and "0X"-fixed ones
};

}  // namespace regforge
