// Clusters of the SVD reader: flattened into the peripheral's group with their name prefixes
// and offsets, read with an explicit stack however deep they nest, and the alternate-cluster
// form, in which each cluster of a peripheral becomes a group of its own.
#include <vector>

#include "readers/SVDReader.h"
#include "text/Numbers.h"

namespace regforge {
namespace {

// A <register> or <cluster> child of a cluster; a register's plan once it has been read.
struct ClusterMember {
  const XMLElement* element;
  const SVDRegisterPlan* plan;
};

// One cluster being read: its array parameters, its members and where the walk stands.
struct ClusterFrame {
  const XMLElement* cluster = nullptr;
  std::vector<ClusterMember> members;
  std::string_view name;
  DimIndex index;
  std::uint32_t count = 1;
  std::uint32_t step = 0;
  std::uint32_t addressOffset = 0;
  std::uint32_t outerOffset = 0;  // where the enclosing cluster's copy lies
  std::uint32_t copy = 0;
  std::uint32_t offset = 0;      // where this copy lies in the group
  std::size_t prefixLength = 0;  // the name prefix outside this cluster
  std::size_t next = 0;          // the member to read next
};

bool isMember(const XMLElement& element) {
  return element.tagName() == "register" || element.tagName() == "cluster";
}

}  // namespace

// The walk over a peripheral's <registers>, which the caller has paid for.
bool SVDReader::readRegisters(const XMLElement& registers, XMLElement& group,
                              const SVDReadContext& context, const SVDNames& names) {
  const bool check = warnings();
  if (check) registerNames_.clear();
  for (const XMLNode* node = registers.firstChild(); node; node = node->nextSibling()) {
    const XMLElement* member = node->toElement();
    if (!member) continue;
    if (check) noteName(registerNames_, *member);
    if (member->tagName() == "register") {
      if (!readRegister(registers, group, *member, context, names, 0)) return false;
    } else if (member->tagName() == "cluster") {
      if (!readCluster(group, *member, context, names, 0)) return false;
    }
  }
  return true;
}

// The walk over one top-level cluster and the clusters inside it, with an explicit stack:
// entering a cluster, beginning each of its copies, reading each member, leaving it.
class SVDReader::ClusterWalk {
 public:
  ClusterWalk(SVDReader& file, XMLElement& group, const SVDReadContext& context,
              const SVDNames& names)
      : file_(file),
        group_(group),
        context_(context),
        names_(names),
        prefix_(names.prependToName) {}

  bool run(const XMLElement& cluster, std::uint32_t baseOffset) {
    if (!enter(cluster, baseOffset)) return false;
    while (!stack_.empty()) {
      ClusterFrame& top = stack_.back();
      if (top.next < top.members.size()) {
        if (!readMember(top, top.members[top.next++])) return false;
      } else if (++top.copy < top.count) {
        if (!beginCopy(top)) return false;
      } else {
        prefix_.resize(top.prefixLength);
        stack_.pop_back();
      }
    }
    return true;
  }

 private:
  // Pushes a frame for inner unless it has no copies or no members.
  bool enter(const XMLElement& inner, std::uint32_t outerOffset) {
    if (!file_.spendChildren(&inner)) return false;
    ClusterFrame frame;
    frame.cluster = &inner;
    for (const XMLNode* node = inner.firstChild(); node; node = node->nextSibling()) {
      if (const XMLElement* member = node->toElement(); member && isMember(*member)) {
        frame.members.push_back({member, nullptr});
      }
    }
    // Unlike a register's, an empty <dim> means one copy.
    const XMLElement* dim = findElement(inner.firstChild(), "dim");
    const std::string_view dimText = file_.textOf(dim);
    frame.count = dimText.empty()
                      ? 1
                      : file_.limitArray(file_.checkedUnsigned(dimText, 0, *dim, "dim"), inner);
    // A cluster is entered once per copy of the clusters around it: checked the first time.
    const bool check = file_.warnings() && file_.checked_.insert(&inner).second;
    if (check) file_.checkRepeatedNames(inner);
    if (frame.count == 0 || frame.members.empty()) return true;
    if (!file_.budget_.fits(frame.count, 1 + frame.members.size())) {
      file_.passedBound(inner, frame.count, 1 + frame.members.size());
      return false;
    }
    readPlacement(inner, check, frame);
    frame.outerOffset = outerOffset;
    frame.prefixLength = prefix_.size();
    stack_.push_back(std::move(frame));
    return beginCopy(stack_.back());
  }

