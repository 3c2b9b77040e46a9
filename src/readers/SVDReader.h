// One read of an SVD document into an SVDFile by the format rules: the device, peripheral,
// cluster and register levels, the warnings about them, and the bounds of one conversion.
// The reading by the CMSIS-SVD standard's rules (SVDStandardReader) shares its state and
// its writing of registers from their plans.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "readers/FlatMap.h"
#include "readers/ReadBudget.h"
#include "readers/ReadOptions.h"
#include "readers/SVDDerivation.h"
#include "readers/SVDFile.h"
#include "readers/SVDRegisterPlan.h"

namespace regforge {

/// What every level of one read needs: the options, the ignore prefix, the device defaults
/// and the input document's first top-level node, where field look-ups start.
struct SVDReadContext {
  unsigned options = 0;
  std::optional<std::string_view> ignorePrefix;
  const XMLNode* documentFirst = nullptr;
  // The device's <width>, <size> and <access>, whose lines warnings give.
  const XMLElement* width = nullptr;
  const XMLElement* size = nullptr;
  const XMLElement* access = nullptr;
  std::string_view resetValue, resetMask;

  bool descriptions() const { return (options & kNoDescriptions) == 0; }
};

/// The texts a peripheral hands down to its registers; clusters lengthen prependToName.
struct SVDNames {
  std::string_view prependToName;
  std::string_view appendToName;
  const XMLElement* peripheralSize = nullptr;  ///< the <size> a peripheral gives its registers
};

class SVDReader {
 public:
  SVDReader(SVDFile& file, ReadBudget::Limits limits, std::optional<std::uint32_t> arrayLimit);

  /// Fills root from document's <device>; false when there is none or the read passes the
  /// conversion's bounds (problem() says why, problemLine() where, when it knows).
  bool readDevice(const XMLDocument& document, XMLElement& root, unsigned options,
                  std::optional<std::string_view> ignorePrefix);
  const std::string& problem() const { return problem_; }
  int problemLine() const { return problemLine_; }

 private:
  friend class SVDStandardReader;

  static const XMLElement* findElement(const XMLNode* first, std::string_view tag) {
    return ElementTexts::findElement(first, tag);
  }
  std::string_view elementText(const XMLElement& element) { return file_.elementText(element); }
  std::string_view childText(const XMLElement* element, std::string_view tag,
                             bool fixHexPrefix = false) {
    return file_.childText(element, tag, fixHexPrefix);
  }
  std::string_view inheritedText(const XMLElement* element, const XMLElement* base,
                                 std::string_view tag) {
    return file_.inheritedText(element, base, tag);
  }
  const XMLElement* inheritedElement(const XMLElement* element, const XMLElement* base,
                                     std::string_view tag) {
    return file_.inheritedElement(element, base, tag);
  }
  std::string_view textOf(const XMLElement* element) { return file_.textOf(element); }
  Diagnostics& diagnostics() { return file_.diagnostics(); }

  bool readPeripherals(const XMLElement& peripherals, XMLElement& groupParent,
                       const SVDReadContext& context);
  bool readPeripheral(const XMLElement& peripherals, const XMLElement& peripheral,
                      XMLElement& groupParent, const SVDReadContext& context);
  /// How an interrupt's <value> reads: a number, or none.
  using InterruptNumber = std::optional<std::uint32_t> (*)(std::string_view value);
  /// kind names what readNumber takes ("a decimal number"), for the warning.
  void readInterrupts(const XMLElement& peripheral, InterruptNumber readNumber,
                      std::string_view kind);
  XMLElement* addGroup(XMLElement& groupParent, std::string_view name, std::string_view start,
                       const std::optional<std::string>& description);

  // Registers (SVDRegister.cpp).
  bool readRegister(const XMLElement& container, XMLElement& group, const XMLElement& reg,
                    const SVDReadContext& context, const SVDNames& names, std::uint32_t baseOffset);
  bool makeRegisterPlan(const XMLElement& container, const XMLElement& reg,
                        const SVDReadContext& context, const XMLElement* peripheralSize,
                        SVDRegisterPlan& plan);
  bool readFields(const XMLElement& fields, const SVDReadContext& context, SVDRegisterPlan& plan);
  bool readEnumeratedValues(const XMLElement& field, const XMLElement* fieldBase,
                            const SVDReadContext& context, SVDFieldPlan& plan);
  /// The <enumeratedValue>s of values that have a name and a value, into plan.
  bool readEnumeratedValueList(const XMLElement& values, const SVDReadContext& context,
                               SVDFieldPlan& plan);
  bool writeRegisterCopies(XMLElement& group, const SVDRegisterPlan& plan, const SVDNames& names,
                           std::uint32_t baseOffset);
  void writeRegister(XMLElement& group, const SVDRegisterPlan& plan, const SVDNames& names,
                     std::uint32_t copy, std::uint32_t offset);
  void writeField(XMLElement& bitField, const SVDFieldPlan& plan);

  // Clusters (SVDClusters.cpp).
  class ClusterWalk;
  bool readRegisters(const XMLElement& registers, XMLElement& group, const SVDReadContext& context,
                     const SVDNames& names);
  bool readCluster(XMLElement& group, const XMLElement& cluster, const SVDReadContext& context,
                   const SVDNames& names, std::uint32_t baseOffset);
  bool isAlternateClusterForm(const XMLElement& registers);
  bool readAlternateClusters(const XMLElement& registers, XMLElement& groupParent,
                             std::string_view peripheralName, std::string_view baseAddress,
                             const std::optional<std::string>& description,
                             const SVDReadContext& context, const SVDNames& names);

