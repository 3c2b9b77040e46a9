// The register, field and enumeration levels of the reading by the CMSIS-SVD standard: one
// plan per register, its properties inherited from every level around it, field arrays
// written out as fields of their own.
#include "readers/SVDStandardReader.h"
#include "text/ByteText.h"
#include "text/Format.h"
#include "text/Latin1Text.h"
#include "text/Numbers.h"

namespace regforge {
namespace {

std::string quoted(std::string_view text) {
  return "\"" + simplified(text) + "\"";
}

struct BitPosition {
  std::uint32_t lsb = 0;
  std::uint32_t width = 0;
};

}  // namespace

bool SVDStandardReader::makePlan(const XMLElement& reg, const Properties& outer,
                                 SVDRegisterPlan& plan) {
  const SVDChain chain = bases_.chain(reg);
  if (!spendChain(chain)) return false;
  plan.element = &reg;
  const Array array = readArray(chain);
  plan.count = array.count;
  plan.step = array.step;
  plan.index = array.index;
  if (plan.count == 0) return true;
  plan.name = reader_.childText(&reg, "name");
  if (array.given) plan.indexMark = plan.name.find("%s");
  const Properties properties = inherit(outer, chain);
  const XMLElement* offset = chain.child("addressOffset");
  plan.addressOffset = number(offset, "addressOffset");
  // Without a size anywhere, the device's bus width is the register's.
  const std::uint32_t bits = number(properties.size ? properties.size : width_, "size");
  plan.size = registerSize(bits, reg, plan.name);
  const std::string_view access = textOf(properties.access);
  plan.access = text(chain, "readAction").empty() ? accessName(access) : "None";
  if (context_.descriptions()) plan.description = reader_.description(text(chain, "description"));
  plan.resetValue = textOf(properties.resetValue);
  plan.resetMask = textOf(properties.resetMask);
  if (const XMLElement* fields = chain.child("fields"); fields && !readFields(*fields, plan)) {
    return false;
  }
  // A register read again for a derived peripheral or cluster was checked the first time.
  if (reader_.warnings() && reader_.checked_.insert(&reg).second) {
    reader_.checkRegister(reg, plan, offset ? reader_.elementText(*offset) : std::string_view(),
                          properties.access, {});
    const bool inBytes = (context_.options & kRegisterSizeInBytes) != 0;
    reader_.checkFields(plan, inBytes ? bits * 8 : bits);
  }
  return true;
}

bool SVDStandardReader::readFields(const XMLElement& fields, SVDRegisterPlan& plan) {
  if (!reader_.spendChildren(&fields)) return false;
  for (const XMLNode* node = fields.firstChild(); node; node = node->nextSibling()) {
    const XMLElement* field = node->toElement();
    if (field && field->tagName() == "field" && !readField(*field, plan)) return false;
  }
  return true;
}

// Fields named "reserved" are no fields; a field array becomes one field per copy, copy i
// at lsb + i x dimIncrement.
bool SVDStandardReader::readField(const XMLElement& field, SVDRegisterPlan& plan) {
  if (!reader_.spendChildren(&field)) return false;
  const std::string_view name = reader_.childText(&field, "name");
  if (context_.ignorePrefix && startsWithIgnoringCase(name, *context_.ignorePrefix)) return true;
  if (equalsIgnoreAsciiCase(name, "reserved")) return true;
  const SVDChain chain = bases_.chain(field);
  if (!spendChain(chain)) return false;
  // The field is placed in the form of the nearest link that places it at all: a bitRange of
  // its own wins over a bitOffset of its base.
  const SVDChain placing(chain.derived() ? chain.firstWithChild({"bitOffset", "bitRange", "lsb"})
                                         : chain.own());
  BitPosition position;
  if (const XMLElement* offset = placing.child("bitOffset")) {
    position = {number(offset, "bitOffset"), number(chain.child("bitWidth"), "bitWidth")};
  } else if (const XMLElement* range = placing.child("bitRange")) {
    // "[msb:lsb]"
    std::string_view inner = trimmed(reader_.elementText(*range));
    if (!inner.empty() && inner.front() == '[') inner.remove_prefix(1);
    if (!inner.empty() && inner.back() == ']') inner.remove_suffix(1);
    const std::size_t colon = std::min(inner.find(':'), inner.size());
    const std::optional<std::uint32_t> msb = parseScaled(inner.substr(0, colon));
    const std::optional<std::uint32_t> lsb =
        parseScaled(colon < inner.size() ? inner.substr(colon + 1) : std::string_view());
    if ((!msb || !lsb) && reader_.warnings()) {
      reader_.warnOnceAt(*range, "number", [&] {
        return "bitRange " + quoted(reader_.elementText(*range)) + " is not [msb:lsb]; 0 used";
      });
    }
    position = {lsb.value_or(0), msb.value_or(0) - lsb.value_or(0) + 1};
  } else if (const XMLElement* lsb = placing.child("lsb")) {
    position.lsb = number(lsb, "lsb");
    position.width = number(chain.child("msb"), "msb") - position.lsb + 1;
  }
  const Array array = readArray(chain);
  std::optional<std::string> description;
  if (context_.descriptions()) description = reader_.description(text(chain, "description"));
  SVDFieldPlan model;
  model.element = &field;
  model.description = description;
  if (!readEnums(chain, model)) return false;
  const std::size_t mark = array.given ? name.find("%s") : std::string_view::npos;
  if (array.count > 1) plan.fields.reserve(plan.fields.size() + array.count);
  for (std::uint32_t copy = 0; copy < array.count; ++copy) {
    // The last copy takes the model itself.
    SVDFieldPlan& entry = copy + 1 < array.count ? plan.fields.emplace_back(model)
                                                 : plan.fields.emplace_back(std::move(model));
    entry.name = mark == std::string_view::npos
                     ? name
                     : reader_.texts_.keep(indexed(name, mark, array.index, copy));
    const std::uint32_t lsb = position.lsb + copy * array.step;
    entry.lsb = static_cast<std::int32_t>(lsb);
    entry.width = static_cast<std::int32_t>(position.width);
    entry.start = decimalText(lsb);
    entry.size = decimalText(static_cast<std::int32_t>(position.width));
    plan.elementsPerCopy += 1 + entry.enums.size();
  }
  return true;
}

// A field's first <enumeratedValues>, own or inherited; a derived one takes the values of
// the nearest of its bases that has any.
bool SVDStandardReader::readEnums(const SVDChain& field, SVDFieldPlan& plan) {
  const XMLElement* own = field.child("enumeratedValues");
  if (!own) return true;
  const SVDChain chain = bases_.chain(*own);
  const XMLElement* values = chain.firstWithChild({"enumeratedValue"});
  return !values || reader_.readEnumeratedValueList(*values, context_, plan);
}

// Bytes are the output's unit: a register of 1 to 7 bits takes one byte, and any size is
// rounded up to whole bytes.
std::string SVDStandardReader::registerSize(std::uint32_t bits, const XMLElement& reg,
                                            std::string_view name) {
  if ((context_.options & kRegisterSizeInBytes) != 0) return decimalText(bits);
  if (bits % 8 != 0 && reader_.warnings()) {
    reader_.warnAt(reg, "size", [&] {
      const std::uint64_t bytes = (std::uint64_t{bits} + 7) / 8;
      return "register " + quoted(name) + " is " + std::to_string(bits) + " bit" +
             (bits == 1 ? "" : "s") + " wide; written as " + std::to_string(bytes) + " byte" +
             (bytes == 1 ? "" : "s");
    });
  }
  return decimalText((std::uint64_t{bits} + 7) / 8);
}

}  // namespace regforge
