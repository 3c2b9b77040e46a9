// The SVD reading by the CMSIS-SVD standard's rules (-standard): scaled numbers, register
// properties inherited down every level, arrays of peripherals, clusters, registers and
// fields, clusters nested at any depth, every <registers> block and derivedFrom paths.
// It lives for one read and writes through the document that the format rules fill.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "readers/DimIndex.h"
#include "readers/SVDReader.h"
#include "readers/SVDStandardBases.h"

namespace regforge {

class SVDStandardReader {
 public:
  SVDStandardReader(SVDReader& reader, const SVDReadContext& context);

  /// Reads each <peripheral> of peripherals into groups under groupParent; false when the
  /// read passes the conversion's bounds (the file's importProblem() says which).
  bool readPeripherals(const XMLElement& peripherals, XMLElement& groupParent);

 private:
  // The <size>, <access>, <resetValue> and <resetMask> a register takes: the nearest level
  // that gives one wins. Null where no level does.
  struct Properties {
    const XMLElement* size = nullptr;
    const XMLElement* access = nullptr;
    const XMLElement* resetValue = nullptr;
    const XMLElement* resetMask = nullptr;
  };
  struct Array {
    bool given = false;  // a <dim> was there: names take their index
    std::uint32_t count = 1;
    std::uint32_t step = 0;
    DimIndex index;
  };
  struct Cluster;
  // A register's plan or a cluster, in the order of the file.
  struct Member {
    const SVDRegisterPlan* reg = nullptr;
    const Cluster* cluster = nullptr;
  };
  using Members = std::vector<Member>;
  struct Cluster {
    const XMLElement* element = nullptr;
    std::string_view name;
    std::uint32_t offset = 0;
    Array array;
    const Members* members = nullptr;
  };
  // What a cluster's members are read from: the same list under the same properties is read
  // once, however many clusters derive from it.
  struct Source {
    const XMLElement* list;
    Properties properties;
    bool operator<(const Source& other) const {
      return std::tie(list, properties.size, properties.access, properties.resetValue,
                      properties.resetMask) <
             std::tie(other.list, other.properties.size, other.properties.access,
                      other.properties.resetValue, other.properties.resetMask);
    }
  };

  bool readPeripheral(const XMLElement& peripheral, XMLElement& groupParent);
  bool readBlocks(const SVDChain& peripheral, const Properties& properties,
                  std::vector<const XMLElement*>& blocks, Members& members);
  bool writeGroups(const XMLElement& peripheral, const SVDChain& chain, const Array& array,
                   XMLElement& groupParent, bool alternate, const Members& members);
  bool writeMembers(XMLElement& group, const Members& members, std::string& prefix,
                    std::uint32_t offset, int depth);
  bool writeCluster(XMLElement& group, const Cluster& cluster, std::string& prefix,
                    std::uint32_t offset, bool named, int depth);

  // Members of clusters and <registers> blocks, read once however often they are written.
  bool readMembers(const XMLElement& source, const Properties& outer, int depth, Members& members);
  bool readCluster(const XMLElement& element, const Properties& outer, int depth, Cluster& cluster);

  // Registers, fields and enumerations (SVDStandardRegister.cpp).
  bool makePlan(const XMLElement& reg, const Properties& outer, SVDRegisterPlan& plan);
  bool readFields(const XMLElement& fields, SVDRegisterPlan& plan);
  bool readField(const XMLElement& field, SVDRegisterPlan& plan);
  bool readEnums(const SVDChain& field, SVDFieldPlan& plan);
  std::string registerSize(std::uint32_t bits, const XMLElement& reg, std::string_view name);

  Properties inherit(const Properties& outer, const SVDChain& level);
  Array readArray(const SVDChain& chain);
  std::string_view text(const SVDChain& chain, std::string_view tag);
  std::string_view textOf(const XMLElement* element);
  /// The scaled number of element's text (0 for none, with a warning for a text that is no
  /// number, pointing at element's own line).
  std::uint32_t number(const XMLElement* element, std::string_view what);
  bool spendChain(const SVDChain& chain);
  /// name with the "%s" at mark replaced by entry copy of index; views storage that lives
  /// for the read.
  std::string_view indexed(std::string_view name, std::size_t mark, const DimIndex& index,
                           std::uint32_t copy, std::size_t markLength = 2);

  SVDReader& reader_;
  const SVDReadContext& context_;
  SVDStandardBases bases_;
  Properties device_;
  const XMLElement* width_ = nullptr;  // the device's <width>
  std::string scratch_;
  std::string_view append_;  // the appendToName of the peripheral being written
  // The model of the peripheral being read.
  std::deque<SVDRegisterPlan> plans_;
  std::deque<Cluster> clusters_;
  std::deque<Members> lists_;
  std::map<Source, const Members*> read_;
  std::vector<const XMLElement*> reading_;  // the member lists being read, outermost first
};

}  // namespace regforge
