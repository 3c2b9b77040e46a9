// The map's tree goes through the XML writer; a finished group is copied from its stored text,
// and finished groups that follow each other are copied as one run.
#include "memorymap/MemoryMapWriter.h"

#include "memorymap/MapDocument.h"
#include "xml/XMLWriter.h"

namespace regforge {
namespace {

class MapOutput {
 public:
  MapOutput(const StoredGroups& stored, ByteSink& sink)
      : stored_(stored), sink_(sink), writer_(sink) {}

  XMLWriter& writer() {
    settle();
    return writer_;
  }
  void stored(std::uint32_t number) {
    if (pending_ && number == last_ + 1) {
      last_ = number;
      return;
    }
    settle();
    writer_.flush();  // what the writer holds comes before the stored text
    first_ = last_ = number;
    pending_ = true;
  }
  bool finish() {
    settle();
    writer_.flush();
    return copied_;
  }

 private:
  // Copies the run of stored groups that waits; called before the writer takes anything.
  void settle() {
    if (!pending_) return;
    copied_ = stored_.copyTo(sink_, first_, last_) && copied_;
    pending_ = false;
  }

  const StoredGroups& stored_;
  ByteSink& sink_;
  XMLWriter writer_;
  bool pending_ = false;
  std::uint32_t first_ = 0;
  std::uint32_t last_ = 0;
  bool copied_ = true;
};

void writeTree(const XMLNode& root, MapOutput& out) {
  walkTree(
      root, 0,
      [&out](const XMLNode& node, int level) {
        const auto* element = static_cast<const MemoryMapElement*>(node.toElement());
        if (element && element->storedText() != 0) {
          out.stored(element->storedText() - 1);
        } else if (element) {
          out.writer().startTag(*element, level);
        } else {
          out.writer().tree(node, level);
        }
      },
      [&out](const XMLElement& element, int level) { out.writer().endTag(element, level); });
}

}  // namespace

bool MemoryMapWriter::write(const XMLDocument& map, ByteSink& sink) const {
  MapOutput out(stored_, sink);
  if (map.doctype()) out.writer().doctype(*map.doctype());
  if (map.root()) writeTree(*map.root(), out);
  return out.finish();
}

}  // namespace regforge
