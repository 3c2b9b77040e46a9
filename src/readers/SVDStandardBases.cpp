// Bases of derived elements by the CMSIS-SVD standard: plain names, dotted paths and chains.
#include "readers/SVDStandardBases.h"


namespace regforge {
namespace {

// Clusters nest deeper than this only in a file made to hurt.
constexpr int kMaxDepth = 64;

std::string key(std::string_view tag, std::string_view path) {
  std::string text(tag);
  text += ' ';
  text += path;
  return text;
}

bool endsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
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

const XMLElement* SVDChain::firstWithChild(std::string_view tag, std::string_view other) const {
  for (std::size_t i = 0; i < length_; ++i) {
    for (const XMLNode* node = links_[i]->firstChild(); node; node = node->nextSibling()) {
      const XMLElement* element = node->toElement();
      if (element && (element->tagName() == tag || element->tagName() == other)) return links_[i];
    }
  }
  return nullptr;
}

SVDChain SVDStandardBases::chain(const XMLElement& element) {
  SVDChain chain(&element);
  for (const XMLElement* current = &element; chain.size() < SVDChain::kMaxLength;) {
    const XMLElement* next = base(*current);
    if (!next) break;
    for (std::size_t i = 0; i < chain.size(); ++i) {
      if (chain[i] == next) {
        warn(*current, "the derivedFrom chain of <" + std::string(element.tagName()) +
                           "> comes back to an element it has passed; the chain stops there");
        return chain;
      }
    }
    chain.add(next);
    current = next;
  }
  return chain;
}

void SVDStandardBases::clear() {
  bases_.clear();
  pathsIndexed_ = false;
  byPath_.clear();
  bySuffix_.clear();
  paths_.clear();
}

const XMLElement* SVDStandardBases::base(const XMLElement& element) {
  const std::optional<std::string_view> reference = element.attribute("derivedFrom");
  if (!reference) return nullptr;
  if (const XMLElement* const* known = bases_.find(&element)) return *known;
  const XMLElement* found = reference->empty() ? nullptr : resolve(element, *reference);
  if (!found) {
    warn(element, "derivedFrom=\"" + std::string(*reference) + "\" names no <" +
                      std::string(element.tagName()) +
                      "> by name or path; it is read without a base, so nothing is inherited");
  }
  bases_.insert(&element, found);
  return found;
}

// A plain name is looked for among the element's siblings, then anywhere in the file; a
// dotted one is a path.
const XMLElement* SVDStandardBases::resolve(const XMLElement& element,
                                            std::string_view reference) {
  if (reference.find('.') != std::string_view::npos) return byPath(element, reference);
  const std::string_view tag = element.tagName();
  if (const XMLElement* parent = element.parent()) {
    const XMLElement* found = names_.findNamedElement(parent->firstChild(), tag, false, reference);
    if (found && found != &element) return found;
  }
  const XMLElement* found = names_.findNamedElement(first_, tag, true, reference);
  return found != &element ? found : nullptr;
}

// A path from the peripheral down ("UART0.CTRL.EN"), one within the element's own peripheral
// ("CTRL.EN"), else the first that ends as the reference does ("ctl.sms.MASTER_SELECT").
const XMLElement* SVDStandardBases::byPath(const XMLElement& element, std::string_view reference) {
  indexPaths();
  const std::string_view tag = element.tagName();
  std::string wanted = key(tag, reference);
  if (auto found = byPath_.find(wanted); found != byPath_.end()) return found->second;
  const XMLElement* peripheral = element.parent();
  while (peripheral && peripheral->tagName() != "peripheral")
    peripheral = peripheral->parent();
  if (const XMLElement* name =
          peripheral ? ElementTexts::findElement(peripheral->firstChild(), "name") : nullptr) {
    std::string local(texts_.of(*name));
    local += '.';
    local += reference;
    if (auto found = byPath_.find(key(tag, local)); found != byPath_.end()) return found->second;
  }
  auto [cached, added] = bySuffix_.try_emplace(wanted, nullptr);
  if (added && budget_.spend(paths_.size())) {
    std::string end(".");
    end += reference;
    for (const Path& path : paths_) {
      if (path.key.compare(0, tag.size() + 1, wanted, 0, tag.size() + 1) == 0 &&
          endsWith(path.key, end)) {
        cached->second = path.element;
        break;
      }
    }
  }
  return cached->second;
}

// Every element a path can name, keyed by its tag and the names from its peripheral down.
void SVDStandardBases::indexPaths() {
  if (pathsIndexed_ || !peripherals_) return;
  pathsIndexed_ = true;
  std::string path;
  for (const XMLNode* node = peripherals_->firstChild(); node; node = node->nextSibling()) {
    const XMLElement* peripheral = node->toElement();
    if (!peripheral || peripheral->tagName() != "peripheral") continue;
    const XMLElement* name = ElementTexts::findElement(peripheral->firstChild(), "name");
    if (!name) continue;
    path.assign(texts_.of(*name));
    addPath(*peripheral, path);
    for (const XMLNode* child = peripheral->firstChild(); child; child = child->nextSibling()) {
      const XMLElement* registers = child->toElement();
      if (registers && registers->tagName() == "registers") indexMembers(*registers, path, 0);
    }
  }
  // The keys stay where they are from here on, so the index can view them.
  for (const Path& entry : paths_)
    byPath_.try_emplace(entry.key, entry.element);
}

void SVDStandardBases::indexMembers(const XMLElement& container, std::string& path, int depth) {
  if (depth > kMaxDepth || !budget_.spend(1)) return;
  for (const XMLNode* node = container.firstChild(); node; node = node->nextSibling()) {
    const XMLElement* element = node->toElement();
    if (!element) continue;
    const std::string_view tag = element->tagName();
    const bool nested = tag == "cluster" || tag == "register" || tag == "fields";
    if (!nested && tag != "field" && tag != "enumeratedValues") continue;
    const std::size_t length = path.size();
    // <fields> adds nothing to a path; the others add their name.
    if (tag != "fields") {
      const XMLElement* name = ElementTexts::findElement(element->firstChild(), "name");
      if (!name) continue;
      path += '.';
      path += texts_.of(*name);
      addPath(*element, path);
    }
    if (tag != "enumeratedValues") indexMembers(*element, path, depth + 1);
    path.resize(length);
  }
}

void SVDStandardBases::addPath(const XMLElement& element, const std::string& path) {
  paths_.push_back({key(element.tagName(), path), &element});
}

void SVDStandardBases::warn(const XMLElement& element, const std::string& text) {
  if (diagnostics_ && diagnostics_->enabled())
    diagnostics_->warn("derived-from", element.line() + 1, text);
}

}  // namespace regforge