  /// text after formatDescription, or none when text is empty.
  std::optional<std::string> description(std::string_view text);
  /// The register name of one array copy: prefix, own name with its "%s" filled, suffix.
  std::string_view registerName(const SVDRegisterPlan& plan, const SVDNames& names,
                                std::uint32_t copy);
  /// Spends steps for every child node of element (none for null).
  bool spendChildren(const XMLElement* element);
  bool withinStorage();

  // Warnings (SVDChecks.cpp). Each costs nothing unless warnings are enabled.
  // Registers of another alternate group may repeat a name: the key is (alternate group, name).
  using NameInScope = std::pair<std::string_view, std::string_view>;
  struct NameInScopeHash {
    // FNV-1a: names are short, and most scopes have no alternate groups.
    static std::uint64_t add(std::uint64_t hash, std::string_view text) {
      for (const char c : text)
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
      return hash;
    }
    std::size_t operator()(const NameInScope& key) const {
      const std::uint64_t hash = add(0xcbf29ce484222325u, key.second);
      return static_cast<std::size_t>(key.first.empty() ? hash : add(hash, key.first));
    }
  };
  using NamesInScope = FlatMap<NameInScope, const XMLElement*, NameInScopeHash>;
  /// The names of one scope, with the texts of array copies that the names point into.
  struct ScopeNames {
    NamesInScope names;
    std::deque<std::string> copies;
    void clear() {
      names.clear();
      copies.clear();
    }
  };

  bool warnings() { return !muted_ && diagnostics().enabled(); }
  /// "; -standard reads it as N" for a text that the standard's number rule reads, else empty.
  static std::string standardReading(std::string_view text);
  /// A warning at element; makeText() gives its text, and is called only for a warning that
  /// is kept.
  template <class MakeText>
  void warnAt(const XMLElement& element, std::string_view check, const MakeText& makeText) {
    diagnostics().warnWith(check, element.line() + 1, makeText);
  }
  /// As warnAt, for a problem of element's own text: one warning, however often it is read.
  template <class MakeText>
  void warnOnceAt(const XMLElement& element, std::string_view check, const MakeText& makeText) {
    diagnostics().warnFrom(&element, check, element.line() + 1, makeText);
  }
  /// The number text converts to by base; warns when that is not what the text says.
  std::uint32_t checkedUnsigned(std::string_view text, int base, const XMLElement& where,
                                std::string_view what);
  std::int32_t checkedSigned(std::string_view text, int base, const XMLElement& where,
                             std::string_view what);
  /// count, or the array limit when count passes it (with a warning).
  std::uint32_t limitArray(std::uint32_t count, const XMLElement& element);
  /// Remembers for importProblem() that element's count copies of perCopy elements each
  /// passed the bound of steps, or with perCopy 0 the bound of storage.
  void passedBound(const XMLElement& element, std::uint64_t count, std::uint64_t perCopy);
  /// offset and access are the texts the register was read with.
  void checkRegister(const XMLElement& reg, const SVDRegisterPlan& plan, std::string_view offset,
                     const XMLElement* access, std::string_view dimIndex);
  /// index is dimIndex as read for count copies.
  void checkDimIndex(const XMLElement& element, std::uint32_t count, const DimIndex& index,
                     std::string_view dimIndex);
  /// Bit fields outside the register or overlapping, values that do not fit, names given
  /// twice.
  /// sizeHint follows the text of a field outside the register: how another reading sizes it.
  void checkFields(const SVDRegisterPlan& plan, std::uint32_t sizeBits,
                   std::string_view sizeHint = {});
  /// Names that two or more registers or clusters of one <registers> or cluster share.
  void checkRepeatedNames(const XMLElement& registers);
  /// The same, one member at a time, for a scope read member by member: each is checked
  /// while its elements are at hand.
  void noteName(ScopeNames& scope, const XMLElement& member);
  /// One name that member makes (written: as the file writes it); false when it clashed.
  bool noteOneName(ScopeNames& scope, const XMLElement& member, std::string_view group,
                   std::string_view written, std::string_view name);
  /// Arrays of more copies are compared by their written names.
  static constexpr std::uint32_t kComparedCopies = 1024;
  void warnRepeatedName(const XMLElement& element, std::string_view name, const XMLElement& first);

  SVDFile& file_;
  ElementTexts& texts_;  // the file's, which its hooks read too
  SVDDerivation derivation_{texts_};
  ReadBudget::Limits limits_;
  ReadBudget budget_;
  std::string nameText_;  // a register name being built
  std::optional<std::uint32_t> arrayLimit_;
  std::string problem_;
  int problemLine_ = 0;
  // Elements whose warnings were given: a derived peripheral reads its base's registers
  // again, an inner cluster is entered once per copy of the outer one.
  std::unordered_set<const XMLElement*> checked_;
  std::unordered_set<const XMLElement*> limited_;
  bool muted_ = false;
  std::vector<const SVDFieldPlan*> fieldOrder_;  // reused by the checks, not to allocate anew
  ScopeNames namesInScope_;                      // reused per scope
  ScopeNames registerNames_;                     // of the <registers> being read
};

}  // namespace regforge
