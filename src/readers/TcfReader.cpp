#include "readers/TcfReader.h"

namespace regforge {

void readTcf(const XMLDocument&, MemoryMap&) {}

}  // namespace regforge
