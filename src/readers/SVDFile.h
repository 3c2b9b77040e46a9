// The SVD reader: turns a parsed CMSIS-SVD document into memory-map elements, with virtual
// hooks through which a subclass receives the core description and the interrupt names.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "memorymap/MemoryMap.h"

namespace regforge {

/// Read options: the bit set the driver hands to the SVD reader.
enum ReadOption : unsigned {
  kRegisterSizeInBytes = 1,  ///< register sizes are bytes, not bits
  kNoDescriptions = 2,       ///< no description is read or written
  kIgnoreCpu = 4,            ///< the <cpu> element is not passed to readCpu
  kIgnoreInterrupts = 8,     ///< <interrupt> elements are not read
};

class SVDFile : public MemoryMap {
 public:
  SVDFile() = default;

  /// Makes a "Processor" root and fills it from input; false when input has no <device>.
  bool readSvd(const XMLDocument& input, unsigned options,
               std::optional<std::string_view> ignorePrefix);

  /// Rewrites a description in place. Here: each backslash-n becomes "<br/>".
  virtual void formatDescription(std::string& text);
  /// Receives the device's <cpu> element. Here: nothing.
  virtual void readCpu(const XMLElement& cpu);
  /// Interrupt numbers below this count are passed to setInterruptName. Here: 0.
  virtual int interruptCount() const;
  /// Receives one interrupt's number and name. Here: nothing.
  virtual void setInterruptName(int number, std::string_view name);

  // Look-ups over the input document that the readers share.

  /// The first element named tag among first and its following siblings, or null.
  static const XMLElement* findElement(const XMLNode* first, std::string_view tag);
  /// findElement(firstA, tag), else findElement(firstB, tag).
  static const XMLElement* findElementIn(const XMLNode* firstA, const XMLNode* firstB,
                                         std::string_view tag);
  /// The texts of element's direct character-data children, joined in order. The view stays
  /// valid while this document and element's document live.
  std::string_view elementText(const XMLElement& element);
  /// elementText of element's first child element named tag; empty when there is none. With
  /// fixHexPrefix, a leading "0X" is given as "0x".
  std::string_view childText(const XMLElement* element, std::string_view tag,
                             bool fixHexPrefix = false);

 private:
  // Joined texts of elements with more than one text piece, made once per element.
  std::unordered_map<const XMLElement*, std::string_view> joinedTexts_;
};

}  // namespace regforge