  // The name, offset, step and index of the cluster's copies; a number's warning points at
  // its own element.
  void readPlacement(const XMLElement& inner, bool check, ClusterFrame& frame) {
    const XMLElement* step = findElement(inner.firstChild(), "dimIncrement");
    frame.step = file_.checkedUnsigned(file_.textOf(step), 0, step ? *step : inner, "dimIncrement");
    if (const XMLElement* dimIndex = findElement(inner.firstChild(), "dimIndex")) {
      const std::string_view text = file_.elementText(*dimIndex);
      frame.index = parseDimIndex(text, frame.count);
      if (check) file_.checkDimIndex(inner, frame.count, frame.index, text);
    }
    frame.name = file_.childText(&inner, "name");
    const XMLElement* offset = findElement(inner.firstChild(), "addressOffset");
    frame.addressOffset =
        file_.checkedUnsigned(file_.textOf(offset), 0, offset ? *offset : inner, "addressOffset");
  }

  // The name prefix and offset of the frame's current copy; its members start again.
  bool beginCopy(ClusterFrame& frame) {
    if (!file_.budget_.spend(1 + frame.members.size())) return false;
    prefix_.resize(frame.prefixLength);
    const std::size_t mark = frame.name.find("%s");
    if (mark == std::string_view::npos) {
      prefix_ += frame.name;
    } else {
      prefix_ += frame.name.substr(0, mark);
      frame.index.appendEntry(frame.copy, prefix_);
      prefix_ += frame.name.substr(mark + 2);
    }
    prefix_ += '.';
    frame.offset = frame.addressOffset + frame.copy * frame.step + frame.outerOffset;
    frame.next = 0;
    return true;
  }

  // An inner cluster is entered; a register is written for the current copy, from a plan
  // made the first time it is met.
  bool readMember(const ClusterFrame& top, ClusterMember& member) {
    if (member.element->tagName() == "cluster") return enter(*member.element, top.offset);
    if (!member.plan) {
      auto [entry, added] = plans_.try_emplace(member.element);
      if (added && !file_.makeRegisterPlan(*top.cluster, *member.element, context_,
                                           names_.peripheralSize, entry->second)) {
        return false;
      }
      member.plan = &entry->second;
    }
    const SVDNames inner{prefix_, names_.appendToName, names_.peripheralSize};
    return file_.writeRegisterCopies(group_, *member.plan, inner, top.offset);
  }

  SVDReader& file_;
  XMLElement& group_;
  const SVDReadContext& context_;
  const SVDNames& names_;
  std::string prefix_;
  std::vector<ClusterFrame> stack_;
  std::unordered_map<const XMLElement*, SVDRegisterPlan> plans_;
};

// A cluster makes no element: its registers land in group, named after the cluster path
// ("OUTER.INNER.CTRL") and placed at the sum of the cluster offsets. Clusters are never
// derived. Each register is read once, however many copies the clusters around it have.
bool SVDReader::readCluster(XMLElement& group, const XMLElement& cluster,
                            const SVDReadContext& context, const SVDNames& names,
                            std::uint32_t baseOffset) {
  return ClusterWalk(*this, group, context, names).run(cluster, baseOffset);
}

// The form applies to two or more clusters and no register, every cluster after the first
// at the first's offset (same text) and naming the first as its alternate.
bool SVDReader::isAlternateClusterForm(const XMLElement& registers) {
  const XMLElement* first = nullptr;
  std::string_view firstOffset;
  std::string_view firstName;
  int clusters = 0;
  for (const XMLNode* node = registers.firstChild(); node; node = node->nextSibling()) {
    const XMLElement* member = node->toElement();
    if (!member) continue;
    if (member->tagName() == "register") return false;
    if (member->tagName() != "cluster") continue;
    ++clusters;
    if (!first) {
      first = member;
      firstOffset = childText(member, "addressOffset");
      firstName = childText(member, "name");
    } else if (childText(member, "addressOffset") != firstOffset ||
               childText(member, "alternateCluster") != firstName) {
      return false;
    }
  }
  return clusters >= 2;
}

// Each cluster becomes the group "PERIPH (CLUSTER)" at the peripheral's address, holding the
// cluster's own registers with the peripheral's name affixes. The cluster's offset, arrays
// and nested clusters play no part.
bool SVDReader::readAlternateClusters(const XMLElement& registers, XMLElement& groupParent,
                                      std::string_view peripheralName, std::string_view baseAddress,
                                      const std::optional<std::string>& description,
                                      const SVDReadContext& context, const SVDNames& names) {
  for (const XMLNode* node = registers.firstChild(); node; node = node->nextSibling()) {
    const XMLElement* cluster = node->toElement();
    if (!cluster || cluster->tagName() != "cluster") continue;
    if (!spendChildren(cluster)) return false;
    std::string name(peripheralName);
    name += " (";
    name += childText(cluster, "name");
    name += ')';
    XMLElement* group = addGroup(groupParent, name, baseAddress, description);
    bool read = true;
    {
      const GroupContent content(file_, *group);
      for (const XMLNode* child = cluster->firstChild(); read && child;
           child = child->nextSibling()) {
        const XMLElement* reg = child->toElement();
        if (reg && reg->tagName() == "register") {
          read = readRegister(*cluster, content.group(), *reg, context, names, 0);
        }
      }
    }
    if (!read) return false;
  }
  return true;
}

}  // namespace regforge
