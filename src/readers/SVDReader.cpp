// The device and peripheral levels of the SVD reader and its interrupts.
#include "readers/SVDReader.h"

#include "readers/InputRoot.h"
#include "readers/SVDStandardReader.h"
#include "text/ByteText.h"
#include "text/Numbers.h"

namespace regforge {
namespace {

const XMLNode* firstChildOf(const XMLElement* element) {
  return element ? element->firstChild() : nullptr;
}

// "INT_" in front of an interrupt name, else "_IRQ" behind it, is not part of the name.
std::string_view trimInterruptName(std::string_view name) {
  constexpr std::string_view kPrefix = "INT_";
  constexpr std::string_view kSuffix = "_IRQ";
  if (startsWith(name, kPrefix)) return name.substr(kPrefix.size());
  if (name.size() >= kSuffix.size() && name.substr(name.size() - kSuffix.size()) == kSuffix) {
    return name.substr(0, name.size() - kSuffix.size());
  }
  return name;
}

}  // namespace

std::string SVDReader::standardReading(std::string_view text) {
  const std::optional<std::uint32_t> value = parseScaled(text);
  return value ? "; -standard reads it as " + std::to_string(*value) : std::string();
}

SVDReader::SVDReader(SVDFile& file, ReadBudget::Limits limits,
                     std::optional<std::uint32_t> arrayLimit)
    : file_(file), texts_(file.texts_), limits_(limits), budget_(limits), arrayLimit_(arrayLimit) {
  derivation_.setDiagnostics(diagnostics());
}

bool SVDReader::readDevice(const XMLDocument& document, XMLElement& root, unsigned options,
                           std::optional<std::string_view> ignorePrefix) {
  const XMLElement* device = findElement(document.root(), "device");
  if (!device) {
    const XMLElement* top = document.root() ? document.root()->toElement() : nullptr;
    const std::string reader = readerFor(top);
    problem_ = top ? "the root element is <" + std::string(top->tagName()) + ">, not <device>"
               : document.unclosed().empty() ? std::string("the file has no root element")
                                             : document.unclosed();
    if (!reader.empty()) problem_ += "; " + reader + " reads it";
    return false;
  }
  SVDReadContext context;
  context.options = options;
  context.ignorePrefix = ignorePrefix;
  context.documentFirst = document.root();
  root.setAttribute("name", childText(device, "name"));
  if (context.descriptions()) {
    if (auto text = description(childText(device, "description"))) {
      root.setAttribute("description", *text);
    }
  }
  context.width = findElement(device->firstChild(), "width");
  context.size = findElement(device->firstChild(), "size");
  context.access = findElement(device->firstChild(), "access");
  context.resetValue = childText(device, "resetValue");
  context.resetMask = childText(device, "resetMask");

  if (const XMLElement* peripherals = findElement(device->firstChild(), "peripherals")) {
    // The two rule sets part here: everything below the device is read by one of them.
    const bool read = (options & kStandard) != 0
                          ? SVDStandardReader(*this, context).readPeripherals(*peripherals, root)
                          : readPeripherals(*peripherals, root, context);
    if (!read) return false;
  } else if (warnings()) {
    const std::string reader = readerFor(device);
    warnAt(*device, "root-element", [&] {
      return "<device> has no <peripherals>; nothing is read" +
             (reader.empty() ? std::string() : "; " + reader + " reads this file");
    });
  }
  if ((options & kIgnoreCpu) == 0) {
    if (const XMLElement* cpu = findElement(device->firstChild(), "cpu")) file_.readCpu(*cpu);
  }
  return true;
}

bool SVDReader::readPeripherals(const XMLElement& peripherals, XMLElement& groupParent,
                                const SVDReadContext& context) {
  for (const XMLNode* node = peripherals.firstChild(); node; node = node->nextSibling()) {
    const XMLElement* peripheral = node->toElement();
    if (!peripheral || peripheral->tagName() != "peripheral") continue;
    if (!readPeripheral(peripherals, *peripheral, groupParent, context)) return false;
  }
  return true;
}

bool SVDReader::readPeripheral(const XMLElement& peripherals, const XMLElement& peripheral,
                               XMLElement& groupParent, const SVDReadContext& context) {
  const XMLElement* base =
      derivation_.resolveDerivedFrom(peripherals.firstChild(), "peripheral", false, peripheral);
  // A derived peripheral re-reads its base, so the reading is paid for each time.
  if (!spendChildren(&peripheral) || !spendChildren(base)) return false;
  const std::string_view name = childText(&peripheral, "name");
  const std::string_view baseAddress = childText(&peripheral, "baseAddress", true);
  if (warnings() && baseAddress.empty()) {
    warnAt(peripheral, "missing", [&] {
      return "peripheral \"" + std::string(name) + "\" has no <baseAddress>; start=\"\" written";
    });
  }
  std::optional<std::string> text;
  if (context.descriptions()) text = description(inheritedText(&peripheral, base, "description"));
  SVDNames names;
  names.prependToName = inheritedText(&peripheral, base, "prependToName");
  names.appendToName = inheritedText(&peripheral, base, "appendToName");
  names.peripheralSize = inheritedElement(&peripheral, base, "size");

  // A peripheral without <registers> of its own takes its base's whole register list.
  const XMLElement* registers =
      SVDFile::findElementIn(peripheral.firstChild(), firstChildOf(base), "registers");
  if (warnings() && !registers && !base && peripheral.attribute("derivedFrom")) {
    warnAt(peripheral, "derived-from", [&] {
      return "peripheral \"" + std::string(name) +
             "\" has no <registers> and no base to take them from: no group is written";
    });
  }
  // A derived peripheral reads its base's registers again: they are checked when the base
  // itself is read.
  const bool muted = muted_;
  muted_ = muted || (registers && registers->parent() != &peripheral);
  if (registers) {
    if (!spendChildren(registers)) return false;
    if (isAlternateClusterForm(*registers)) {
      if (!readAlternateClusters(*registers, groupParent, name, baseAddress, text, context,
                                 names)) {
        return false;
      }
    } else {
      XMLElement* group = addGroup(groupParent, name, baseAddress, text);
      bool read = false;
      {
        const GroupContent content(file_, *group);
        read = readRegisters(*registers, content.group(), context, names);
      }
      if (!read) return false;
    }
  }
  muted_ = muted;
  if ((context.options & kIgnoreInterrupts) == 0) {
    // Only a plain decimal number counts; one of 2^31 or more is out of range too.
    readInterrupts(
        peripheral, [](std::string_view value) { return parseUnsigned(value, 10); },
        "a decimal number");
  }
  return withinStorage();
}

XMLElement* SVDReader::addGroup(XMLElement& groupParent, std::string_view name,
                                std::string_view start,
                                const std::optional<std::string>& description) {
  XMLElement* group = file_.createElement("RegisterGroup");
  group->setAttribute("name", name);
  group->setAttribute("start", start);
  if (description && !description->empty()) group->setAttribute("description", *description);
  groupParent.appendChild(group);
  return group;
}

// One <interrupt> may hold several name and value pairs: each <value> after its <name>.
void SVDReader::readInterrupts(const XMLElement& peripheral, InterruptNumber readNumber,
                               std::string_view kind) {
  for (const XMLNode* node = peripheral.firstChild(); node; node = node->nextSibling()) {
    const XMLElement* interrupt = node->toElement();
    if (!interrupt || interrupt->tagName() != "interrupt") continue;
    const XMLNode* cursor = interrupt->firstChild();
    while (const XMLElement* nameElement = findElement(cursor, "name")) {
      const XMLElement* valueElement = findElement(nameElement, "value");
      const std::string_view name = elementText(*nameElement);
      const std::string_view value = valueElement ? elementText(*valueElement) : std::string_view();
      if (!name.empty() && !value.empty()) {
        const std::optional<std::uint32_t> number = readNumber(value);
        const int count = file_.interruptCount();
        if (number && count > 0 && *number < static_cast<std::uint32_t>(count)) {
          file_.setInterruptName(static_cast<int>(*number), trimInterruptName(name));
        } else if (warnings() && count > 0) {
          warnAt(*valueElement, "interrupt", [&] {
            return "interrupt \"" + std::string(name) + "\" dropped: its value \"" +
                   std::string(value) + "\" is " +
                   (number ? "not below " + std::to_string(count)
                           : "not " + std::string(kind) + standardReading(value));
          });
        }
      }
      if (!valueElement) break;
      cursor = valueElement;
    }
  }
}

std::optional<std::string> SVDReader::description(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::string formatted(text);
  file_.formatDescription(formatted);
  return formatted;
}

bool SVDReader::withinStorage() {
  if (budget_.storageFits(file_.storageCapacity())) return true;
  problem_ = "the memory map would hold more than " + withThousands(limits_.storage) + " bytes";
  return false;
}

bool SVDReader::spendChildren(const XMLElement* element) {
  std::uint64_t count = 0;
  for (const XMLNode* node = firstChildOf(element); node; node = node->nextSibling())
    ++count;
  return budget_.spend(count);
}

}  // namespace regforge
