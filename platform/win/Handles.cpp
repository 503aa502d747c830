#include "platform/win/Handles.h"

#include <mutex>
#include <unordered_map>

#include "platform/win/HResult.h"
#include "platform/win/LastError.h"
#include "platform/win/Sync.h"

namespace {

struct HandleTable {
  std::mutex lock;
  std::unordered_map<std::uintptr_t, std::shared_ptr<KernelObject>> objects;
  std::uintptr_t next = 0x100;  // multiples of 4, like the platform's handles
};

HandleTable& Table() {
  static HandleTable* table = new HandleTable;  // outlives every static user
  return *table;
}

}  // namespace

DWORD KernelObject::Wait(DWORD) {
  SetLastError(ERROR_INVALID_HANDLE);
  return WAIT_FAILED;
}

HANDLE InsertHandle(std::shared_ptr<KernelObject> object) {
  HandleTable& table = Table();
  std::lock_guard guard(table.lock);
  const std::uintptr_t value = table.next;
  table.next += 4;
  table.objects.emplace(value, std::move(object));
  return reinterpret_cast<HANDLE>(value);
}

std::shared_ptr<KernelObject> LookupHandle(HANDLE handle) {
  HandleTable& table = Table();
  std::lock_guard guard(table.lock);
  const auto it = table.objects.find(reinterpret_cast<std::uintptr_t>(handle));
  return it == table.objects.end() ? nullptr : it->second;
}

BOOL CloseHandle(HANDLE handle) {
  std::shared_ptr<KernelObject> released;  // destroyed outside the table lock
  {
    HandleTable& table = Table();
    std::lock_guard guard(table.lock);
    const auto it = table.objects.find(reinterpret_cast<std::uintptr_t>(handle));
    if (it == table.objects.end()) {
      SetLastError(ERROR_INVALID_HANDLE);
      return FALSE;
    }
    released = std::move(it->second);
    table.objects.erase(it);
  }
  return TRUE;
}
