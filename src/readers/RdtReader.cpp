// The RDT reader: the CPU element of a register-definition file, and for each of its
// instances one register group filled from the instance's own register file. Every value is
// copied as text; nothing is converted.
#include "readers/RdtReader.h"

#include "readers/LeadingElements.h"
#include "text/ByteText.h"
#include "text/Latin1Text.h"

namespace regforge {
namespace {

bool isCpu(const XMLElement& element, std::string_view identifier) {
  return element.tagName() == "cpu" && element.attribute("id") == identifier;
}

// The register id without the instance prefix, and without one "_" right after it. An id
// that does not begin with the prefix keeps its whole text.
std::string_view registerName(std::string_view id, std::string_view prefix) {
  if (!startsWith(id, prefix)) return id;
  id.remove_prefix(prefix.size());
  if (!id.empty() && id.front() == '_') id.remove_prefix(1);
  return id;
}

// Only the widths 16 and 8 give a size in bytes.
std::optional<std::string_view> registerSize(std::optional<std::string_view> width) {
  if (width == "16") return "2";
  if (width == "8") return "1";
  return std::nullopt;
}

// Bit fields and enumeration entries whose id begins with "RESERVED", in any case, are
// placeholders and left out.
bool isReserved(const XMLElement& element) {
  return startsWithIgnoringCase(orEmpty(element.attribute("id")), "RESERVED");
}

// The register file of an instance, relative to the working directory: "xml", behind
// "xmlpath" and "/" when there is one. A missing "xml" counts as empty text, so the path
// names no file (or the directory itself) and the load fails with its message.
std::string registerFilePath(const XMLElement& instance) {
  const std::string_view file = orEmpty(instance.attribute("xml"));
  const std::optional<std::string_view> directory = instance.attribute("xmlpath");
  std::string path;
  if (directory) {
    path.reserve(directory->size() + 1 + file.size());
    path.append(*directory).push_back('/');
  }
  path.append(file);
  return path;
}

class RdtBuilder {
 public:
  RdtBuilder(MemoryMap& map, const RdtFileLoader& load, ReadBudget::Limits limits)
      : map_(map), load_(load), budget_(limits) {}

  std::optional<RdtLoadError> read(const XMLElement& cpu) {
    MemoryMapElement* root = map_.createMapElement("Root");
    map_.setRoot(root);
    for (const XMLElement& instance : LeadingElements(cpu)) {
      if (instance.tagName() != "instance") continue;
      if (std::optional<RdtLoadError> error = addInstance(*root, instance)) return error;
    }
    return std::nullopt;
  }

 private:
  std::optional<RdtLoadError> addInstance(XMLElement& root, const XMLElement& instance) {
    const std::optional<std::string_view> id = instance.attribute("id");
    MemoryMapElement* group = map_.addRegisterGroup(&root, orEmpty(instance.attribute("baseaddr")),
                                                    std::nullopt, orEmpty(id), std::nullopt);
    std::string path = registerFilePath(instance);
    XMLDocument registers(XMLDocument::Content::Dropped);
    const std::optional<std::uint64_t> bytes = load_(registers, path);
    if (!bytes) {
      return RdtLoadError{std::move(path), registers.errorLine(), registers.errorText(), false,
                          registers.errorDetail()};
    }
    // What one instance reads and makes is in proportion to its register file; the sums
    // over the instances are bounded.
    loaded_ += *bytes;
    if (!budget_.storageFits(loaded_)) return overBudget();
    if (const XMLElement* module = registers.root()) {
      for (const XMLElement& source : LeadingElements(*module)) {
        if (source.tagName() == "register") addRegister(*group, source, orEmpty(id));
      }
    }
    if (!budget_.storageFits(map_.storageCapacity())) return overBudget();
    return std::nullopt;
  }

  void addRegister(XMLElement& group, const XMLElement& source, std::string_view prefix) {
    // The offset as written, behind "+": a missing one leaves "+" alone.
    start_.assign(1, '+').append(orEmpty(source.attribute("offset")));
    MemoryMapElement* reg = map_.addRegister(
        &group, start_, registerSize(source.attribute("width")), std::nullopt,
        registerName(orEmpty(source.attribute("id")), prefix), source.attribute("description"));
    for (const XMLElement& field : LeadingElements(source)) {
      if (field.tagName() == "bitfield" && !isReserved(field)) addBitField(*reg, field);
    }
  }

  void addBitField(XMLElement& reg, const XMLElement& source) {
    MemoryMapElement* field =
        map_.addBitField(&reg, orEmpty(source.attribute("end")), orEmpty(source.attribute("width")),
                         orEmpty(source.attribute("id")), std::nullopt);
    for (const XMLElement& entry : LeadingElements(source)) {
      if (isReserved(entry)) continue;
      map_.addElement(field, "Enum", orEmpty(entry.attribute("value")), std::nullopt, std::nullopt,
                      orEmpty(entry.attribute("id")), std::nullopt);
    }
  }

  static RdtLoadError overBudget() {
    RdtLoadError error;
    error.overBudget = true;
    return error;
  }

  MemoryMap& map_;
  const RdtFileLoader& load_;
  ReadBudget budget_;
  std::uint64_t loaded_ = 0;  // bytes of the register files read so far
  std::string start_;         // reused for every register's start text
};

}  // namespace

const XMLElement* findCpu(const XMLNode* node, std::string_view identifier) {
  const XMLElement* start = node ? node->toElement() : nullptr;
  if (!start) return nullptr;
  // Pre-order over the leading elements of each level: a child that is not an element ends
  // its level, as if it and its following siblings weren't there.
  const XMLNode* step = start;
  while (step) {
    const XMLElement* at = step->toElement();
    if (!at) {
      step = nextInPreOrder(step->parent(), start, false);
      continue;
    }
    if (isCpu(*at, identifier)) return at;
    const XMLNode* child = at->firstChild();
    step = nextInPreOrder(at, start, child && child->isElement());
  }
  return nullptr;
}

std::optional<RdtLoadError> readRdt(MemoryMap& map, const XMLElement& cpu,
                                    const RdtFileLoader& load, ReadBudget::Limits limits) {
  return RdtBuilder(map, load, limits).read(cpu);
}

}  // namespace regforge
