// The memory map of a Cortex-M device: the SVD reader's document plus the description of the
// core (type, M0+ flag, MPU, FPU, NVIC priority bits), the device's interrupt names, and the
// generators of the core's own register groups.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "memorymap/InterruptSlots.h"
#include "readers/SVDFile.h"

namespace regforge {

class CortexMSVDFile : public SVDFile {
 public:
  static constexpr int kInterruptSlots = regforge::kInterruptSlots;

  CortexMSVDFile() = default;

  /// Stores the five values of the core description, nothing else.
  void setCoreConfig(std::int32_t coreType, bool cm0Plus, std::uint32_t nvicPrioBits,
                     bool mpuPresent, bool fpuPresent);

  /// Core type and features from an SVD <cpu> element.
  void readCpu(const XMLElement& cpu) override;
  int interruptCount() const override { return kInterruptSlots; }
  /// Names slot number unless it is out of range, name is empty or the slot is named already:
  /// the first name given for an interrupt wins.
  void setInterruptName(int number, std::string_view name) override;
  /// Empties every slot, then names slot i after entry i of names (empty entries skipped).
  void setInterruptNames(const std::vector<std::string>& names);
  /// Empties every slot; maxInterrupt() keeps its value.
  void clearInterruptNames();

  std::int32_t coreType() const { return coreType_; }
  bool cm0Plus() const { return cm0Plus_; }
  bool mpuPresent() const { return mpuPresent_; }
  bool fpuPresent() const { return fpuPresent_; }
  std::uint32_t nvicPrioBits() const { return nvicPrioBits_; }
  /// Highest slot ever named, -1 while none.
  int maxInterrupt() const { return maxInterrupt_; }
  /// The name in slot index; empty for an empty slot or an index outside the table.
  std::string_view interruptName(std::int64_t index) const;

  /// The core groups the document lacks, in the order NVIC, SysTick, system control, FPU,
  /// MPU (and SAU), with non-secure twins when nonSecure is set.
  void addPpbGroups(bool nonSecure);

  // Generators: each appends its group(s) to the root element (nothing without a root).
  void addNvicGroup(std::uint32_t coreType, std::uint32_t nvicPrioBits, std::int32_t irqStart,
                    bool withDescriptions, bool nonSecure);
  void addSysTickGroup(bool nonSecure);
  void addSystemControlGroups(std::int32_t coreType, std::uint32_t nvicPrioBits, bool nonSecure);
  void addFpuGroup(std::int32_t coreType, bool nonSecure);
  void addMpuGroup(std::int32_t coreType, bool nonSecure);
  void addSauGroup(std::int32_t coreType);
  void addDebugGroup(std::int32_t coreType);

 private:
  bool hasGroup(std::string_view name);

  std::array<std::string, kInterruptSlots> interruptNames_;  // empty: no name
  int maxInterrupt_ = -1;
  std::int32_t coreType_ = 0;
  bool cm0Plus_ = false;
  bool mpuPresent_ = false;
  bool fpuPresent_ = false;
  std::uint32_t nvicPrioBits_ = 2;
  const XMLElement* generatedNvic_ = nullptr;  // the last NVIC group made here
};

}  // namespace regforge
