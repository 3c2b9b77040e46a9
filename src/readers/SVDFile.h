// The memory map of an SVD file: read from a parsed CMSIS-SVD document (by an SVDReader, one
// per read), with virtual hooks through which a subclass receives the core description and
// the interrupt names.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "memorymap/MemoryMap.h"
#include "readers/ElementTexts.h"
#include "readers/ReadBudget.h"
#include "readers/ReadOptions.h"

namespace regforge {

class SVDFile : public MemoryMap {
 public:
  SVDFile() = default;

  /// Makes a "Processor" root and fills it from input, a document parsed with
  /// Content::ElementText (in any other, every element reads as empty); false when input has
  /// no <device> or asks for more than a conversion may produce (see ReadBudget).
  bool readSvd(const XMLDocument& input, unsigned options,
               std::optional<std::string_view> ignorePrefix);
  /// Bounds for the following reads in place of the program's (see ReadBudget).
  void setReadLimits(ReadBudget::Limits limits) { limits_ = limits; }
  /// Arrays (a register's or a cluster's dim) of more copies are read with their first limit
  /// copies, each time with a warning.
  void setArrayLimit(std::uint32_t limit) { arrayLimit_ = limit; }
  /// Why the last readSvd returned false, in words.
  const std::string& importProblem() const { return problem_; }
  /// The input line importProblem() is about, from 1; 0 for the whole file.
  int importProblemLine() const { return problemLine_; }

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
  static const XMLElement* findElement(const XMLNode* first, std::string_view tag) {
    return ElementTexts::findElement(first, tag);
  }
  /// findElement(firstA, tag), else findElement(firstB, tag).
  static const XMLElement* findElementIn(const XMLNode* firstA, const XMLNode* firstB,
                                         std::string_view tag);
  /// The texts of element's direct character-data children, joined in order. The view stays
  /// valid while element's document lives and readSvd has not ended.
  std::string_view elementText(const XMLElement& element) { return texts_.of(element); }
  /// elementText of element's first child element named tag; empty when there is none. With
  /// fixHexPrefix, a leading "0X" is given as "0x".
  std::string_view childText(const XMLElement* element, std::string_view tag,
                             bool fixHexPrefix = false);
  /// element's text; empty for none.
  std::string_view textOf(const XMLElement* element) {
    return element ? elementText(*element) : std::string_view();
  }
  /// The child of element with tag when its text is not empty, else base's; null when neither
  /// has one. inheritedText's text, with the element that holds it.
  const XMLElement* inheritedElement(const XMLElement* element, const XMLElement* base,
                                     std::string_view tag);
  /// childText(element, tag), or childText(base, tag) when that is empty.
  std::string_view inheritedText(const XMLElement* element, const XMLElement* base,
                                 std::string_view tag);

 private:
  friend class SVDReader;  // reads into the map, with the texts the hooks read too

  ElementTexts texts_;
  ReadBudget::Limits limits_;
  std::optional<std::uint32_t> arrayLimit_;
  std::string problem_;
  int problemLine_ = 0;
};

}  // namespace regforge
