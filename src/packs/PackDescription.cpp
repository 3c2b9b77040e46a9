// Reading a pack description: its devices, resolved level by level, with their processors,
// SVD files and headers.
#include "packs/PackDescription.h"

#include <algorithm>
#include <string_view>

namespace regforge {
namespace {

// The attributes the converter takes from a pack, by the element that carries them.
struct PackField {
  std::string_view tag;
  std::string_view attribute;
  PackValue PackProcessor::*field;
  bool isPath;
};

constexpr PackField kFields[] = {
    {"processor", "Dcore", &PackProcessor::dcore, false},
    {"processor", "Dfpu", &PackProcessor::dfpu, false},
    {"processor", "Dmpu", &PackProcessor::dmpu, false},
    {"processor", "Dtz", &PackProcessor::dtz, false},
    {"debug", "svd", &PackProcessor::svd, true},
    {"compile", "header", &PackProcessor::header, true},
};

bool carriesFields(std::string_view tag) {
  return tag == "processor" || tag == "debug" || tag == "compile";
}

// What the levels above a point have set: one entry per Pname, the first one for every
// processor (empty Pname), and the Pnames that processor elements declared.
struct LevelState {
  std::vector<PackProcessor> scopes{PackProcessor{}};
  std::vector<std::string> processorNames;
};

void setFields(PackProcessor& scope, const XMLElement& element) {
  for (const PackField& f : kFields) {
    if (f.tag != element.tagName()) continue;
    const std::optional<std::string_view> value = element.attribute(f.attribute);
    if (!value) continue;
    std::string text(*value);
    if (f.isPath) std::replace(text.begin(), text.end(), '\\', '/');
    scope.*f.field = PackValue{std::move(text), element.line() + 1};
  }
}

// An element without Pname sets its values for every processor; one with Pname for that
// processor only, which starts from what was set for every processor.
void apply(LevelState& state, const XMLElement& element, std::string_view pname) {
  if (pname.empty()) {
    for (PackProcessor& scope : state.scopes)
      setFields(scope, element);
    return;
  }
  auto scope = std::find_if(state.scopes.begin(), state.scopes.end(),
                            [&](const PackProcessor& s) { return s.pname == pname; });
  if (scope == state.scopes.end()) {
    state.scopes.push_back(state.scopes.front());
    state.scopes.back().pname = std::string(pname);
    scope = state.scopes.end() - 1;
  }
  setFields(*scope, element);
  auto& names = state.processorNames;
  if (element.tagName() == "processor" &&
      std::find(names.begin(), names.end(), pname) == names.end()) {
    names.emplace_back(pname);
  }
}

// A level's own values, wherever they stand among its children; within the level the values
// for one processor override those for every processor.
void applyLevel(LevelState& state, const XMLElement& level) {
  for (const bool named : {false, true}) {
    for (const XMLNode* n = level.firstChild(); n; n = n->nextSibling()) {
      const XMLElement* child = n->toElement();
      if (!child || !carriesFields(child->tagName())) continue;
      const std::string_view pname = child->attribute("Pname").value_or("");
      if (pname.empty() != named) apply(state, *child, pname);
    }
  }
}

PackDevice deviceOf(std::string_view name, const LevelState& state) {
  PackDevice device{std::string(name), 0, {}};
  for (const std::string& pname : state.processorNames) {
    for (const PackProcessor& scope : state.scopes) {
      if (scope.pname == pname) device.processors.push_back(scope);
    }
  }
  if (device.processors.empty()) device.processors.push_back(state.scopes.front());
  return device;
}

// The levels in their order; each holds only levels below it, so the walk is at most four deep.
enum class Level { Family, SubFamily, Device, Variant };

std::optional<Level> levelOf(std::string_view tag) {
  if (tag == "family") return Level::Family;
  if (tag == "subFamily") return Level::SubFamily;
  if (tag == "device") return Level::Device;
  if (tag == "variant") return Level::Variant;
  return std::nullopt;
}

// Walks one level; a device with variants is chosen by its variants' names only.
void collect(const XMLElement& element, Level level, LevelState state,
             std::vector<PackDevice>& devices) {
  applyLevel(state, element);
  bool hasVariants = false;
  for (const XMLNode* n = element.firstChild(); n; n = n->nextSibling()) {
    const XMLElement* child = n->toElement();
    const std::optional<Level> below = child ? levelOf(child->tagName()) : std::nullopt;
    if (!below || *below <= level || (*below == Level::Variant) != (level == Level::Device)) {
      continue;
    }
    hasVariants |= *below == Level::Variant;
    collect(*child, *below, state, devices);
  }
  if (level < Level::Device || hasVariants) return;
  const std::string_view nameAttribute = level == Level::Device ? "Dname" : "Dvariant";
  const std::string_view name = element.attribute(nameAttribute).value_or("");
  if (name.empty()) return;
  devices.push_back(deviceOf(name, state));
  devices.back().line = element.line() + 1;
}

}  // namespace

std::optional<std::vector<PackDevice>> readPackDescription(const XMLDocument& document) {
  const XMLElement* package = document.root();
  if (!package || package->tagName() != "package") return std::nullopt;
  std::vector<PackDevice> devices;
  for (const XMLNode* n = package->firstChild(); n; n = n->nextSibling()) {
    const XMLElement* child = n->toElement();
    if (!child || child->tagName() != "devices") continue;
    for (const XMLNode* f = child->firstChild(); f; f = f->nextSibling()) {
      const XMLElement* family = f->toElement();
      if (family && family->tagName() == "family") collect(*family, Level::Family, {}, devices);
    }
  }
  return devices;
}

}  // namespace regforge
