// The rows of the debug and trace groups. Fields carry no description; registers whose start
// is lower-case hexadecimal say so with kLowerCaseStart.
#include "cortexm/DebugTables.h"

namespace regforge {
namespace {

constexpr CoreSet kV6 = kDebugV6;
constexpr CoreSet kV6V7 = kDebugV6 | kDebugV7;
constexpr CoreSet kV8 = kDebugV8Baseline | kDebugV8Mainline;
constexpr CoreSet kV6V7V8 = kV6V7 | kV8;

// clang-format off

// DWT_FUNCTIONn FUNCTION on Armv6-M and Armv7-M.
constexpr EnumValue kArmv7FunctionValues[] = {
    {"0x00", "Disabled"},
    {"0x01", "EMITRANGE=0 Data trace PC value packet, EMITRANGE=1 Data trace address packet"},
    {"0x02", "EMITRANGE=0 Data trace data value packet, EMITRANGE=1  Data trace address and data value packet"},  // two blanks deliberate
    {"0x03", "EMITRANGE=0 Data trace PC value and data value packet, EMITRANGE=1 Data trace address and data value packet"},
    {"0x04", "Watchpoint on PC match"},
    {"0x05", "Watchpoint on read"},
    {"0x06", "Watchpoint on write"},
    {"0x07", "Watchpoint on read or write"},
    {"0x08", "ETM trigger on PC match"},
    {"0x09", "ETM trigger on read"},
    {"0x0A", "ETM trigger on write"},
    {"0x0B", "ETM trigger on read or write"},
    {"0x0C", "EMITRANGE=0 Data trace data value packet on read, EMITRANGE=1 Data trace address packet on read"},
    {"0x0D", "EMITRANGE=0 Data trace data value packet on write, EMITRANGE=1 Data trace address packet on write"},
    {"0x0E", "EMITRANGE=0 Data trace PC value and data value packet on read, EMITRANGE=1 Data trace address and data value on read"},
    {"0x0F", "EMITRANGE=0 Data trace PC value and data value packet on write, EMITRANGE=1 Data trace address and data value on write"},
};

// DWT_FUNCTIONn FUNCTION on Armv8-M.
constexpr EnumValue kArmv8FunctionValues[] = {
    {"0x0", "Disabled"},
    {"0x1", "Cycle Counter"},
    {"0x2", "Instruction Address"},
    {"0x3", "Instruction Address Limit"},
    {"0x4", "Data Address"},
    {"0x5", "Data Address, writes"},
    {"0x6", "Data Address, reads"},
    {"0x7", "Data Address Limit"},
    {"0x8", "Data Value"},
    {"0x9", "Data Value, writes"},
    {"0xA", "Data Value, reads"},
    {"0xB", "Linked Data Value"},
    {"0xC", "Data Address With Value"},
    {"0xD", "Data Address With Value, writes"},
    {"0xE", "Data Address With Value, reads"},
};

// DWT_FUNCTIONn ACTION on Armv8-M.
constexpr EnumValue kActionValues[] = {
    {"0x0", "Trigger only"},
    {"0x1", "Debug event"},
    {"0x2", "Data Trace Match packet/Data Trace Data Value packet"},
    {"0x3", "Data Trace Data Address packet/Data Trace PC Value packet/Data Trace PC Value and Data Trace Data Value packets"},
};

// DWT_FUNCTIONn DATAVSIZE on Armv8-M.
constexpr EnumValue kSizeValues[] = {
    {"0x0", "1 byte"},
    {"0x1", "2 bytes"},
    {"0x2", "4 bytes"},
};

// DWT_FUNCTIONn ID on Armv8-M.
constexpr EnumValue kIdValues[] = {
    {"0x8", "Data Address and Data Address With Value"},
    {"0x9", "Cycle Counter Data Address, and Data Address With Value"},  // wording deliberate
    {"0xA", "Instruction Address, Data Address and Data Address With Value"},
    {"0xB", "Cycle Counter, Instruction Address, Data Address and Data Address With Value"},
    {"0x18", "Data Address, Data Address Limit and Data Address With Value"},
    {"0x1A", "Instruction Address, Instruction Address Limit, Data Address, Data Address Limit and Data Address With Value"},
    {"0x1C", "Data Address, Data Address Limit, Data Value, Linked Data Value and Data Address With Value"},
    {"0x1E", "Instruction Address, Instruction Address Limit, Data Address, Data Address Limit, Data Value, Linked Data Value and Data Address With Value"},
};

// ITM_TCR TSPrescale.
constexpr EnumValue kPrescaleValues[] = {
    {"0", "No prescaling"},
    {"1", "Divide by 4"},
    {"2", "Divide by 16"},
    {"3", "Divide by 64"},
};

// ITM_TCR GTSFREQ.
constexpr EnumValue kTimestampValues[] = {
    {"0", "Disable"},
    {"1", "Every 128 cycles"},
    {"2", "Every 8192 cycles"},
    {"3", "When possible"},
};

// DEMCR on Armv6-M.
constexpr Row kDemcrV6Fields[] = {
    bits("VC_CORERESET", 0, 1),
    bits("VC_HARDERR", 10, 1),
    bits("DWTENA", 24, 1),
};

// DEMCR on every other class.
constexpr Row kDemcrFields[] = {
    bits("VC_CORERESET", 0, 1),
    bits("VC_MMERR", 4, 1),
    bits("VC_NOCPERR", 5, 1),
    bits("VC_CHKERR", 6, 1),
    bits("VC_STATERR", 7, 1),
    bits("VC_BUSERR", 8, 1),
    bits("VC_INTERR", 9, 1),
    bits("VC_HARDERR", 10, 1),
    bits("MON_EN", 16, 1),
    bits("MON_PEND", 17, 1),
    bits("MON_STEP", 18, 1),
    bits("MON_REQ", 19, 1),
    bits("TRCENA", 24, 1),
};

// DWT_FUNCTIONn on Armv6-M.
constexpr Row kDwtFunctionV6Fields[] = {
    bits("FUNCTION", 0, 4, kAll, kArmv7FunctionValues),
    bits("MATCHED", 24, 1),
};

// DWT_FUNCTIONn on Armv7-M.
constexpr Row kDwtFunctionV7Fields[] = {
    bits("FUNCTION", 0, 4, kAll, kArmv7FunctionValues),
    bits("EMITRANGE", 5, 1),
    bits("CYCMATCH", 7, 1, kAll, {}, kFirstIndexOnly),  // comparator 0 only
    bits("DATAVMATCH", 8, 1),
    bits("LNK1ENA", 9, 1),
    bits("DATAVSIZE", 10, 2),
    bits("DATAVADDR0", 12, 4),
    bits("DATAVADDR1", 16, 4),  // the name is ours: the field needs one apart from DATAVADDR0
    bits("MATCHED", 24, 1),
};

// DWT_FUNCTIONn on Armv8-M baseline and mainline.
constexpr Row kDwtFunctionV8Fields[] = {
    bits("FUNCTION", 0, 4, kAll, kArmv8FunctionValues),
    bits("ACTION", 4, 2, kAll, kActionValues),
    bits("DATAVSIZE", 10, 2, kAll, kSizeValues),
    bits("MATCHED", 24, 1),
    bits("ID", 27, 5, kAll, kIdValues),
};

constexpr Row kDebugRows[] = {
    reg("DEMCR", 0xE000EDFC, Access::None, "Debug Exception and Monitor Control Register"),
    fields(kDemcrV6Fields, kV6),
    fields(kDemcrFields, kNotV6),
    reg("DFSR", 0xE000ED30, Access::None, "Debug Fault Status Register"),
    bits("HALTED", 0, 1),
    bits("BKPT", 1, 1),
    bits("DWTTRAP", 2, 1),
    bits("VCATCH", 3, 1),
    bits("EXTERNAL", 4, 1),
    reg("DHCSR", 0xE000EDF0, Access::None, "Debug Halting Control and Status Register"),
    bits("C_DEBUGEN", 0, 1),
    bits("C_HALT", 1, 1),
    bits("C_STEP", 2, 1),
    bits("C_MASKINTS", 3, 1),
    bits("C_SNAPSTALL", 5, 1, kNotV6),
    bits("S_REGRDY", 16, 1),
    bits("S_HALT", 17, 1),
    bits("S_SLEEP", 18, 1),
    bits("S_LOCKUP", 19, 1),
    bits("S_RETIRE_ST", 24, 1),
    bits("S_RESET_ST", 25, 1),
    reg("DWT_CTRL", 0xE0001000, Access::None, "DWT Control Register"),
    bits("CYCCNTENA", 0, 1, kNotV6),
    bits("POSTPRESET", 1, 4, kNotV6),
    bits("POSTINIT", 5, 4, kNotV6),
    bits("CYCTAP", 9, 1, kNotV6),
    bits("SYNCTAP", 10, 2, kNotV6),
    bits("PCSAMPLENA", 12, 1, kNotV6),
    bits("EXCTRCENA", 16, 1, kNotV6),
    bits("CPIEVTENA", 17, 1, kNotV6),
    bits("EXCEVTENA", 18, 1, kNotV6),
    bits("SLEEPEVTENA", 19, 1, kNotV6),
    bits("LSUEVTENA", 20, 1, kNotV6),
    bits("FOLDEVTENA", 21, 1, kNotV6),
    bits("CYCEVTENA", 22, 1, kNotV6),
    bits("NOPRFCNT", 24, 1, kNotV6),
    bits("NOCYCCNT", 25, 1, kNotV6),
    bits("NOEXTTRIG", 26, 1, kNotV6),
    bits("NOTRCPKT", 27, 1, kNotV6),
    bits("NUMCOMP", 28, 4),
    // The counters, DWT_PCSR and every indexed register start in lower case, deliberately.
    reg("DWT_CYCNT", 0xE0001004, Access::None, "Cycle Count Register", kNotV6, kLowerCaseStart),
    reg("DWT_CPICNT", 0xE0001008, Access::None, "CPI Count Register", kNotV6, kLowerCaseStart),
    reg("DWT_EXCCNT", 0xE000100C, Access::None, "Exception Overhead Count Register", kNotV6, kLowerCaseStart),
    reg("DWT_SLEEPCNT", 0xE0001010, Access::None, "Sleep Count Register", kNotV6, kLowerCaseStart),
    reg("DWT_LSUCNT", 0xE0001014, Access::None, "LSU Count Registers", kNotV6, kLowerCaseStart),  // plural deliberate
    reg("DWT_FOLDCNT", 0xE0001018, Access::None, "Folded-instruction Count Register", kNotV6, kLowerCaseStart),
    reg("DWT_PCSR", 0xE000101C, Access::None, "Program Counter Sample Register", kAll, kLowerCaseStart),
    repeatPerComparator(RepeatCount::DwtComparators, 16),
    reg("DWT_COMP{n}", 0xE0001020, Access::None, "DWT Comparator Register {n}", kAll, kLowerCaseStart),
    reg("DWT_MASK{n}", 0xE0001024, Access::None, "DWT Comparator Mask Register {n}", kV6V7, kLowerCaseStart),
    reg("DWT_FUNCTION{n}", 0xE0001028, Access::None, "DWT Comparator Function Register {n}", kV6V7V8, kLowerCaseStart),
    fields(kDwtFunctionV6Fields, kV6),
    fields(kDwtFunctionV7Fields, kDebugV7),
    fields(kDwtFunctionV8Fields, kV8),
    reg("DWT_VMASK{n}", 0xE000102C, Access::None, "DWT Comparator Value Mask Register {n}", kV8, kLowerCaseStart),
    endRepeat(),
    reg("BP_CTRL", 0xE0002000, Access::None, "Breakpoint Control Register", kV6),
    bits("ENABLE", 0, 1),
    bits("KEY", 1, 1),
    bits("NUM_CODE", 4, 4),
    reg("FP_CTRL", 0xE0002000, Access::None, "Flash Patch Control Register", kNotV6),
    bits("ENABLE", 0, 1),
    bits("KEY", 1, 1),
    bits("NUM_CODE[3:0]", 4, 4),
    bits("NUM_LIT", 8, 4),
    bits("NUM_CODE[4:6]", 12, 3),
    bits("REV", 28, 4),
    reg("FP_REMAP", 0xE0002004, Access::None, "Flash Patch Remap Register", kNotV6),
    repeatPerComparator(RepeatCount::FpbComparators, 4),
    reg("BP_COMP{n}", 0xE0002008, Access::None, "Breakpoint Comparator Register {n}", kV6, kLowerCaseStart),
    reg("FP_COMP{n}", 0xE0002008, Access::None, "Flash Patch Comparator Register {n}", kNotV6, kLowerCaseStart),
    endRepeat(),
};
static_assert(wellFormed(kDebugRows));

constexpr Row kTraceRows[] = {
    repeat(0, 32, 4, 0),  // ITM_STIM0 to ITM_STIM31
    reg("ITM_STIM{n}", 0xE0000000, Access::None, "Stimulus Port Register {n}", kAll, kLowerCaseStart),
    endRepeat(),
    reg("ITM_TCR", 0xE0000E80, Access::None, "Trace Control Register", kAll, kLowerCaseStart),
    bits("ITMENA", 0, 1),
    bits("TSENA", 1, 1),
    bits("SYNCENA", 2, 1),
    bits("TXENA", 3, 1),
    bits("SWOENA", 4, 1),
    bits("TSPrescale", 8, 2, kAll, kPrescaleValues),
    bits("GTSFREQ", 10, 2, kAll, kTimestampValues),
    bits("TraceBusID", 16, 7),
    bits("BUSY", 23, 1),
    reg("ITM_TER0", 0xE0000E00, Access::None, "Trace Enable Register 0", kAll, kLowerCaseStart),
    reg("ITM_TPR", 0xE0000E40, Access::None, "Trace Priviledge Register"),  // "Priviledge" deliberate
    reg("TPIU_SSPPR", 0xE0040000, Access::None, "Supported Parallel Port Sizes Register"),
    reg("TPIU_CSPSR", 0xE0040004, Access::None, "Current Parallel Port Size Register"),
    reg("TPIU_ACPR", 0xE0040010, Access::None, "Asynchronous Clock Prescaler Register"),
    reg("TPIU_SPPR", 0xE00400F0, Access::None, "Selected Pin Protocol Register"),
    reg("TPIU_FFSR", 0xE0040300, Access::None, "Formatter and Flush Status Register"),
    reg("TPIU_FFCR", 0xE0040304, Access::None, "Formatter and Flush Control Register"),
    reg("TPIU_FSCR", 0xE0040308, Access::None, "Formatter Synchronization Counter Register"),
};
static_assert(wellFormed(kTraceRows));

// clang-format on

}  // namespace

const GroupTable kDebugTable{"Debug", 0xE000EDF0, "Debug Registers", kAll, kDebugRows};
const GroupTable kTraceTable{"Trace", 0xE0000000, "Trace Registers", kNotV6, kTraceRows};

}  // namespace regforge
