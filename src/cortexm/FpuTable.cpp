// The rows of the FPU group; they differ for core types 33 and 55 only.
#include "cortexm/CoreTables.h"

namespace regforge {
namespace {

// clang-format off
constexpr Row kFpuRows[] = {
    reg("FPCCR", 0xE000EF34, Access::None, "Floating-point Context Control Register", kAll),
    field("ASPEN", 31, 1, "Automatic state preservation enable", kAll),
    field("LSPEN", 30, 1, "Lazy state preservation enable", kAll),
    field("LSPENS", 29, 1, "Lazy state preservation enable Secure only", k33 | k55),
    field("CLRONRET", 28, 1, "Clear on return", k33 | k55),
    field("CLRONRETS", 27, 1, "Clear on return Secure only", k33 | k55),
    field("TS", 26, 1, "Treat as Secure", k33 | k55),
    field("UFRDY", 10, 1, "UsageFault ready", k33 | k55),
    field("SPLIMVIOL", 9, 1, "Stack pointer limit violation", k33 | k55),
    field("MONRDY", 8, 1, "DebugMonitor ready", kAll),
    field("SFRDY", 7, 1, "SecureFault ready", k33 | k55),
    field("BFRDY", 6, 1, "BusFault ready", kAll),
    field("MMRDY", 5, 1, "MemManage ready", kAll),
    field("HFRDY", 4, 1, "HardFault ready", kAll),
    field("THREAD", 3, 1, "Thread Mode", kAll),
    field("S", 2, 1, "Security", k33 | k55),
    field("USER", 1, 1, "User privilege", kAll),
    field("LSPACT", 0, 1, "Lazy state preservation active", kAll),
    reg("FPCAR", 0xE000EF38, Access::None, "Floating-point Context Address Register", kAll),
    field("ADDRESSS", 3, 29, "The location of the unpopulated floating-point register space allocated on an exception stack frame", kAll),  // "ADDRESSS" deliberate
    reg("FPDSCR", 0xE000EF3C, Access::None, "Floating-point Default Status Control Register", kAll),
    field("AHP", 26, 1, "Alternative half-precision control bit", kAll),
    field("DN", 25, 1, "Default NaN mode control bit", kAll),
    field("FZ", 24, 1, "Flush-to-zero mode control bit", kAll),
    field("RMode", 22, 2, "Rounding Mode control field", kAll),
    field("LTPSIZE", 16, 3, "Vector element size", k55),
    reg("MVFR0", 0xE000EF40, Access::None, "Media and VFP Feature Register 0", k33 | k55),
    field("FPRound", 28, 4, "Floating-point rounding modes", k33 | k55),
    field("FPSqrt", 20, 4, "Floating-point square root", k33 | k55),
    field("FPDivide", 16, 4, "Floating-point divide", k33 | k55),
    field("FPDP", 8, 4, "Floating-point double-precision", k33 | k55),
    field("FPSP", 4, 4, "Floating-point single-precision", k33 | k55),
    field("SIMDReg", 0, 4, "SIMD registers", k33 | k55),
    reg("MVFR1", 0xE000EF44, Access::None, "Media and VFP Feature Register 1", k33 | k55),
    field("FMAC", 28, 4, "Fused multiply accumulate", k33 | k55),
    field("FPHP", 24, 4, "Floating-point half-precision conversion", k33 | k55),
    field("FP16", 20, 4, "Floating-point half-precision data processing", k33 | k55),
    field("MVE", 8, 4, "M-profile vector extension", k33 | k55),
    field("FPDNaN", 4, 4, "Floating-point default NaN", k33 | k55),
    field("FPFtZ", 0, 4, "Floating-point flush-to-zero", k33 | k55),
    reg("MVFR2", 0xE000EF48, Access::None, "Media and VFP Feature Register 2", k33 | k55),
    field("FPMisc", 4, 4, "Floating-point miscellaneous", k33 | k55),
};
static_assert(wellFormed(kFpuRows));
// clang-format on

}  // namespace

const GroupTable kFpuTable{"FPU", 0xE000EF34, "Floating Point Unit", kAll, kFpuRows};

}  // namespace regforge
