// The register, field and enumeration levels of the SVD reader. Each register is read once
// into a plan; every array copy is then written from the plan.
#include <algorithm>
#include <cstdint>
#include <initializer_list>

#include "readers/SVDReader.h"
#include "text/ByteText.h"
#include "text/Format.h"
#include "text/Latin1Text.h"
#include "text/Numbers.h"

namespace regforge {
namespace {

struct AccessName {
  std::string_view svd;
  std::string_view output;
};

// Any access not listed here, none at all included, is read and write.
constexpr AccessName kAccessNames[] = {
    {"read-only", "ReadOnly"},
    {"write-only", "WriteOnly"},
    {"writeOnce", "WriteOnly"},
};

std::string_view firstNonEmpty(std::initializer_list<std::string_view> texts) {
  for (std::string_view text : texts) {
    if (!text.empty()) return text;
  }
  return {};
}

const XMLNode* firstChildOf(const XMLElement* element) {
  return element ? element->firstChild() : nullptr;
}

// Register and bit-field numbers are signed 32-bit: a result outside that range keeps its low
// 32 bits, as two's complement arithmetic would give it.
std::int32_t wrapToInt32(std::int64_t value) {
  const auto low = static_cast<std::uint32_t>(value);
  return low <= INT32_MAX ? static_cast<std::int32_t>(low)
                          : static_cast<std::int32_t>(std::int64_t{low} - (std::int64_t{1} << 32));
}

// The size is read as an unsigned decimal number but held as a signed 32-bit one, so a value
// of 2^31 or more stands for a negative size; bits become bytes by a division that truncates
// toward zero.
std::string registerSize(std::uint32_t number, bool inBytes) {
  const std::int32_t size = wrapToInt32(number);
  return decimalText(inBytes ? size : size / 8);
}

struct BitPosition {
  std::int32_t lsb = 0;
  std::int32_t width = 0;
};

BitPosition fromMsbAndLsb(std::int32_t msb, std::int32_t lsb) {
  return {lsb, wrapToInt32(std::int64_t{msb} - lsb + 1)};
}

// "[msb:lsb]": the first and last characters are dropped whatever they are, the rest is split
// at ':' with empty parts dropped. A part that is not there reads as empty text, so as 0 like
// any missing number ("[7]" is bits 7 to 0).
BitPosition fromBitRange(std::string_view range) {
  std::string_view inner = range.size() >= 2 ? range.substr(1, range.size() - 2) : "";
  std::string_view parts[2];
  std::size_t found = 0;
  while (!inner.empty() && found < 2) {
    const std::size_t colon = std::min(inner.find(':'), inner.size());
    if (colon > 0) parts[found++] = inner.substr(0, colon);
    inner.remove_prefix(std::min(colon + 1, inner.size()));
  }
  return fromMsbAndLsb(toSigned(parts[0], 10), toSigned(parts[1], 10));
}

}  // namespace

std::string_view accessName(std::string_view svd) {
  for (const AccessName& entry : kAccessNames) {
    if (entry.svd == svd) return entry.output;
  }
  return "Read/Write";
}

bool SVDReader::readRegister(const XMLElement& container, XMLElement& group, const XMLElement& reg,
                             const SVDReadContext& context, const SVDNames& names,
                             std::uint32_t baseOffset) {
  SVDRegisterPlan plan;
  return makeRegisterPlan(container, reg, context, names.peripheralSize, plan) &&
         writeRegisterCopies(group, plan, names, baseOffset);
}

bool SVDReader::makeRegisterPlan(const XMLElement& container, const XMLElement& reg,
                                 const SVDReadContext& context, const XMLElement* peripheralSize,
                                 SVDRegisterPlan& plan) {
  const XMLElement* base =
      derivation_.resolveDerivedFrom(container.firstChild(), "register", false, reg);
  if (!spendChildren(&reg) || !spendChildren(base)) return false;
  const XMLNode* own = reg.firstChild();
  const XMLNode* inherited = firstChildOf(base);

  plan.element = &reg;
  // Without <dim> a register is read once; with one, its text gives the count.
  std::string_view dimIndex;
  if (const XMLElement* dim = SVDFile::findElementIn(own, inherited, "dim")) {
    plan.count = limitArray(checkedUnsigned(elementText(*dim), 0, *dim, "dim"), reg);
    if (const XMLElement* increment = SVDFile::findElementIn(own, inherited, "dimIncrement")) {
      plan.step = checkedUnsigned(elementText(*increment), 0, *increment, "dimIncrement");
    }
    if (const XMLElement* index = SVDFile::findElementIn(own, inherited, "dimIndex")) {
      dimIndex = elementText(*index);
      plan.index = parseDimIndex(dimIndex, plan.count);
    }
  }
  if (plan.count == 0) return true;

  plan.name = childText(&reg, "name");
  // Only copies that lie apart take their index.
  if (plan.step != 0) plan.indexMark = plan.name.find("%s");
  // Numbers are checked at the element that holds them: a peripheral's <size> is one
  // warning, however many registers take it.
  const XMLElement* offset = inheritedElement(&reg, base, "addressOffset");
  plan.addressOffset = checkedUnsigned(textOf(offset), 0, offset ? *offset : reg, "addressOffset");
  const XMLElement* size = inheritedElement(&reg, base, "size");
  // This reading takes no size from a cluster; the standard's does.
  const bool clusterSizeLeft = warnings() && textOf(size).empty() &&
                               container.tagName() == "cluster" &&
                               findElement(container.firstChild(), "size");
  for (const XMLElement* next : {peripheralSize, context.size, context.width}) {
    if (!textOf(size).empty()) break;
    size = next;
  }
  const std::uint32_t sizeBits = checkedUnsigned(textOf(size), 10, size ? *size : reg, "size");
  plan.size = registerSize(sizeBits, (context.options & kRegisterSizeInBytes) != 0);
  const XMLElement* access = inheritedElement(&reg, base, "access");
  if (textOf(access).empty()) access = context.access;
  plan.access = childText(&reg, "readAction").empty() ? accessName(textOf(access)) : "None";
  if (context.descriptions())
    plan.description = description(inheritedText(&reg, base, "description"));
  plan.resetValue = firstNonEmpty({inheritedText(&reg, base, "resetValue"), context.resetValue});
  plan.resetMask = firstNonEmpty({inheritedText(&reg, base, "resetMask"), context.resetMask});

  // A register with <fields> of its own takes none from its base.
  const XMLElement* fields = SVDFile::findElementIn(own, inherited, "fields");
  if (fields && !readFields(*fields, context, plan)) return false;
  if (warnings()) {
    checkRegister(reg, plan, textOf(offset), access, dimIndex);
    const bool inBytes = (context.options & kRegisterSizeInBytes) != 0;
    checkFields(plan, inBytes ? sizeBits * 8 : sizeBits,
                clusterSizeLeft ? "; -standard takes the <size> of its cluster" : "");
  }
  return true;
}

bool SVDReader::readFields(const XMLElement& fields, const SVDReadContext& context,
                           SVDRegisterPlan& plan) {
  if (!spendChildren(&fields)) return false;
  for (const XMLNode* node = fields.firstChild(); node; node = node->nextSibling()) {
    const XMLElement* field = node->toElement();
    if (!field || field->tagName() != "field") continue;
    if (!spendChildren(field)) return false;
    const std::string_view name = childText(field, "name");
    if (context.ignorePrefix && startsWithIgnoringCase(name, *context.ignorePrefix)) continue;
    const XMLElement* base =
        derivation_.resolveDerivedFrom(context.documentFirst, "field", true, *field);
    if (!spendChildren(base)) return false;

    SVDFieldPlan& entry = plan.fields.emplace_back();
    entry.element = field;
    entry.name = name;
    BitPosition position;
    if (const XMLElement* offset = inheritedElement(field, base, "bitOffset");
        !textOf(offset).empty()) {
      const XMLElement* width = inheritedElement(field, base, "bitWidth");
      position = {checkedSigned(textOf(offset), 0, *offset, "bitOffset"),
                  checkedSigned(textOf(width), 0, width ? *width : *field, "bitWidth")};
    } else if (const std::string_view range = inheritedText(field, base, "bitRange");
               !range.empty()) {
      position = fromBitRange(range);
    } else if (const XMLElement* lsb = inheritedElement(field, base, "lsb"); !textOf(lsb).empty()) {
      const XMLElement* msb = inheritedElement(field, base, "msb");
      position = fromMsbAndLsb(checkedSigned(textOf(msb), 10, msb ? *msb : *field, "msb"),
                               checkedSigned(textOf(lsb), 10, *lsb, "lsb"));
    }
    entry.lsb = position.lsb;
    entry.width = position.width;
    entry.start = decimalText(position.lsb);
    entry.size = decimalText(position.width);
    if (context.descriptions())
      entry.description = description(inheritedText(field, base, "description"));
    if (!readEnumeratedValues(*field, base, context, entry)) return false;
    plan.elementsPerCopy += 1 + entry.enums.size();
  }
  return true;
}

// Only a field's first <enumeratedValues> counts; a derived list is replaced by its base's.
bool SVDReader::readEnumeratedValues(const XMLElement& field, const XMLElement* fieldBase,
                                     const SVDReadContext& context, SVDFieldPlan& plan) {
  const XMLElement* own =
      SVDFile::findElementIn(field.firstChild(), firstChildOf(fieldBase), "enumeratedValues");
  if (!own) return true;
  const XMLElement* base =
      derivation_.resolveDerivedFrom(context.documentFirst, "enumeratedValues", true, *own);
  return readEnumeratedValueList(base ? *base : *own, context, plan);
}

bool SVDReader::readEnumeratedValueList(const XMLElement& values, const SVDReadContext& context,
                                        SVDFieldPlan& plan) {
  if (!spendChildren(&values)) return false;
  for (const XMLNode* node = values.firstChild(); node; node = node->nextSibling()) {
    const XMLElement* value = node->toElement();
    if (!value || value->tagName() != "enumeratedValue") continue;
    if (!spendChildren(value)) return false;
    const std::string_view name = childText(value, "name");
    std::string_view number = childText(value, "value");
    // A value without a number (a default, say) makes no element.
    if (name.empty() || number.empty()) continue;
    SVDEnumPlan& entry = plan.enums.emplace_back();
    entry.element = value;
    entry.name = name;
    entry.binary = number.front() == '#';
    if (entry.binary) number.remove_prefix(1);
    entry.value = number;
    if (context.descriptions()) entry.description = description(childText(value, "description"));
  }
  return true;
}

bool SVDReader::writeRegisterCopies(XMLElement& group, const SVDRegisterPlan& plan,
                                    const SVDNames& names, std::uint32_t baseOffset) {
  if (!budget_.spend(plan.count, plan.elementsPerCopy)) {
    passedBound(*plan.element, plan.count, plan.elementsPerCopy);
    return false;
  }
  for (std::uint32_t copy = 0; copy < plan.count; ++copy) {
    writeRegister(group, plan, names, copy, baseOffset + copy * plan.step);
    if (!withinStorage()) {
      passedBound(*plan.element, plan.count, 0);
      return false;
    }
  }
  return true;
}

void SVDReader::writeRegister(XMLElement& group, const SVDRegisterPlan& plan, const SVDNames& names,
                              std::uint32_t copy, std::uint32_t offset) {
  // Each element is made by the document of its parent: a group's content has one of its own.
  XMLElement* reg = group.document().createElement("Register");
  group.appendChild(reg);
  // Attributes are kept in name order: set from the last name down, each goes in front.
  reg->setAttribute("start", offsetText(offset + plan.addressOffset));
  reg->setAttribute("size", plan.size);
  if (!plan.resetValue.empty()) reg->setAttribute("reset_value", plan.resetValue);
  if (!plan.resetMask.empty()) reg->setAttribute("reset_mask", plan.resetMask);
  reg->setAttribute("name", registerName(plan, names, copy));
  if (plan.description) reg->setAttribute("description", *plan.description);
  reg->setAttribute("access", plan.access);

  // Only the first field's lsb is compared: a field at or below it goes in front.
  std::optional<std::int32_t> firstLsb;
  for (const SVDFieldPlan& field : plan.fields) {
    XMLElement* bitField = reg->document().createElement("BitField");
    if (!firstLsb) {
      reg->appendChild(bitField);
      firstLsb = field.lsb;
    } else if (field.lsb <= *firstLsb) {
      reg->prependChild(bitField);
    } else {
      reg->appendChild(bitField);
    }
    writeField(*bitField, field);
  }
}

// The "%s" at the plan's mark takes the copy's index.
std::string_view SVDReader::registerName(const SVDRegisterPlan& plan, const SVDNames& names,
                                         std::uint32_t copy) {
  const std::size_t mark = plan.indexMark;
  if (mark == std::string_view::npos && names.prependToName.empty() && names.appendToName.empty()) {
    return plan.name;
  }
  nameText_.assign(names.prependToName);
  if (mark == std::string_view::npos) {
    nameText_ += plan.name;
  } else {
    nameText_ += plan.name.substr(0, mark);
    plan.index.appendEntry(copy, nameText_);
    nameText_ += plan.name.substr(mark + 2);
  }
  nameText_ += names.appendToName;
  return nameText_;
}

void SVDReader::writeField(XMLElement& bitField, const SVDFieldPlan& plan) {
  bitField.setAttribute("start", plan.start);
  bitField.setAttribute("size", plan.size);
  bitField.setAttribute("name", plan.name);
  if (plan.description) bitField.setAttribute("description", *plan.description);
  for (const SVDEnumPlan& value : plan.enums) {
    XMLElement* item = bitField.document().createElement("Enum");
    bitField.appendChild(item);
    if (value.binary) {
      nameText_.assign("0b");
      nameText_ += value.value;
      item->setAttribute("start", nameText_);
    } else {
      item->setAttribute("start", value.value);
    }
    item->setAttribute("name", value.name);
    if (value.description) item->setAttribute("description", *value.description);
  }
}

}  // namespace regforge
