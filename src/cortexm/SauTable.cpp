// The rows of the SAU group, the same for every core type.
#include "cortexm/CoreTables.h"

namespace regforge {
namespace {

// clang-format off
constexpr Row kSauRows[] = {
    reg("SAU_CTRL", 0xE000EDD0, Access::None, "SAU Control Register"),
    field("ALLNS", 1, 1, "All Non-secure"),
    field("ENABLE", 0, 1, "SAU enable bit"),
    reg("SAU_TYPE", 0xE000EDD4, Access::None, "SAU Type Register"),
    field("SREGION", 0, 8, "SAU regions"),
    reg("SAU_RNR", 0xE000EDD8, Access::None, "SAU Region Number Register"),
    field("REGION", 0, 8, "Region number"),
    reg("SAU_RBAR", 0xE000EDDC, Access::None, "SAU Region Base Address Register"),
    field("BADDR", 5, 27, "Base address"),
    reg("SAU_RLAR", 0xE000EDE0, Access::None, "SAU Region Limit Address Register"),
    field("LADDR", 5, 27, "Limit address"),
    field("NSC", 1, 1, "Non-secure callable"),
    field("ENABLE", 0, 1, "SAU enable bit"),
    reg("SFSR", 0xE000EDE4, Access::None, "Secure Fault Status Register"),
    field("LSERR", 7, 1, "Lazy state error flag"),
    field("SFARVALID", 6, 1, "Secure fault address valid"),
    field("LSPERR", 5, 1, "Lazy state preservation error flag"),
    field("INVTRAN", 4, 1, "Invalid transition flag"),
    field("AUVIOL", 3, 1, "Attribution unit violation flag"),
    field("INVER", 2, 1, "Invalid exception return flag"),
    field("INVIS", 1, 1, "Invalid integrity signature flag"),
    field("INVEP", 0, 1, "Invalid entry point"),
    reg("SFAR", 0xE000EDE8, Access::None, "Secure Fault Address Register"),
};
static_assert(wellFormed(kSauRows));
// clang-format on

}  // namespace

const GroupTable kSauTable{"SAU", 0xE000EDD0, "Security Attribution Unit", kAll, kSauRows};

}  // namespace regforge
