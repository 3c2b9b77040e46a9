// The DDF reader: register and bit-field lines define registers, group lines place the
// registers they name into groups. Only placed registers reach the memory map.
#include "readers/DdfReader.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "readers/DdfLine.h"
#include "text/ByteText.h"
#include "text/Format.h"
#include "text/Numbers.h"
#include "text/TextLines.h"

namespace regforge {
namespace {

// Lines are read in pieces of at most this many bytes, terminator included.
constexpr int kLineBuffer = 32768;

constexpr std::string_view kBitMask = "bitMask=";
constexpr std::string_view kBitRange = "bitRange=";

// Decimal text of a 32-bit value read as a signed number.

struct FieldBits {
  std::uint32_t start;
  std::uint32_t size;
};

// The value behind a fixed number of characters of a token, taken as a C string that ends
// with the token.
std::string valueText(std::string_view token, std::size_t skip) {
  return std::string(token.substr(skip));
}

// "bitMask=": the lowest set bit and the number of set bits (a mask with gaps gives its
// population count). A mask without bits gives nothing.
std::optional<FieldBits> bitsOfMask(std::string_view token) {
  const std::uint32_t mask = cNumber(valueText(token, kBitMask.size()).c_str());
  if (mask == 0) return std::nullopt;
  return FieldBits{static_cast<std::uint32_t>(__builtin_ctz(mask)),
                   static_cast<std::uint32_t>(__builtin_popcount(mask))};
}

// "bitRange=low" or "bitRange=low-high", decimal. An empty range gives nothing, and so does
// one whose high end lies below its low end, whose size would wrap around.
std::optional<FieldBits> bitsOfRange(std::string_view token) {
  const std::string text = valueText(token, kBitRange.size());
  const char* end = nullptr;
  const auto low = static_cast<std::uint32_t>(cStrtoul(text.c_str(), &end, 10));
  if (*end != '-') return FieldBits{low, 1};
  const auto high = static_cast<std::uint32_t>(cStrtoul(end + 1, nullptr, 10));
  const std::uint32_t size = high - low + 1;
  if (size == 0 || high < low) return std::nullopt;
  return FieldBits{low, size};
}

std::optional<FieldBits> bitsOfToken(std::string_view token) {
  if (contains(token, kBitMask)) return bitsOfMask(token);
  if (contains(token, kBitRange)) return bitsOfRange(token);
  return std::nullopt;
}

class DdfBuilder {
 public:
  explicit DdfBuilder(MemoryMap& map) : map_(map), root_(map.createMapElement("Root")) {
    map_.setRoot(root_);
  }

  void readLine(std::string_view line) {
    const DdfLineKind kind = classifyDdfLine(line);
    if (kind == DdfLineKind::Skipped) return;
    tokenizeDdfLine(line.substr(ddfTokenStart(kind)), tokens_);
    if (tokens_.empty()) return;
    if (kind == DdfLineKind::Group) {
      addGroup();
    } else if (contains(tokens_[0], ".")) {
      addBitField();
    } else {
      addRegister();
    }
  }

 private:
  // A register that a group line can name: listed with a start and a size.
  struct ListedRegister {
    MemoryMapElement* element;
    std::uint32_t start;
  };

  // NAME, Memory|Register, start, size: the register is listed only when all four are there,
  // but it becomes the current register for the bit-field lines after it in any case.
  void addRegister() {
    current_ = map_.createMapElement("Register");
    current_->setName(tokens_[0]);
    if (tokens_.size() < 3 || (tokens_[1] != "Memory" && tokens_[1] != "Register")) return;
    current_->setStart(tokens_[2]);
    if (tokens_.size() < 4) return;
    current_->setAttribute("size", tokens_[3]);
    const std::string_view name = *current_->attribute("name");
    listed_.push_back({current_, cNumber(std::string(tokens_[2]).c_str())});
    byName_.emplace(name, listed_.size() - 1);  // the first register of a name is the one found
  }

  // REGISTER.FIELD with bitMask= or bitRange= tokens. The field joins the current register at
  // its first usable token; later ones only change its start and size. A field before any
  // register line has no register to join and is left out.
  void addBitField() {
    if (!current_) return;
    const std::string_view name = tokens_[0].substr(tokens_[0].find('.') + 1);
    MemoryMapElement* field = nullptr;
    for (const std::string_view token : tokens_) {
      const std::optional<FieldBits> bits = bitsOfToken(token);
      if (!bits) continue;
      if (!field) {
        field = map_.createMapElement("BitField");
        field->setName(name);
        current_->appendChild(field);
      }
      field->setStart(decimalText(static_cast<std::int32_t>(bits->start)));
      field->setAttribute("size", decimalText(static_cast<std::int32_t>(bits->size)));
    }
  }

  // NAME, REGISTER...: the group starts at the lowest start of the registers placed in it.
  // A register already placed by an earlier mention stays there; a later mention is passed
  // over like an unknown name and does not count for the start.
  void addGroup() {
    MemoryMapElement* group = map_.createMapElement("RegisterGroup");
    group->setName(tokens_[0]);
    root_->appendChild(group);
    std::uint32_t lowest = UINT32_MAX;
    for (std::size_t i = 1; i < tokens_.size(); ++i) {
      const auto found = byName_.find(tokens_[i]);
      if (found == byName_.end()) continue;
      const ListedRegister& reg = listed_[found->second];
      if (reg.element->parent()) continue;
      group->appendChild(reg.element);
      if (reg.start < lowest) lowest = reg.start;
    }
    group->setStart(hexLowerText(lowest));
  }

  MemoryMap& map_;
  MemoryMapElement* root_;
  MemoryMapElement* current_ = nullptr;  // made by the latest register line
  std::vector<ListedRegister> listed_;
  std::unordered_map<std::string_view, std::size_t> byName_;  // names stored by the map
  std::vector<std::string_view> tokens_;
};

}  // namespace

void readDdf(std::string_view text, MemoryMap& map) {
  DdfBuilder builder(map);
  // A line longer than the buffer arrives in pieces, and each piece counts as a line; a NUL
  // byte ends the line's text early.
  TextLines lines(text, kLineBuffer);
  while (const std::optional<std::string_view> line = lines.next())
    builder.readLine(*line);
}

}  // namespace regforge
