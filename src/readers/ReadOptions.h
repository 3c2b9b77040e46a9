// The option bits the driver hands to the SVD reader.
#pragma once

namespace regforge {

/// Read options: the bit set the driver hands to the SVD reader.
enum ReadOption : unsigned {
  kRegisterSizeInBytes = 1,  ///< register sizes are bytes, not bits
  kNoDescriptions = 2,       ///< no description is read or written
  kIgnoreCpu = 4,            ///< the <cpu> element is not passed to readCpu
  kIgnoreInterrupts = 8,     ///< <interrupt> elements are not read
  kStandard = 16,            ///< the file is read by the CMSIS-SVD standard's rules
};

}  // namespace regforge
