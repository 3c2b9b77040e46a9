// The value handed to the memory-map operations for one attribute: a text, or none for
// "no such attribute". An empty text is not none: it gives an attribute with an empty value.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace regforge {

class AttributeText {
 public:
  AttributeText() = default;
  AttributeText(std::nullopt_t) {}
  /// A null pointer is none.
  AttributeText(const char* text) {
    if (text) value_ = text;
  }
  AttributeText(std::string_view text) : value_(text) {}
  AttributeText(const std::string& text) : value_(text) {}
  AttributeText(std::optional<std::string_view> text) : value_(text) {}

  const std::optional<std::string_view>& value() const { return value_; }

 private:
  std::optional<std::string_view> value_;
};

}  // namespace regforge
