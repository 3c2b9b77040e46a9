// Pages from VirtualAlloc. Windows gives large pages only to a user who holds the right to
// lock pages in memory; without it a huge block is made of ordinary pages. Committed pages
// arrive zeroed on first touch, and nothing brings them in ahead of use.
#include "platform/PageBlock.h"

#include <windows.h>

#include <new>
#include <utility>

namespace regforge {
namespace {

// The large-page size when this process may use large pages, else 0. Asked once: enabling
// the right is a call to the security system.
std::size_t largePageSize() {
  static const std::size_t size = [] {
    const std::size_t minimum = GetLargePageMinimum();
    HANDLE token = nullptr;
    if (minimum == 0 ||
        !OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
      return std::size_t{0};
    }
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    // Adjusting succeeds even when the right is missing; only the last error tells.
    const bool granted =
        LookupPrivilegeValueA(nullptr, "SeLockMemoryPrivilege", &privileges.Privileges[0].Luid) &&
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
        GetLastError() == ERROR_SUCCESS;
    CloseHandle(token);
    return granted ? minimum : std::size_t{0};
  }();
  return size;
}

char* commit(std::size_t size, DWORD flags) {
  return static_cast<char*>(
      VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT | flags, PAGE_READWRITE));
}

}  // namespace

PageBlock PageBlock::allocate(std::size_t size, Pages pages) {
  if (pages == Pages::Huge) {
    if (const std::size_t large = largePageSize()) {
      const std::size_t rounded = (size + large - 1) / large * large;
      if (char* data = commit(rounded, MEM_LARGE_PAGES)) return PageBlock(data, rounded);
    }
  }
  SYSTEM_INFO system;
  GetSystemInfo(&system);
  const std::size_t page = system.dwPageSize;
  const std::size_t rounded = (size + page - 1) / page * page;
  char* data = commit(rounded, 0);
  return data ? PageBlock(data, rounded) : PageBlock();
}

void PageBlock::bringIn(char*, char*) {}

PageBlock& PageBlock::operator=(PageBlock&& other) noexcept {
  if (this != &other) {
    this->~PageBlock();
    new (this) PageBlock(std::move(other));
  }
  return *this;
}

PageBlock::~PageBlock() {
  if (data_) VirtualFree(data_, 0, MEM_RELEASE);
}

}  // namespace regforge
