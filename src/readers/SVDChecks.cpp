// The warnings of the SVD reader: numbers that convert to something else than they say,
// missing or unknown texts, arrays, bit fields and names that repeat in one scope.
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "readers/DimIndex.h"
#include "readers/SVDReader.h"
#include "text/ByteText.h"
#include "text/Latin1Text.h"
#include "text/Numbers.h"

namespace regforge {
namespace {

std::string quoted(std::string_view text) {
  return "\"" + simplified(text) + "\"";  // a warning stays on one line
}

// "010" read with the prefix rule is octal: worth a word when its digits say otherwise.
bool readsAsOctal(std::string_view text, int base) {
  // Only a text that starts with white space needs trimming; most start with a digit.
  if (!text.empty() && isTextSpace(text.front())) text = trimmed(text);
  return base == 0 && text.size() > 1 && text[0] == '0' && text[1] >= '1' && text[1] <= '9';
}

// Access texts that mean what the reader makes of them.
constexpr std::string_view kKnownAccess[] = {"read-only", "write-only", "read-write", "writeOnce",
                                             "read-writeOnce"};

// Read/Write is what any unknown text gets, so a read-write text in other letter case (as in
// "read-writeonce") loses nothing and needs no word.
bool meansReadWrite(std::string_view access) {
  return equalsIgnoreAsciiCase(access, "read-write") ||
         equalsIgnoreAsciiCase(access, "read-writeOnce");
}

}  // namespace

std::uint32_t SVDReader::checkedUnsigned(std::string_view text, int base, const XMLElement& where,
                                         std::string_view what) {
  const std::optional<std::uint32_t> value = parseUnsigned(text, base);
  if (warnings() && !text.empty()) {
    if (!value) {
      warnOnceAt(where, "number", [&] {
        return std::string(what) + " " + quoted(text) + " is not " +
               (base == 10 ? "a decimal number" : "a number") + "; 0 used" + standardReading(text);
      });
    } else if (readsAsOctal(text, base) && std::to_string(*value) != text) {
      warnOnceAt(where, "number", [&] {
        return std::string(what) + " " + quoted(text) +
               " is read as octal: " + std::to_string(*value) + " used" + standardReading(text);
      });
    }
  }
  return value.value_or(0);
}

std::int32_t SVDReader::checkedSigned(std::string_view text, int base, const XMLElement& where,
                                      std::string_view what) {
  const std::optional<std::int32_t> value = parseSigned(text, base);
  if (warnings() && !text.empty() && !value) {
    warnOnceAt(where, "number", [&] {
      return std::string(what) + " " + quoted(text) + " is not " +
             (base == 10 ? "a decimal number" : "a number") + "; 0 used" + standardReading(text);
    });
  }
  return value.value_or(0);
}

std::uint32_t SVDReader::limitArray(std::uint32_t count, const XMLElement& element) {
  if (!arrayLimit_ || count <= *arrayLimit_) return count;
  if (!limited_.insert(&element).second) return *arrayLimit_;
  // The option asked for this change of the output, so it is told even without -warn.
  diagnostics().notice("array-limit", element.line() + 1,
                       "<" + std::string(element.tagName()) + "> " +
                           quoted(childText(&element, "name")) + " has " + withThousands(count) +
                           " copies; the first " + withThousands(*arrayLimit_) + " are written");
  return *arrayLimit_;
}

void SVDReader::passedBound(const XMLElement& element, std::uint64_t count, std::uint64_t perCopy) {
  problemLine_ = element.line() + 1;
  const std::string bound =
      perCopy == 0
          ? "the memory map passes its bound of " + withThousands(limits_.storage) + " bytes"
          : "the conversion passes its bound of " + withThousands(limits_.steps) + " elements";
  problem_ = "<" + std::string(element.tagName()) + "> " + quoted(childText(&element, "name"));
  // One copy is no array: what grew is the number of elements that hold it (derivation).
  problem_ += count <= 1
                  ? ": " + bound + " there"
                  : " has " + withThousands(count) + " copies, and " + bound +
                        " there; -array-limit N writes only the first N copies of each array";
}

void SVDReader::checkRegister(const XMLElement& reg, const SVDRegisterPlan& plan,
                              std::string_view offset, const XMLElement* accessElement,
                              std::string_view dimIndex) {
  if (offset.empty()) {
    warnAt(reg, "missing", [&] {
      return "register " + quoted(plan.name) + " has no <addressOffset>; offset 0 used";
    });
  }
  const std::string_view access = textOf(accessElement);
  if (!access.empty() && !meansReadWrite(access) &&
      std::find(std::begin(kKnownAccess), std::end(kKnownAccess), access) ==
          std::end(kKnownAccess)) {
    // At the <access> that says it, once, however many registers take it from there.
    warnOnceAt(*accessElement, "access",
               [&] { return "access " + quoted(access) + " is not known; Read/Write used"; });
  }
  if (!dimIndex.empty()) checkDimIndex(reg, plan.count, plan.index, dimIndex);
}

void SVDReader::checkDimIndex(const XMLElement& element, std::uint32_t count, const DimIndex& index,
                              std::string_view dimIndex) {
  const std::size_t names = index.size();
  if (names == count && !index.cutShort()) return;
  warnAt(element, "dim-index", [&] {
    return "<" + std::string(element.tagName()) + "> " + quoted(childText(&element, "name")) +
           ": dim " + std::to_string(count) + " but dimIndex " + quoted(dimIndex) + " gives " +
           (index.cutShort() ? "more" : std::to_string(names)) + " names" +
           (names < count ? "; the other copies are numbered" : "; the rest unused");
  });
}

void SVDReader::checkFields(const SVDRegisterPlan& plan, std::uint32_t sizeBits,
                            std::string_view sizeHint) {
  const auto end = [](const SVDFieldPlan& field) { return std::int64_t{field.lsb} + field.width; };
  fieldOrder_.clear();
  for (const SVDFieldPlan& field : plan.fields) {
    if (field.lsb < 0 || field.width <= 0 || (sizeBits > 0 && end(field) > sizeBits)) {
      warnAt(*field.element, "bit-field", [&] {
        return "field " + quoted(field.name) + " of register " + quoted(plan.name) + " (bits " +
               field.start + " to " + std::to_string(end(field) - 1) + ") lies outside the " +
               std::to_string(sizeBits) + "-bit register" + std::string(sizeHint);
      });
    }
    if (field.width > 0) fieldOrder_.push_back(&field);
    for (const SVDEnumPlan& value : field.enums) {
      const bool binary =
          value.binary || value.value.substr(0, 2) == "0b" || value.value.substr(0, 2) == "0B";
      const std::optional<std::uint32_t> number =
          binary ? parseUnsigned(value.value.substr(value.binary ? 0 : 2), 2)
                 : parseUnsigned(value.value, 0);
      if (number && field.width > 0 && field.width < 32 && *number >> field.width != 0) {
        warnAt(value.element ? *value.element : *field.element, "enum-value", [&] {
          return "value " + quoted(value.name) + " (" + std::string(value.binary ? "#" : "") +
                 std::string(value.value) + ") does not fit the " + field.size + "-bit field " +
                 quoted(field.name);
        });
      }
    }
  }
  // By position, fields at one position in the order given (their order in plan.fields),
  // without the buffer a stable sort allocates each time.
  std::sort(fieldOrder_.begin(), fieldOrder_.end(),
            [](const SVDFieldPlan* a, const SVDFieldPlan* b) {
              return a->lsb != b->lsb ? a->lsb < b->lsb : std::less<const SVDFieldPlan*>()(a, b);
            });
  // Each field against the one reaching highest among those below it.
  const SVDFieldPlan* reach = nullptr;
  for (const SVDFieldPlan* field : fieldOrder_) {
    if (reach && field->lsb < end(*reach)) {
      warnAt(*field->element, "bit-field", [&] {
        return "field " + quoted(field->name) + " overlaps field " + quoted(reach->name) +
               " of register " + quoted(plan.name);
      });
    }
    if (!reach || end(*field) > end(*reach)) reach = field;
  }
  // Names given twice, by the names the reader took (fields have no alternate groups).
  namesInScope_.clear();
  for (const SVDFieldPlan& field : plan.fields) {
    if (field.name.empty()) continue;
    const NameInScope key{std::string_view(), field.name};
    if (const XMLElement* const* first = namesInScope_.names.find(key)) {
      warnRepeatedName(*field.element, field.name, **first);
    } else {
      namesInScope_.names.insert(key, field.element);
    }
  }
}

void SVDReader::warnRepeatedName(const XMLElement& element, std::string_view name,
                                 const XMLElement& first) {
  warnAt(element, "duplicate-name", [&] {
    std::string text = "<" + std::string(element.tagName()) + "> name " + quoted(name) +
                       " is given before, at line " + std::to_string(first.line() + 1);
    // Placeholders for unused bits repeat by design, and the option leaves them out.
    if (element.tagName() == "field" && name.size() >= 8 &&
        equalsIgnoreAsciiCase(name.substr(0, 8), "RESERVED"))
      text += "; -ignore-name RESERVED leaves out the fields whose names begin so";
    return text;
  });
}

void SVDReader::checkRepeatedNames(const XMLElement& registers) {
  namesInScope_.clear();
  for (const XMLNode* node = registers.firstChild(); node; node = node->nextSibling()) {
    if (const XMLElement* member = node->toElement()) noteName(namesInScope_, *member);
  }
}

void SVDReader::noteName(ScopeNames& scope, const XMLElement& member) {
  if (member.tagName() != "register" && member.tagName() != "cluster") return;
  // Name, alternate group and array in one walk over the children.
  const XMLElement* name = nullptr;
  const XMLElement* group = nullptr;
  const XMLElement* dim = nullptr;
  const XMLElement* dimIndex = nullptr;
  for (const XMLNode* inner = member.firstChild(); inner; inner = inner->nextSibling()) {
    const XMLElement* element = inner->toElement();
    if (!element) continue;
    const std::string_view tag = element->tagName();
    if (!name && tag == "name") {
      name = element;
    } else if (!group && tag == "alternateGroup") {
      group = element;
    } else if (!dim && tag == "dim") {
      dim = element;
    } else if (!dimIndex && tag == "dimIndex") {
      dimIndex = element;
    }
  }
  const std::string_view text = name ? elementText(*name) : std::string_view();
  if (text.empty()) return;
  const std::string_view groupText = group ? elementText(*group) : std::string_view();
  // An array is its copies' names: two arrays of one pattern whose indexes differ clash in
  // none of them.
  const std::size_t mark = text.find("%s");
  const std::optional<std::uint32_t> count =
      dim && mark != std::string_view::npos ? parseUnsigned(elementText(*dim), 0) : std::nullopt;
  if (!count || *count == 0 || *count > kComparedCopies) {
    noteOneName(scope, member, groupText, text, text);
    return;
  }
  const DimIndex index = parseDimIndex(dimIndex ? elementText(*dimIndex) : "", *count);
  for (std::uint32_t i = 0; i < *count; ++i) {
    std::string copy(text.substr(0, mark));
    index.appendEntry(i, copy);
    copy += text.substr(mark + 2);
    if (!noteOneName(scope, member, groupText, text, scope.copies.emplace_back(std::move(copy))))
      return;  // one warning for the array
  }
}

bool SVDReader::noteOneName(ScopeNames& scope, const XMLElement& member, std::string_view group,
                            std::string_view written, std::string_view name) {
  const NameInScope key{group, name};
  const XMLElement* const* first = scope.names.find(key);
  if (!first) {
    scope.names.insert(key, &member);
    return true;
  }
  if (written == name) {
    warnRepeatedName(member, name, **first);
  } else {
    warnAt(member, "duplicate-name", [&] {
      return "<" + std::string(member.tagName()) + "> " + quoted(written) + " makes " +
             quoted(name) + ", given before at line " + std::to_string((*first)->line() + 1);
    });
  }
  return false;
}

}  // namespace regforge
