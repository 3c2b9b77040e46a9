// Files far longer than their content, for tests of length bounds: the system stores no data
// for the hole, where it can.
#pragma once

#include <cstdint>
#include <filesystem>
#include <system_error>

namespace regforge::testsupport {

/// Lengthens path to length bytes. Under a file-size limit (as a mutation run sets) the call
/// fails with an error instead of ending the process with SIGXFSZ, so that the caller skips.
std::error_code makeSparse(const std::filesystem::path& path, std::uint64_t length);

}  // namespace regforge::testsupport
