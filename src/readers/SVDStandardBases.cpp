// Bases of derived elements by the CMSIS-SVD standard: plain names, dotted paths and chains.
#include "readers/SVDStandardBases.h"

#include <algorithm>

namespace regforge {
namespace {

// The levels that a path names; <registers> and <fields> add nothing to it.
bool namesAPathLevel(std::string_view tag) {
  return tag == "peripheral" || tag == "cluster" || tag == "register" || tag == "field" ||
         tag == "enumeratedValues";
}

// Whether an element of tag container may hold elements of tag below it.
bool mayHold(std::string_view container, std::string_view tag) {
  if (container == "peripheral" || container == "registers" || container == "cluster") {
    return tag != "peripheral";
  }
  if (container == "register" || container == "fields")
    return tag == "field" || tag == "enumeratedValues";
  return container == "field" && tag == "enumeratedValues";
}

// The nearest ancestor that a path names, or null above the peripheral.
const XMLElement* namedParent(const XMLElement& element) {
  if (element.tagName() == "peripheral") return nullptr;
  const XMLElement* parent = element.parent();
  while (parent && !namesAPathLevel(parent->tagName()))
    parent = parent->parent();
  return parent;
}

}  // namespace

const XMLElement* SVDChain::child(std::string_view tag) const {
  for (std::size_t i = 0; i < length_; ++i) {
    if (const XMLElement* found = ElementTexts::findElement(links_[i]->firstChild(), tag)) {
      return found;
    }
  }
  return nullptr;
}

const XMLElement* SVDChain::firstWithChild(std::initializer_list<std::string_view> tags) const {
  for (std::size_t i = 0; i < length_; ++i) {
    for (const XMLNode* node = links_[i]->firstChild(); node; node = node->nextSibling()) {
      const XMLElement* element = node->toElement();
      if (!element) continue;
      for (const std::string_view tag : tags) {
        if (element->tagName() == tag) return links_[i];
      }
    }
  }
  return nullptr;
}

SVDChain SVDStandardBases::chain(const XMLElement& element) {
  SVDChain chain(&element);
  for (const XMLElement* current = &element;;) {
    const XMLElement* next = base(*current);
    if (!next) break;
    for (std::size_t i = 0; i < chain.size(); ++i) {
      if (chain[i] == next) {
        warn(*current, "the derivedFrom chain of <" + std::string(element.tagName()) +
                           "> comes back to an element it has passed; the chain stops there");
        return chain;
      }
    }
    if (chain.size() == SVDChain::kMaxLength) {
      warn(element, "the derivedFrom chain of <" + std::string(element.tagName()) +
                        "> is longer than " + std::to_string(SVDChain::kMaxLength) +
                        " elements; the bases past that are not read");
      break;
    }
    chain.add(next);
    current = next;
  }
  return chain;
}

const XMLElement* SVDStandardBases::base(const XMLElement& element) {
  const std::optional<std::string_view> reference = element.attribute("derivedFrom");
  if (!reference) return nullptr;
  if (const XMLElement* const* known = bases_.find(&element)) return *known;
  const XMLElement* found = reference->empty() ? nullptr : resolve(element, *reference);
  if (!found) {
    const bool itself = *reference == nameOf(element);
    warn(element, "derivedFrom=\"" + std::string(*reference) + "\" names " +
                      (itself ? "the element itself"
                              : "no <" + std::string(element.tagName()) + "> by name or path") +
                      "; it is read without a base, so nothing is inherited");
  }
  bases_.insert(&element, found);
  return found;
}

// A plain name is looked for among the element's siblings, then anywhere below
// <peripherals>; a dotted one is a path.
const XMLElement* SVDStandardBases::resolve(const XMLElement& element, std::string_view reference) {
  if (reference.find('.') != std::string_view::npos) return byPath(element, reference);
  TagIndex& tagIndex = index(element.tagName());
  // Of a name given once, the one element is the sibling if any is.
  if (tagIndex.repeated.find(reference)) {
    if (tagIndex.bySibling.size() == 0) {
      for (const Named& entry : all(tagIndex))
        tagIndex.bySibling.insert({entry.second->parent(), entry.first}, entry.second);
    }
    if (const XMLElement* const* found = tagIndex.bySibling.find({element.parent(), reference});
        found && *found != &element) {
      return *found;
    }
  }
  const XMLElement* const* found = tagIndex.first.find(reference);
  return found && *found != &element ? *found : nullptr;
}

// A path from the peripheral down ("UART0.CTRL.EN"), one within the element's own peripheral
// ("CTRL.EN"), else the first that ends as the reference does ("ctl.sms.MASTER_SELECT"). The
// candidates are the elements named as the path ends; each is matched upwards, name by name.
const XMLElement* SVDStandardBases::byPath(const XMLElement& element, std::string_view reference) {
  std::vector<std::string_view> parts;
  for (std::size_t begin = 0; begin <= reference.size();) {
    const std::size_t dot = std::min(reference.find('.', begin), reference.size());
    parts.push_back(reference.substr(begin, dot - begin));
    begin = dot + 1;
  }
  const XMLElement* ownPeripheral = &element;
  while (ownPeripheral && ownPeripheral->tagName() != "peripheral")
    ownPeripheral = namedParent(*ownPeripheral);
  const XMLElement* local = nullptr;
  const XMLElement* suffix = nullptr;
  TagIndex& tagIndex = index(element.tagName());
  if (tagIndex.byName.empty() && !all(tagIndex).empty()) {
    tagIndex.byName = tagIndex.all;
    std::stable_sort(tagIndex.byName.begin(), tagIndex.byName.end(),
                     [](const Named& a, const Named& b) { return a.first < b.first; });
  }
  const auto [first, end] = named(tagIndex, parts.back());
  if (!budget_.spend(static_cast<std::uint64_t>(end - first))) return nullptr;
  for (const Named* at = first; at != end; ++at) {
    if (at->second == &element) continue;  // an element is never its own base
    // The last part names the candidate; the parts before it name its named ancestors.
    const XMLElement* above = at->second;
    std::size_t matched = 1;
    for (; matched < parts.size(); ++matched) {
      above = namedParent(*above);
      if (!above || nameOf(*above) != parts[parts.size() - 1 - matched]) break;
    }
    if (matched < parts.size()) continue;
    const XMLElement* next = namedParent(*above);
    if (!next) return at->second;
    if (!local && next == ownPeripheral) local = at->second;
    if (!suffix) suffix = at->second;
  }
  return local ? local : suffix;
}

SVDStandardBases::TagIndex& SVDStandardBases::index(std::string_view tag) {
  const std::size_t slot = std::find(std::begin(kTags), std::end(kTags), tag) - std::begin(kTags);
  bool added = false;
  TagIndex* found = nullptr;
  if (slot < std::size(kTags)) {
    found = &indexes_[slot];
    added = !built_[slot];
    built_[slot] = true;
    found->tag = kTags[slot];
  } else {
    auto entry = otherIndexes_.try_emplace(std::string(tag));
    found = &entry.first->second;
    added = entry.second;
    found->tag = entry.first->first;
  }
  TagIndex& tagIndex = *found;
  if (!added || !peripherals_) return tagIndex;
  walk(tag, [&](std::string_view name, const XMLElement* element) {
    if (tagIndex.first.find(name)) {
      tagIndex.repeated.insert(name, true);
    } else {
      tagIndex.first.insert(name, element);
    }
  });
  return tagIndex;
}

const std::vector<SVDStandardBases::Named>& SVDStandardBases::all(TagIndex& index) {
  if (index.all.empty() && index.first.size() > 0) {
    index.all.reserve(index.first.size());
    walk(index.tag, [&](std::string_view name, const XMLElement* element) {
      index.all.emplace_back(name, element);
    });
  }
  return index.all;
}

template <class Visit>
void SVDStandardBases::walk(std::string_view tag, const Visit& visit) {
  const XMLNode* node = peripherals_->firstChild();
  while (node && budget_.spend(1)) {
    const XMLElement* element = node->toElement();
    if (element && element->tagName() == tag &&
        ElementTexts::findElement(element->firstChild(), "name")) {
      visit(nameOf(*element), element);
    }
    if (element && element->firstChild() && mayHold(element->tagName(), tag)) {
      node = element->firstChild();
      continue;
    }
    while (node && !node->nextSibling()) {
      node = node->parent();
      if (node == peripherals_) node = nullptr;
    }
    if (node) node = node->nextSibling();
  }
}

std::pair<const SVDStandardBases::Named*, const SVDStandardBases::Named*> SVDStandardBases::named(
    const TagIndex& index, std::string_view name) {
  const auto [first, end] =
      std::equal_range(index.byName.begin(), index.byName.end(), Named{name, nullptr},
                       [](const Named& a, const Named& b) { return a.first < b.first; });
  return {index.byName.data() + (first - index.byName.begin()),
          index.byName.data() + (end - index.byName.begin())};
}

std::string_view SVDStandardBases::nameOf(const XMLElement& element) {
  const XMLElement* name = ElementTexts::findElement(element.firstChild(), "name");
  return name ? texts_.of(*name) : std::string_view();
}

// One warning per element, however often its chain is asked for: a peripheral's registers are
// read again for every peripheral that derives from it.
void SVDStandardBases::warn(const XMLElement& element, const std::string& text) {
  if (!diagnostics_ || !diagnostics_->enabled() || warned_.find(&element)) return;
  warned_.insert(&element, true);
  diagnostics_->warn("derived-from", element.line() + 1, text);
}

}  // namespace regforge
