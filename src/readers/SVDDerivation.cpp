// Finding the base of a derived SVD element through one name index per search scope.
#include "readers/SVDDerivation.h"

#include <optional>
#include <vector>

namespace regforge {
namespace {

const XMLNode* deepestFirstChild(const XMLNode* node) {
  while (node->firstChild())
    node = node->firstChild();
  return node;
}

// Calls visit for first, its following siblings and, when recursive, all their descendants:
// children before their parent, siblings in order. No recursion, whatever the depth.
template <class Visit>
void walkScope(const XMLNode* first, bool recursive, Visit visit) {
  if (!recursive) {
    for (const XMLNode* node = first; node; node = node->nextSibling())
      visit(*node);
    return;
  }
  const XMLElement* top = first->parent();
  const XMLNode* node = deepestFirstChild(first);
  while (node) {
    visit(*node);
    if (const XMLNode* next = node->nextSibling()) {
      node = deepestFirstChild(next);
    } else {
      const XMLElement* up = node->parent();
      node = up == top ? nullptr : up;
    }
  }
}

}  // namespace

SVDDerivation::Scope& SVDDerivation::scope(const XMLNode* scopeFirst, std::string_view tag,
                                           bool recursive) {
  // Look-ups come in runs within one scope (the registers of one peripheral): the scope
  // found last is tried before the map.
  if (last_ && std::get<0>(last_->first) == scopeFirst && std::get<2>(last_->first) == recursive &&
      std::get<1>(last_->first) == tag) {
    return last_->second;
  }
  auto [entry, added] = scopes_.try_emplace(ScopeKey(scopeFirst, tag, recursive));
  last_ = &*entry;
  Scope& found = entry->second;
  if (added && scopeFirst) {
    walkScope(scopeFirst, recursive, [&](const XMLNode& node) { addCandidate(found, node, tag); });
  }
  return found;
}

// An element of the tag is a candidate when it has a <name> child; it is known by the text
// of the first one, and the first candidate of each name wins.
void SVDDerivation::addCandidate(Scope& scope, const XMLNode& node, std::string_view tag) {
  const XMLElement* element = node.toElement();
  if (!element || element->tagName() != tag) return;
  const XMLElement* name = ElementTexts::findElement(element->firstChild(), "name");
  if (!name) return;
  scope.byName.insert(texts_.of(*name), element);
  if (!scope.firstNamed) scope.firstNamed = element;
}

const XMLElement* SVDDerivation::lookUp(const Scope& scope, std::string_view name) {
  if (name.empty()) return scope.firstNamed;
  const XMLElement* const* found = scope.byName.find(name);
  return found ? *found : nullptr;
}

const XMLElement* SVDDerivation::findNamedElement(const XMLNode* scopeFirst, std::string_view tag,
                                                  bool recursive, std::string_view name) {
  return lookUp(scope(scopeFirst, tag, recursive), name);
}

// The chain is walked once per element: every element on it gets its base remembered, so a
// later walk stops at the first element already resolved. For a chain path[0] -> ... ->
// path[k] that ends, each element's base is path[k] (path[k] itself has none). For a chain
// that comes back to path[j], the walk from an element on the loop stops on returning to it,
// so each gets the element just before it on the loop (one derived from itself gets none),
// and the elements before path[j] get path[k].
const XMLElement* SVDDerivation::resolveDerivedFrom(const XMLNode* scopeFirst, std::string_view tag,
                                                    bool recursive, const XMLElement& element) {
  if (!element.attribute("derivedFrom")) return nullptr;
  Scope& chains = scope(scopeFirst, tag, recursive);
  if (const XMLElement* const* known = chains.bases.find(&element)) return *known;

  std::vector<const XMLElement*>& path = path_;
  path.assign(1, &element);
  // Chains are short: the path is searched in place, and indexed only once it is long.
  constexpr std::size_t kShortPath = 16;
  FlatMap<const XMLElement*, std::size_t> onPath;
  auto positionOnPath = [&](const XMLElement* node) -> std::optional<std::size_t> {
    if (path.size() <= kShortPath) {
      for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == node) return i;
      }
      return std::nullopt;
    }
    for (std::size_t i = onPath.size(); i < path.size(); ++i)
      onPath.insert(path[i], i);
    const std::size_t* at = onPath.find(node);
    return at ? std::optional(*at) : std::nullopt;
  };
  auto settle = [&](std::size_t from, std::size_t to, const XMLElement* base) {
    for (std::size_t i = from; i < to; ++i)
      chains.bases.insert(path[i], base);
  };
  for (;;) {
    const XMLElement* current = path.back();
    const std::optional<std::string_view> reference = current->attribute("derivedFrom");
    const XMLElement* found = reference ? lookUp(chains, *reference) : nullptr;
    if (!found) {
      if (reference) warnUnresolved(*current, tag, *reference);
      settle(0, path.size() - 1, current);
      chains.bases.insert(current, nullptr);
      break;
    }
    if (const XMLElement* const* known = chains.bases.find(found)) {
      settle(0, path.size(), *known ? *known : found);
      break;
    }
    if (const std::optional<std::size_t> loop = positionOnPath(found)) {
      const std::size_t j = *loop;
      const std::size_t k = path.size() - 1;
      warnCycle(*path[j], tag);
      settle(0, j, current);
      chains.bases.insert(path[j], j == k ? nullptr : current);
      for (std::size_t m = j + 1; m <= k; ++m)
        chains.bases.insert(path[m], path[m - 1]);
      break;
    }
    path.push_back(found);
  }
  return *chains.bases.find(&element);
}

void SVDDerivation::warnUnresolved(const XMLElement& element, std::string_view tag,
                                   std::string_view reference) {
  if (!diagnostics_ || !diagnostics_->enabled()) return;
  // This reading looks a name up among its own kind; the standard's follows a dotted path.
  const bool dotted = reference.find('.') != std::string_view::npos;
  diagnostics_->warn("derived-from", element.line() + 1,
                     "derivedFrom=\"" + std::string(reference) + "\" names no <" +
                         std::string(tag) +
                         "> here; it is read without a base, so nothing is inherited" +
                         (dotted ? "; -standard follows dotted paths" : ""));
}

void SVDDerivation::warnCycle(const XMLElement& element, std::string_view tag) {
  if (!diagnostics_ || !diagnostics_->enabled()) return;
  const XMLElement* name = ElementTexts::findElement(element.firstChild(), "name");
  diagnostics_->warn("derivation-cycle", element.line() + 1,
                     "the derivedFrom chain of <" + std::string(tag) + "> \"" +
                         std::string(name ? texts_.of(*name) : "") +
                         "\" comes back to it; the chain stops there");
}

}  // namespace regforge
