// The rows of the Implementation Control Block and the System Control Block, in creation
// order, each with the core classes it exists for.
#include "cortexm/SystemControlTables.h"

namespace regforge {
namespace {

// clang-format off

// The fields of CM7_ITCMCR and CM7_DTCMCR.
constexpr Row kTcmControlFields[] = {
    field("SZ", 3, 4, "TCM Size", k7),
    field("RETEN", 2, 1, "Retry Phase Enable", k7),
    field("RMW", 1, 1, "RMW Enable", k7),
    field("EN", 0, 1, "TCM Enable", k7),
};

// The fields of IEBR0, IEBR1, DEBR0 and DEBR1.
constexpr Row kErrorBankFields[] = {
    field("User-defined", 30, 2, "User-defined", k7),
    field("Type of error", 17, 1, "Type of error", k7),
    field("RAM bank", 16, 1, "RAM bank", k7),
    field("RAM location", 2, 14, "RAM location", k7),
    field("Locked", 1, 1, "Locked", k7),
    field("Valid", 0, 1, "Valid", k7),
};

constexpr Row kIcbRows[] = {
    reg("ICTR", 0xE000E004, Access::None, "Interrupt Controller Type Register", kNot0),
    field("INTLINESNUM", 0, 4, "The total number of interrupt lines supported by an implementation, defined in groups of 32.", kNot0),
    reg("ACTLR", 0xE000E008, Access::None, "Auxiliary Control Register", kNot0),
    field("DISDYNADD", 26, 1, "Disables dynamic allocation of ADD and SUB instructions", k7),
    field("DISISSCH1", 21, 5, "Indicates instruction type might not be issued in channel 1", k7),
    field("EXTEXCLALL", 29, 1, "LDREX and STREX instructions always use the Global Exclusive Monitor", k23 | k33),
    field("DISCRITAXIRUW", 27, 1, "Disable-Critical-AXI-Read-Under-Write", k55),
    field("DISDI", 16, 5, "Indicates nothing can be dual-issued when this instruction type is in channel 0", k7),
    field("DISDI", 16, 2, "Disable dual-issue features", k55),
    field("DISCRITAXIRUR", 15, 1, "Disables critical AXI Read-Under-Read", k7),
    field("DISCRITAXIRUR", 15, 1, "Disable critical AXI Read-Under-Read", k55),
    field("DISBTACALLOC", 14, 1, "Indicates no new entries are allocated in BTAC, but existing entries can be updated", k7),
    field("DISBTACREAD", 13, 1, "Indicates BTAC is not used and only static branch prediction can occur", k7),
    field("EVENTBUSEN", 14, 1, "Activate EVENTBUS output", k55),
    field("EVENTBUSEN_S", 13, 1, "Accessibility of EVENTBUSEN", k55),
    field("DISITMATBFLUSH", 12, 1, "Disables ITM and DWT ATB flush", k7 | k55),
    field("DISITMATBFLUSH", 12, 1, "ITM/DWT ATB flush disabled", k33),
    field("DISRAMODE", 11, 1, "Disables dynamic read allocate mode for Write-Back Write-Allocate memory regions", k7),
    field("DISNWAMODE", 11, 1, "This bit determines if no write allocate mode is disabled", k55),
    field("FPEXCODIS", 10, 1, "Disables FPU exception outputs", k7 | k55),
    field("FPEXCODIS", 10, 1, "FPU exception outputs are disabled", k33),
    field("DISOOFP", 9, 1, "Disables floating pointinstructions completing outof order with respect to integer instructions", k4Only),  // run-together words deliberate
    field("DISOOFP", 9, 1, "Disables floating-point instructions completing out of order with respect to non-floating-point instructions", k33),
    field("DISFPCA", 8, 1, "When set to 1, disables IT folding", k4Only),  // description as written, deliberately
    field("DISOLAP", 7, 1, "Disable overlapping of all instructions", k55),
    field("DISOLAPS", 6, 1, "Disable overlapping of scalar-only instructions", k55),
    field("DISLOBR", 5, 1, "Disable branch prediction using low overhead loops", k55),
    field("DISLO", 4, 1, "Disable low overhead loops", k55),
    field("DISLOLEP", 3, 1, "Disable end of loop prediction in low overhead loops", k55),
    field("DISFOLD", 2, 1, "When set to 1, disables write buffer use during default memory map accesses", k3 | k4),  // DISDEFWBUF's description, deliberately
    field("DISFOLD", 2, 1, "Disables dual-issue functionality", k7 | k55),
    field("DISFOLD", 2, 1, "When set to 1, dual-issue functionality is disabled", k33),
    field("DISDEFWBUF", 1, 1, "When set to 1, disables write buffer use during default memory map accesses", k3 | k4),
    field("DISMCYCINT", 0, 1, "When set to 1, disables interruption of load multiple and store multiple instructions", k3 | k4 | k33),
    reg("CPPWR", 0xE000E00C, Access::None, "Specifies whether coprocessors are permitted to enter a non-retentive power state", k33 | k55),
    repeat(0, 8, 0, 2),  // SU0 to SU7 at bits 0 to 15, each with its SUS
    field("SU{n}", 0, 1, "When set to 1, the state of the coprocessor can be unknown", k33 | k55),
    field("SUS{n}", 1, 1, "When set to 1, the SU{n} field is only accessible from secure state", k33 | k55),
    endRepeat(),
    field("SU10", 20, 1, "When set to 1, the Floating-point and MVE state can be unknown", k33 | k55),
    field("SUS10", 21, 1, "When set to 1, the SU10 field is only accessible from secure state", k33 | k55),
    field("SU11", 22, 1, "Same as SU10", k33 | k55),
    field("SUS11", 23, 1, "Same as SUS10", k33 | k55),
};
static_assert(wellFormed(kIcbRows));

constexpr Row kScbRows[] = {
    reg("REVIDR", 0xE000ECFC, Access::None, "Revision", k55),
    reg("CPUID", 0xE000ED00, Access::ReadOnly, "CPUID Register", kAll),
    field("IMPLEMENTER", 24, 8, "Implementer Code", kAll),
    field("VARIANT", 20, 4, "Variant Number", kAll),
    field("PARTNO", 4, 12, "Part Number", kAll),
    field("REVISION", 0, 4, "Revision Number", kAll),
    reg("ICSR", 0xE000ED04, Access::None, "Interrupt Control and State Register", kAll),
    field("NMIPENDSET", 31, 1, "NMI set-pending bit", kAll),
    field("PENDSVSET", 28, 1, "PendSV set-pending bit", kAll),
    field("PENDSVCLR", 27, 1, "PendSV clear-pending bit", kAll),
    field("PENDSTSET", 26, 1, "SysTick exception set-pending bit", kAll),
    field("PENDSTCLR", 25, 1, "SysTick exception clear-pending bit", kAll),
    field("STTNS", 24, 1, "SysTick is Non-secure", k23 | k33 | k55),
    field("ISRPREEMPT", 23, 1, "", kAll),  // empty description deliberate
    field("ISRPENDING", 22, 1, "Interrupt pending flag", kAll),
    field("VECTPENDING", 12, 9, "Indicates the exception number of the highest priority pending enabled exception", kAll),
    field("RETTOBASE", 11, 1, "Indicates whether there are preempted active exceptions", kNot0),
    field("VECTACTIVE", 0, 9, "Contains the active exception number", kAll),
    reg("VTOR", 0xE000ED08, Access::None, "Vector Table Offset Register", kNot0 | kCortexM0Plus),
    field("TBLOFF", 7, 25, "Vector table base offset field", kNot0 | kCortexM0Plus),
    reg("AIRCR", 0xE000ED0C, Access::None, "Application Interrupt and Reset Control Register", kAll),
    field("VECTKEY", 16, 16, "Register key", kAll),
    field("ENDIANESS", 15, 1, "Data endianness bit", kAll),  // name spelt so deliberately
    field("PRIS", 14, 1, "Non-secure exceptions are de-prioritized", k23 | k33 | k55),
    field("BFHFNMINS", 13, 1, "BusFault and NMI are Non-secure and exceptions can target Non-secure HardFault", k23 | k33 | k55),
    field("PRIGROUP", 8, 3, "Interrupt priority grouping field", kNot0),
    field("SYSRESETREQS", 3, 1, "System reset request bit", k23 | k33 | k55),
    field("SYSRESETREQ", 2, 1, "System reset request bit", kAll),
    field("VECTCLRACTIVE", 1, 1, "", kAll),  // empty descriptions deliberate
    field("VECTRESET", 0, 1, "", k3 | k4 | k7 | k55),
    reg("SCR", 0xE000ED10, Access::None, "System Control Register", kAll),
    field("SEVONPEND", 4, 1, "Send event on pending bit", kAll),
    field("SLEEPDEEPS", 3, 1, "The SLEEPDEEP bit behaves as RAZ/WI when accessed from the Non-secure state", k23 | k33 | k55),
    field("SLEEPDEEP", 2, 1, "Controls whether the processor uses sleep or deep sleep as its low power mode", kAll),
    field("SLEEPONEXIT", 1, 1, "Indicates sleep-on-exit when returning from Handler mode to Thread mode", kAll),
    reg("CCR", 0xE000ED14, Access::None, "Configuration and Control Register", kAll),
    field("TRD", 20, 1, "Thread reentrancy disabled", k55),
    field("LOB", 19, 1, "Loop and branch info cache enable", k55),
    field("BP", 18, 1, "Branch prediction enable bit", k7 | k33 | k55),
    field("IC", 17, 1, "Instruction cache enable bit", k7 | k33 | k55),
    field("DC", 16, 1, "Cache enable bit", k7 | k33 | k55),
    field("STKOFHFNMIGN", 10, 1, "Stack limit faults at requested priorities of less than 0 ignored.", k33 | k55),
    field("STKALIGN", 9, 1, "Indicates stack alignment on exception entry", kAll),
    field("BFHFNMIGN", 8, 1, "Enables handlers with priority -1 or-2 to ignore data BusFaults caused by load and store instructions", kNot0),  // "or-2" deliberate
    field("DIV_0_TRP", 4, 1, "Enables faulting or halting when the processor executes an SDIVor UDIV instruction with a divisor of 0", kNot0),  // "SDIVor" deliberate
    field("UNALIGN_TRP", 3, 1, "Enables unaligned access traps", kAll),
    field("USERSETMPEND", 1, 1, "Enables unprivileged software access to the STIR", kNot0),
    field("NONBASETHRDENA", 0, 1, "Indicates how the processor enters Thread mode", kNot0),
    reg("SHPR1", 0xE000ED18, Access::None, "System Handler Priority Register 1", kNot0),
    priorityField("PRI_7(SecureFault)", 32, "Priority of system handler 7 (SecureFault)", k23 | k33 | k55),
    priorityField("PRI_6(UsageFault)", 24, "Priority of system handler 6 (UsageFault)", kNot0),
    priorityField("PRI_5(BusFault)", 16, "Priority of system handler 5 (BusFault)", kNot0),
    priorityField("PRI_4(MemManage)", 8, "Priority of system handler 4 (MemManage)", kNot0),
    reg("SHPR2", 0xE000ED1C, Access::None, "System Handler Priority Register 2", kAll),
    priorityField("PRI_11(SVCall)", 32, "Priority of system handler 11 (SVCall)", kAll),
    reg("SHPR3", 0xE000ED20, Access::None, "System Handler Priority Register 3", kAll),
    priorityField("PRI_15(SysTick)", 32, "Priority of system handler 15 (SysTick)", kAll),
    priorityField("PRI_14(PendSV)", 24, "Priority of system handler 14 (PendSV)", kAll),
    priorityField("PRI_12(DebugMonitor)", 8, "Priority of system handler 12 (DebugMonitor)", k7 | k33 | k55),
    reg("SHCSR", 0xE000ED24, Access::None, "System Handler Control and State Register", kAll),
    field("HARDFAULTPENDED", 21, 1, "HardFault Exception Pended Bit", k23 | k33 | k55),
    field("SECUREFAULTPENDED", 20, 1, "SecureFault Exception Pended Bit", k23 | k33 | k55),
    field("SECUREFAULTEN", 19, 1, "SecureFault Enable Bit", k23 | k33 | k55),
    field("USGFAULTENA", 18, 1, "UsageFault Enable Bit", kNot0),
    field("BUSFAULTENA", 17, 1, "BusFault Enable Bit", kNot0),
    field("MEMFAULTENA", 16, 1, "MemManage Enable Bit", kNot0),
    field("SVCALLPENDED", 15, 1, "SVCall Pending Bit", kAll),
    field("BUSFAULTPENDED", 14, 1, "BusFault Exception Pended Bit", kNot0),
    field("MEMFAULTPENDED", 13, 1, "MemManage Exception Pended Bit", kNot0),
    field("USGFAULTPENDED", 12, 1, "UsageFault Exception Pended Bit", kNot0),
    field("SYSTICKACT", 11, 1, "SysTick Exception Active Bit", kNot0),
    field("PENDSVACT", 10, 1, "PendSV Exception Active Bit", kNot0),
    field("MONITORACT", 8, 1, "Debug Monitor Active Bit", kNot0),
    field("SVCALLACT", 7, 1, "SVCall Active Bit", kNot0),
    field("NMIACT", 5, 1, "NMI Exception Active Bit", k23 | k33 | k55),
    field("SECUREFAULTACT", 4, 1, "SecureFault Exception Active Bit", k23 | k33 | k55),
    field("USGFAULTACT", 3, 1, "UsageFault Exception Active Bit", kNot0),
    field("HARDFAULTACT", 2, 1, "HardFault Exception Active Bit", k23 | k33 | k55),
    field("BUSFAULTACT", 1, 1, "BusFault Exception Active Bit", kNot0),
    field("MEMFAULTACT", 0, 1, "MemManage Exception Active Bit", kNot0),
    reg("CFSR", 0xE000ED28, Access::None, "Configurable Fault Status Register", kNot0),
    field("UFSR", 16, 16, "UsageFault Status Register", kNot0),
    field("BFSR", 8, 8, "BusFault Status Register", kNot0),
    field("MMFSR", 0, 8, "MemManage Fault Status Register", kNot0),
    reg("MMFSR", 0xE000ED28, Access::Byte, "MemManage Fault Status Register", kNot0),
    field("MMARVALID", 7, 1, "MemManage Fault Address Register(MMFAR) valid flag", kNot0),
    field("MLSPERR", 5, 1, "Indicates a MemManage fault occurred during floating-point lazy state preservation", k4 | k7 | k23 | k33 | k55),
    field("MSTKERR", 4, 1, "MemManage fault on stacking for exception entry", kNot0),
    field("MUNSTKERR", 3, 1, "MemManage fault on unstacking for a return from exception", kNot0),
    field("DACCVIOL", 1, 1, "Data access violation flag", kNot0),
    field("IACCVIOL", 0, 1, "Instruction access violation flag", kNot0),
    reg("BFSR", 0xE000ED29, Access::Byte, "BusFault Status Register", kNot0),
    field("BFARVALID", 7, 1, "BusFault Address Register(BFAR) valid flag", kNot0),
    field("LSPERR", 5, 1, "Indicates a bus fault occurred during floating-point lazy state preservation", k4 | k7 | k23 | k33 | k55),
    field("STKERR", 4, 1, "BusFault on stacking for exception entry", kNot0),
    field("UNSTKERR", 3, 1, "BusFault on unstacking for a return from exception", kNot0),
    field("IMPRECISERR", 2, 1, "Imprecise data bus error", kNot0),
    field("PRECISERR", 1, 1, "Precise data bus error", kNot0),
    field("IBUSERR", 0, 1, "Instruction bus error", kNot0),
    reg("UFSR", 0xE000ED2A, Access::HalfWord, "UsageFault Status Register", kNot0),
    field("DIVBYZERO", 9, 1, "Divide by zero UsageFault", kNot0),
    field("UNALIGNED", 8, 1, "Unaligned access UsageFault", kNot0),
    field("STKOF", 4, 1, "Stack overflow flag", k33 | k55),
    field("NOCP", 3, 1, "No coprocessor UsageFault", kNot0),
    field("INVPC", 2, 1, "Invalid PC load UsageFault, causedby an invalid PC load by EXC_RETURN", kNot0),  // "causedby" deliberate
    field("INVSTATE", 1, 1, "Invalid state UsageFault", kNot0),
    field("UNDEFINSTR", 0, 1, "Undefined instruction UsageFault", kNot0),
    reg("HFSR", 0xE000ED2C, Access::None, "HardFault Status Register", kNot0),
    field("DEBUGEVT", 31, 1, "", kNot0),  // empty description deliberate
    field("FORCED", 30, 1, "Indicates a forced hard fault, generated by escalation of a fault with configurable priority that cannot be handled, either because of priority or because it is disabled", kNot0),
    field("VECTTBL", 1, 1, "Indicates a BusFault on a vectortable read during exception processing", kNot0),  // "vectortable" deliberate
    reg("DFSR", 0xE000ED30, Access::None, "Debug Fault Status Register", kAll),
    field("EXTERNAL", 4, 1, "", kAll),  // empty descriptions deliberate
    field("VCATCH", 3, 1, "", kAll),
    field("DWTTRAP", 2, 1, "", kAll),
    field("BKPT", 1, 1, "", kAll),
    field("HALTED", 0, 1, "", kAll),
    reg("MMFAR", 0xE000ED34, Access::None, "MemManage Fault Address Register", kNot0),
    field("ADDRESS", 0, 32, "When the MMARVALID bit of the MMFSR is set to 1, this field holds the address of the location that generated the MemManage fault", kNot0),
    reg("BFAR", 0xE000ED38, Access::None, "BusFault Address Register", kNot0),
    field("ADDRESS", 0, 32, "When the BFARVALID bit of the BFSR is set to1, this field holds the address of the location that generated the BusFault", kNot0),  // "to1" deliberate
    reg("AFSR", 0xE000ED3C, Access::None, "Auxiliary Fault Status Register", kNot0),
    field("IMPDEF", 0, 32, "Implementation defined, the bits map to the AUXFAULT input signals", kNot0),
    reg("ID_PFR0", 0xE000ED40, Access::ReadOnly, "Processor Feature Register 0", kNot0),
    reg("ID_PFR1", 0xE000ED44, Access::ReadOnly, "Processor Feature Register 1", kNot0),
    reg("ID_DFR0", 0xE000ED48, Access::ReadOnly, "Debug Feature Register 0", kNot0),
    reg("ID_AFR0", 0xE000ED4C, Access::ReadOnly, "Auxilliary Feature Register 0", kNot0),  // "Auxilliary" deliberate
    repeat(0, 4, 4, 0),  // ID_MMFR0 to ID_MMFR3
    reg("ID_MMFR{n}", 0xE000ED50, Access::ReadOnly, "Memory Model Feature Register {n}", kNot0),
    endRepeat(),
    repeat(0, 6, 4, 0),  // ID_ISAR0 to ID_ISAR5
    reg("ID_ISAR{n}", 0xE000ED60, Access::ReadOnly, "Instruction Set Attribute Register {n}", kNot0),
    endRepeat(),
    reg("CLIDR", 0xE000ED78, Access::ReadOnly, "Cache Level ID Register", k7 | k23 | k33 | k55),
    repeat(1, 7, 0, 3),  // Ctype1 to Ctype7 at bits 0 to 18
    field("Ctype{n}", 0, 3, "Cache Type fields", k7 | k23 | k33 | k55),
    endRepeat(),
    field("LoUIS", 21, 3, "Level of Unification Inner Shareable for the cache hierarchy", k7 | k23 | k33 | k55),
    field("LoC", 24, 3, "Level of Coherency for the cache hierarchy", k7 | k23 | k33 | k55),
    field("LoUU", 27, 3, "Level of Unification Uniprocessor for the cache hierarchy", k7 | k23 | k33 | k55),  // the name is ours: the field needs one apart from LoC
    field("ICB", 30, 2, "Inner cache boundary", k23 | k33),
    reg("CTR", 0xE000ED7C, Access::ReadOnly, "Cache Type Register", k7 | k23 | k33 | k55),
    field("IminLine", 0, 4, "Instruction cache minimum line length", k7 | k23 | k33 | k55),
    field("DminLine", 16, 4, "Data cache minimum line length", k7 | k23 | k33 | k55),
    field("ERG", 20, 4, "Exclusives Reservation Granule", k7 | k23 | k33 | k55),
    field("CWG", 24, 4, "Cache write-back Granule", k23 | k33),
    reg("CCSIDR", 0xE000ED80, Access::ReadOnly, "Current Cache Size ID Register", k7 | k23 | k33 | k55),
    field("LineSize", 0, 3, "Log2 Number of words in cache line - 2", k7 | k23 | k33 | k55),
    field("Associativity", 3, 10, "Associativity of cache - 1", k7 | k23 | k33 | k55),
    field("NumSets", 13, 15, "Number of sets in cache - 1", k7 | k23 | k33 | k55),
    field("WA", 28, 1, "Write-Allocation", k7 | k23 | k33 | k55),
    field("RA", 29, 1, "Read-Allocation", k7 | k23 | k33 | k55),
    field("WB", 30, 1, "Write-Back", k7 | k23 | k33 | k55),
    field("WT", 31, 1, "Write-Through", k7 | k23 | k33 | k55),
    reg("CSSLER", 0xE000ED84, Access::None, "Current Cache Selection Register", k7 | k23 | k33 | k55),  // name spelt so deliberately
    field("InD", 0, 1, "Selects either instruction or data cache", k7 | k23 | k33 | k55),
    field("Level", 1, 3, "Identifies which cache level to select", k7 | k23 | k33 | k55),
    reg("CPACR", 0xE000ED88, Access::None, "Coprocessor Access Control Register", k4Only | k7 | k33 | k55),
    field("CP11", 22, 2, "Access privileges for coprocessor 11", k4Only | k7 | k33 | k55),
    field("CP10", 20, 2, "Access privileges for coprocessor 10", k4Only | k7 | k33 | k55),
    field("CP7", 14, 2, "Access privileges for coprocessor 7", k7 | k33),
    field("CP6", 12, 2, "Access privileges for coprocessor 6", k7 | k33),
    field("CP5", 10, 2, "Access privileges for coprocessor 5", k7 | k33),
    field("CP4", 8, 2, "Access privileges for coprocessor 4", k7 | k33),
    field("CP3", 6, 2, "Access privileges for coprocessor 3", k7 | k33),
    field("CP2", 4, 2, "Access privileges for coprocessor 2", k7 | k33),
    field("CP1", 2, 2, "Access privileges for coprocessor 1", k7 | k33),
    field("CP0", 0, 2, "Access privileges for coprocessor 0", k7 | k33),
    reg("NSACR", 0xE000ED8C, Access::None, "Coprocessor Access Control Register", k33 | k55, kSecureOnly),  // and so its fields; CPACR's description, deliberately
    repeat(0, 8, 0, 1),  // CP0 to CP7 at bits 0 to 7
    field("CP{n}", 0, 1, "Defines the Non-secure access permissions for both the FP Extension and coprocessors CP0 to CP7", k33 | k55),
    endRepeat(),
    repeat(10, 2, 0, 1),  // CP10 and CP11 at bits 10 and 11
    field("CP{n}", 10, 1, "Defines the Non-secure access permissions for both the FP Extension and coprocessors CP0 to CP7", k33 | k55),
    endRepeat(),
    reg("STIR", 0xE000EF00, Access::None, "Software Triggered Interrupt Register", kNot0, kLowerCaseStart),  // "0xe000ef00" in the secure copy, deliberately
    field("INTID", 0, 9, "Interrupt ID", kNot0),
    reg("CM7_ITCMCR", 0xE000EF90, Access::None, "Instruction Tightly-Coupled Memory Control", k7),
    fields(kTcmControlFields),
    reg("CM7_DTCMCR", 0xE000EF94, Access::None, "Data Tightly-Coupled Memory Control", k7),
    fields(kTcmControlFields),
    reg("CM7_AHBPCR", 0xE000EF98, Access::None, "AHBP Control Register", k7),
    field("SZ", 1, 3, "AHBP Size", k7),
    field("EN", 0, 1, "AHBP Enable", k7),
    reg("CM7_CACR", 0xE000EF9C, Access::None, "L1 Cache Control Register", k7),
    field("FORCEWT", 2, 1, "Enables Force Write-Through in the data cache", k7),
    field("ECCDIS", 1, 1, "Enables ECC in the instruction and data cache", k7),
    field("SIWT", 0, 1, "Shared cacheable-is-WT for data cache", k7),
    reg("CM7_AHBSCR", 0xE000EFA0, Access::None, "AHB Slave Control Register", k7),
    field("INITCOUNT", 11, 5, "Fairness counter initialization value", k7),
    field("TPRI", 2, 9, "Threshold execution priority for AHBS traffic demotion", k7),
    field("CTL", 0, 2, "AHBS prioritization control", k7),
    reg("CM7_ABFSR", 0xE000EFA8, Access::None, "Auxilliary Bus Fault Status Register", k7),  // "Auxilliary" deliberate
    field("AXIMTYPE", 8, 2, "Indicates the type of fault on the AXIM", k7),
    field("EPPB", 4, 1, "Asynchronous fault on EPPB interface", k7),
    field("AXIM", 3, 1, "Asynchronous fault on AXIM interface", k7),
    field("AHBP", 2, 1, "Asynchronous fault on AHBP interface", k7),
    field("DTCM", 1, 1, "Asynchronous fault on DTCM interface", k7),
    field("ITCM", 0, 1, "Asynchronous fault on ITCM interface", k7),
    reg("IEBR0", 0xE000EFB0, Access::None, "Instruction Error bank Register 0", k7),
    fields(kErrorBankFields),
    reg("IEBR1", 0xE000EFB4, Access::None, "Instruction Error bank Register 1", k7),
    fields(kErrorBankFields),
    reg("DEBR0", 0xE000EFB8, Access::None, "Data Error bank Register 0", k7),
    fields(kErrorBankFields),
    reg("DEBR1", 0xE000EFBC, Access::None, "Data Error bank Register 1", k7),
    fields(kErrorBankFields),
};
static_assert(wellFormed(kScbRows));

// clang-format on

}  // namespace

const GroupTable kIcbTable{"ICB", 0xE000E000, "Implementation Control Block", kNot0, kIcbRows};
const GroupTable kScbTable{"SCB", 0xE000ED00, "System Control Block", kAll, kScbRows};

}  // namespace regforge
