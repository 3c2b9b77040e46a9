// The peripheral and cluster levels of the reading by the CMSIS-SVD standard: each
// peripheral is read once into a model (register plans and clusters), then written once per
// copy of the peripheral array, each cluster copy at its own offset with its name prefix.
#include "readers/SVDStandardReader.h"

#include "text/Format.h"
#include "text/Latin1Text.h"
#include "text/Numbers.h"

namespace regforge {
namespace {

// Clusters nest deeper than this only in a file made to hurt; deeper ones are left out.
constexpr int kMaxDepth = 64;

std::string quoted(std::string_view text) {
  return "\"" + simplified(text) + "\"";
}

}  // namespace

SVDStandardReader::SVDStandardReader(SVDReader& reader, const SVDReadContext& context)
    : reader_(reader), context_(context), bases_(reader.texts_, reader.budget_) {
  bases_.setDiagnostics(reader.diagnostics());
}

bool SVDStandardReader::readPeripherals(const XMLElement& peripherals, XMLElement& groupParent) {
  bases_.setPeripherals(peripherals);
  if (const XMLElement* device = peripherals.parent()) {
    device_ = inherit({}, SVDChain(device));
    width_ = ElementTexts::findElement(device->firstChild(), "width");
  }
  for (const XMLNode* node = peripherals.firstChild(); node; node = node->nextSibling()) {
    const XMLElement* peripheral = node->toElement();
    if (!peripheral || peripheral->tagName() != "peripheral") continue;
    if (!readPeripheral(*peripheral, groupParent)) return false;
  }
  return true;
}

// A peripheral takes what it does not give itself from its bases, its register blocks whole;
// interrupts are its own.
bool SVDStandardReader::readPeripheral(const XMLElement& peripheral, XMLElement& groupParent) {
  const SVDChain chain = bases_.chain(peripheral);
  if (!spendChain(chain)) return false;
  const Array array = readArray(chain);
  const Properties properties = inherit(device_, chain);
  plans_.clear();
  clusters_.clear();
  lists_.clear();
  read_.clear();
  std::vector<const XMLElement*> blocks;
  Members members;
  const bool muted = reader_.muted_;
  if (!readBlocks(chain, properties, blocks, members)) return false;
  const bool alternate = blocks.size() == 1 && reader_.isAlternateClusterForm(*blocks.front());
  if (!blocks.empty() && !writeGroups(peripheral, chain, array, groupParent, alternate, members)) {
    return false;
  }
  reader_.muted_ = muted;
  if ((context_.options & kIgnoreInterrupts) == 0)
    reader_.readInterrupts(peripheral, parseScaled, "a number");
  return reader_.withinStorage();
}

// Every <registers> block of the first of the chain that has any. A derived peripheral reads
// its base's blocks again: their warnings were given with the base.
bool SVDStandardReader::readBlocks(const SVDChain& peripheral, const Properties& properties,
                                   std::vector<const XMLElement*>& blocks, Members& members) {
  const XMLElement* source = peripheral.firstWithChild({"registers"});
  if (!source) return true;
  reader_.muted_ = reader_.muted_ || source != peripheral.own();
  for (const XMLNode* node = source->firstChild(); node; node = node->nextSibling()) {
    const XMLElement* block = node->toElement();
    if (!block || block->tagName() != "registers") continue;
    blocks.push_back(block);
    if (blocks.size() == 2 && reader_.warnings()) {
      reader_.warnAt(*block, "registers", [&] {
        return "peripheral " + quoted(reader_.childText(source, "name")) +
               " has more than one <registers>; all are read";
      });
    }
    if (!reader_.spendChildren(block) || !readMembers(*block, properties, 0, members)) return false;
  }
  return true;
}

// One group per copy of the peripheral array, or per cluster of the alternate-cluster form.
bool SVDStandardReader::writeGroups(const XMLElement& peripheral, const SVDChain& chain,
                                    const Array& array, XMLElement& groupParent, bool alternate,
                                    const Members& members) {
  const std::string_view name = reader_.childText(&peripheral, "name");
  std::string_view baseAddress;
  if (const XMLElement* base = chain.child("baseAddress")) {
    baseAddress = reader_.childText(base->parent(), "baseAddress", true);
  }
  const std::uint32_t address = array.given ? number(chain.child("baseAddress"), "baseAddress") : 0;
  std::optional<std::string> description;
  if (context_.descriptions()) description = reader_.description(text(chain, "description"));
  const std::string_view prepend = text(chain, "prependToName");
  append_ = text(chain, "appendToName");
  std::string prefix;
  // "UART[%s]" names the copies UART0, UART1...; "UART%s" as well.
  std::size_t mark = name.find("[%s]");
  const std::size_t markLength = mark != std::string_view::npos ? 4 : 2;
  if (mark == std::string_view::npos) mark = name.find("%s");
  if (!array.given) mark = std::string_view::npos;
  if (!reader_.budget_.fits(array.count, 1 + members.size())) {
    reader_.passedBound(peripheral, array.count, 1 + members.size());
    return false;
  }
  for (std::uint32_t copy = 0; copy < array.count; ++copy) {
    if (!reader_.budget_.spend(1 + members.size()) || !reader_.withinStorage()) {
      reader_.passedBound(peripheral, array.count, 1 + members.size());
      return false;
    }
    const std::string groupName(indexed(name, mark, array.index, copy, markLength));
    const std::string start =
        array.given ? hexUpper8Text(address + copy * array.step) : std::string(baseAddress);
    if (!alternate) {
      XMLElement* group = reader_.addGroup(groupParent, groupName, start, description);
      const GroupContent content(reader_.file_, *group);
      prefix.assign(prepend);
      if (!writeMembers(content.group(), members, prefix, 0, 0)) return false;
      continue;
    }
    for (const Member& member : members) {
      const std::string alternateName =
          groupName + " (" + std::string(reader_.childText(member.cluster->element, "name")) + ")";
      XMLElement* group = reader_.addGroup(groupParent, alternateName, start, description);
      const GroupContent content(reader_.file_, *group);
      prefix.assign(prepend);
      if (!writeCluster(content.group(), *member.cluster, prefix, 0, member.cluster->array.given,
                        0)) {
        return false;
      }
    }
  }
  return true;
}

bool SVDStandardReader::writeMembers(XMLElement& group, const Members& members, std::string& prefix,
                                     std::uint32_t offset, int depth) {
  for (const Member& member : members) {
    if (member.reg) {
      const SVDNames names{prefix, append_, {}};
      if (!reader_.writeRegisterCopies(group, *member.reg, names, offset)) return false;
    } else if (!writeCluster(group, *member.cluster, prefix, offset, true, depth)) {
      return false;
    }
  }
  return true;
}

// Copy i of a cluster lies at its offset plus i steps, and its registers are named after it
// ("CH0.CTRL") unless named is false (a group of the alternate-cluster form).
bool SVDStandardReader::writeCluster(XMLElement& group, const Cluster& cluster, std::string& prefix,
                                     std::uint32_t offset, bool named, int depth) {
  const std::size_t outer = prefix.size();
  const std::size_t mark = cluster.array.given ? cluster.name.find("%s") : std::string_view::npos;
  if (!reader_.budget_.fits(cluster.array.count, 1 + cluster.members->size())) {
    reader_.passedBound(*cluster.element, cluster.array.count, 1 + cluster.members->size());
    return false;
  }
  for (std::uint32_t copy = 0; copy < cluster.array.count; ++copy) {
    if (!reader_.budget_.spend(1 + cluster.members->size())) {
      reader_.passedBound(*cluster.element, cluster.array.count, 1 + cluster.members->size());
      return false;
    }
    if (named) {
      prefix += indexed(cluster.name, mark, cluster.array.index, copy);
      prefix += '.';
    }
    const std::uint32_t at = offset + cluster.offset + copy * cluster.array.step;
    if (!writeMembers(group, *cluster.members, prefix, at, depth + 1)) return false;
    prefix.resize(outer);
  }
  return true;
}

bool SVDStandardReader::readMembers(const XMLElement& source, const Properties& outer, int depth,
                                    Members& members) {
  for (const XMLNode* node = source.firstChild(); node; node = node->nextSibling()) {
    const XMLElement* element = node->toElement();
    if (!element) continue;
    if (element->tagName() == "register") {
      SVDRegisterPlan& plan = plans_.emplace_back();
      if (!makePlan(*element, outer, plan)) return false;
      if (plan.count > 0) members.push_back({&plan, nullptr});
    } else if (element->tagName() == "cluster") {
      Cluster& cluster = clusters_.emplace_back();
      if (!readCluster(*element, outer, depth + 1, cluster)) return false;
      if (cluster.array.count > 0) members.push_back({nullptr, &cluster});
    }
  }
  return true;
}

// A cluster's members are its own, else those of its nearest base that has any. A base that
// encloses the cluster would hold it again without end, so the chain stops before it.
bool SVDStandardReader::readCluster(const XMLElement& element, const Properties& outer, int depth,
                                    Cluster& cluster) {
  SVDChain chain = bases_.chain(element);
  bool enclosed = false;
  for (std::size_t i = 1; i < chain.size() && !enclosed; ++i) {
    const XMLElement* around = &element;
    while (around && around != chain[i])
      around = around->parent();
    enclosed = around != nullptr;
    if (enclosed) chain.cut(i);
  }
  if (!spendChain(chain)) return false;
  cluster.element = &element;
  cluster.name = reader_.childText(&element, "name");
  // A list is read again for every cluster that derives from it: the element is told once.
  if (enclosed && reader_.warnings() && reader_.checked_.insert(&element).second) {
    reader_.warnAt(element, "derivation-cycle", [&] {
      return "cluster " + quoted(cluster.name) +
             " derives from a cluster that holds it; nothing is taken from that base";
    });
  }
  cluster.array = readArray(chain);
  cluster.offset = number(chain.child("addressOffset"), "addressOffset");
  if (depth > kMaxDepth) {
    cluster.members = &lists_.emplace_back();
    if (reader_.warnings()) {
      reader_.warnAt(element, "cluster", [&] {
        return "cluster " + quoted(cluster.name) + " lies deeper than " +
               std::to_string(kMaxDepth) + " clusters; its registers are left out";
      });
    }
    return true;
  }
  const Source source{chain.firstWithChild({"register", "cluster"}), inherit(outer, chain)};
  if (!source.list) {
    cluster.members = &lists_.emplace_back();
    return true;
  }
  if (const auto known = read_.find(source); known != read_.end()) {
    cluster.members = known->second;
    return true;
  }
  // A list that holds, through derivation, a cluster taking that list again would never end.
  for (const XMLElement* outerList : reading_) {
    if (outerList != source.list) continue;
    if (reader_.warnings() && reader_.checked_.insert(&element).second) {
      reader_.warnAt(element, "derivation-cycle", [&] {
        return "cluster " + quoted(cluster.name) +
               " derives from a cluster that holds it; its registers are left out";
      });
    }
    cluster.members = &lists_.emplace_back();
    return true;
  }
  Members& members = lists_.emplace_back();
  reading_.push_back(source.list);
  const bool read = readMembers(*source.list, source.properties, depth, members);
  reading_.pop_back();
  cluster.members = &members;
  read_.emplace(source, &members);
  return read;
}

SVDStandardReader::Properties SVDStandardReader::inherit(const Properties& outer,
                                                         const SVDChain& level) {
  auto nearest = [&](std::string_view tag, const XMLElement* outerElement) {
    const XMLElement* own = level.child(tag);
    return own && !reader_.elementText(*own).empty() ? own : outerElement;
  };
  return {nearest("size", outer.size), nearest("access", outer.access),
          nearest("resetValue", outer.resetValue), nearest("resetMask", outer.resetMask)};
}

SVDStandardReader::Array SVDStandardReader::readArray(const SVDChain& chain) {
  Array array;
  const XMLElement* dim = chain.child("dim");
  if (!dim) return array;
  array.given = true;
  array.count = reader_.limitArray(number(dim, "dim"), *chain.own());
  array.step = number(chain.child("dimIncrement"), "dimIncrement");
  if (const XMLElement* index = chain.child("dimIndex")) {
    const std::string_view indexText = reader_.elementText(*index);
    array.index = parseStandardDimIndex(indexText, array.count);
    if (reader_.warnings() && reader_.checked_.insert(index).second) {
      reader_.checkDimIndex(*chain.own(), array.count, array.index, indexText);
    }
  }
  return array;
}

std::string_view SVDStandardReader::text(const SVDChain& chain, std::string_view tag) {
  const XMLElement* element = chain.child(tag);
  return element ? reader_.elementText(*element) : std::string_view();
}

std::string_view SVDStandardReader::textOf(const XMLElement* element) {
  return element ? reader_.elementText(*element) : std::string_view();
}

std::uint32_t SVDStandardReader::number(const XMLElement* element, std::string_view what) {
  if (!element) return 0;
  const std::string_view value = reader_.elementText(*element);
  const std::optional<std::uint32_t> number = parseScaled(value);
  // A text that many registers inherit is told once, with their count.
  if (!number && reader_.warnings() && !value.empty()) {
    reader_.warnOnceAt(*element, "number", [&] {
      return std::string(what) + " " + quoted(value) + " is not a number; 0 used";
    });
  }
  return number.value_or(0);
}

bool SVDStandardReader::spendChain(const SVDChain& chain) {
  for (std::size_t i = 0; i < chain.size(); ++i) {
    if (!reader_.spendChildren(chain[i])) return false;
  }
  return true;
}

std::string_view SVDStandardReader::indexed(std::string_view name, std::size_t mark,
                                            const DimIndex& index, std::uint32_t copy,
                                            std::size_t markLength) {
  if (mark == std::string_view::npos) return name;
  scratch_.assign(name.substr(0, mark));
  index.appendEntry(copy, scratch_);
  scratch_ += name.substr(mark + markLength);
  return scratch_;
}

}  // namespace regforge
