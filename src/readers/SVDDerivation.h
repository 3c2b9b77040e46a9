// How a derived SVD element ("derivedFrom") finds its base element, with one name index per
// search scope so that no look-up rescans the input document.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "memorymap/Diagnostics.h"
#include "readers/ElementTexts.h"
#include "readers/FlatMap.h"
#include "xml/XMLElement.h"

namespace regforge {

/// Name look-ups over the input document, built lazily per scope and kept until clear().
class SVDDerivation {
 public:
  /// Element texts come from texts.
  explicit SVDDerivation(ElementTexts& texts) : texts_(texts) {}

  /// The first element, among scopeFirst and its following siblings (and, when recursive,
  /// their descendants, each node's descendants before the node itself), whose tag is tag and
  /// whose first <name> child has exactly the text name. An empty name matches the first such
  /// element with any <name> child. Null when nothing matches.
  const XMLElement* findNamedElement(const XMLNode* scopeFirst, std::string_view tag,
                                     bool recursive, std::string_view name);

  /// The last element of element's derivation chain in that scope, or null when element is
  /// not derived or its reference names nothing. A chain that comes back to an element it
  /// has visited stops there, keeping the last element found before.
  const XMLElement* resolveDerivedFrom(const XMLNode* scopeFirst, std::string_view tag,
                                       bool recursive, const XMLElement& element);

  /// Forgets every index; needed before the input document goes away.
  void clear() {
    scopes_.clear();
    last_ = nullptr;
  }
  /// Where a reference that names nothing, or a chain that comes back, is reported.
  void setDiagnostics(Diagnostics& diagnostics) { diagnostics_ = &diagnostics; }

 private:
  struct Scope {
    FlatMap<std::string_view, const XMLElement*> byName;  // first match per name
    const XMLElement* firstNamed = nullptr;               // what an empty reference finds
    FlatMap<const XMLElement*, const XMLElement*> bases;  // resolved chains
  };
  using ScopeKey = std::tuple<const XMLNode*, std::string, bool>;

  Scope& scope(const XMLNode* scopeFirst, std::string_view tag, bool recursive);
  void addCandidate(Scope& scope, const XMLNode& node, std::string_view tag);
  static const XMLElement* lookUp(const Scope& scope, std::string_view name);
  void warnUnresolved(const XMLElement& element, std::string_view tag, std::string_view reference);
  void warnCycle(const XMLElement& element, std::string_view tag);

  ElementTexts& texts_;
  Diagnostics* diagnostics_ = nullptr;
  std::map<ScopeKey, Scope> scopes_;
  std::pair<const ScopeKey, Scope>* last_ = nullptr;  // the scope looked up last
  std::vector<const XMLElement*> path_;               // the chain being resolved
};

}  // namespace regforge
