// The rows of the MPU group: those of every layout, then the Armv8-M layout of core types 23
// and 33 or the Armv7-M layout of every other core type.
#include "cortexm/CoreTables.h"

namespace regforge {
namespace {

// clang-format off
constexpr CoreSet kArmv8Layout = k23 | k33;
constexpr CoreSet kArmv7Layout = kAll & ~kArmv8Layout;

constexpr Row kMpuRows[] = {
    reg("MPU_TYPE", 0xE000ED90, Access::ReadOnly, "MPU Type Register"),
    field("IREGION", 16, 8, "Number of supported MPU instruction regions"),
    field("DREGION", 8, 8, "Number of supported MPU data regions"),
    field("SEPARATE", 0, 1, "Support for unified or separate instruction and date memory maps"),  // "date" deliberate
    reg("MPU_CTRL", 0xE000ED94, Access::None, "MPU Control Register"),
    field("PRIVDEFENA", 2, 1, "Enables privileged software access to the default memory map"),
    field("HFNMIENA", 1, 1, "Enable the operation of MPU during hard fault, NMI, and FAULTMASK handlers"),
    field("ENABLE", 0, 1, "Enable MPU"),
    reg("MPU_RNR", 0xE000ED98, Access::None, "MPU Region Number Register"),
    field("REGION", 0, 8, "Indicates the MPU region referenced by the MPU_RBAR and MPU_RASR registers"),
    // Armv8-M layout
    reg("MPU_RBAR", 0xE000ED9C, Access::None, "MPU Region Base Address Register", kArmv8Layout),
    field("BASE", 5, 27, "Base address", kArmv8Layout),
    field("SH", 3, 2, "Shareability", kArmv8Layout),
    field("AP", 1, 2, "Access permissions", kArmv8Layout),
    field("XN", 0, 1, "Execute never", kArmv8Layout),
    reg("MPU_RLAR", 0xE000EDA0, Access::None, "MPU Region Limit Address Register", kArmv8Layout),
    field("LIMIT", 5, 27, "Limit Address", kArmv8Layout),
    field("AttrIndx", 1, 3, "Attribute index", kArmv8Layout),
    field("EN", 0, 1, "Region enable bit", kArmv8Layout),
    repeat(0, 2, 4, 0),  // MPU_MAIR0 and MPU_MAIR1
    reg("MPU_MAIR{n}", 0xE000EDC0, Access::None, "MPU Memory Attribution Indirect Register {n}", kArmv8Layout),
    field("Attr3", 24, 8, "Attribute 3", kArmv8Layout),
    field("Attr2", 16, 8, "Attribute 2", kArmv8Layout),
    field("Attr1", 8, 8, "Attribute 1", kArmv8Layout),
    field("Attr0", 0, 8, "Attribute 0", kArmv8Layout),
    endRepeat(),
    // Armv7-M layout
    reg("MPU_RBAR", 0xE000ED9C, Access::None, "MPU Region Base Address Register", kArmv7Layout),
    field("ADDR", 5, 27, "Region base address field", kArmv7Layout),
    field("VALID", 4, 1, "MPU Region Number valid bit", kArmv7Layout),
    field("REGION", 0, 4, "MPU region field", kArmv7Layout),
    reg("MPU_RASR", 0xE000EDA0, Access::None, "MPU Region Attribute and Size Register", kArmv7Layout),
    field("XN", 28, 1, "Instruction access disable bit", kArmv7Layout),
    field("AP", 24, 3, "Access permission field", kArmv7Layout),
    field("TEX", 19, 3, "Memory access attribute", kArmv7Layout),
    field("S", 18, 1, "Shareable bit", kArmv7Layout),
    field("C", 17, 1, "Memory access attribute", kArmv7Layout),
    field("B", 16, 1, "Memory access attribute", kArmv7Layout),
    field("SRD", 8, 8, "Subregion disable bits", kArmv7Layout),
    field("SIZE", 1, 5, "MPU protection region size", kArmv7Layout),
    field("ENABLE", 0, 1, "Region enable bit", kArmv7Layout),
};
static_assert(wellFormed(kMpuRows));
// clang-format on

}  // namespace

const GroupTable kMpuTable{"MPU", 0xE000ED90, "Memory Protection Unit", kAll, kMpuRows};

}  // namespace regforge
