#include "readers/DdfReader.h"

namespace regforge {

void readDdf(std::FILE*, MemoryMap&) {}

}  // namespace regforge
