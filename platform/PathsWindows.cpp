#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <string>

#include "platform/Paths.h"

namespace torvane::platform {

std::filesystem::path ExecutableDir() {
  // The wide name, whatever the ANSI code page; the buffer grows until the
  // whole name fits.
  std::wstring name(MAX_PATH, L'\0');
  while (true) {
    const DWORD length = ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return std::filesystem::current_path();
    if (length < name.size()) {
      name.resize(length);
      return std::filesystem::path(name).parent_path();
    }
    name.resize(name.size() * 2);
  }
}

bool IsWritableDirectory(const std::filesystem::path& directory) {
  // Windows keeps write permission in access lists that only an attempt
  // reads right: create a file that goes away when closed.
  const std::filesystem::path probe = directory / (L".torvane-write-test-" + std::to_wstring(::GetCurrentProcessId()));
  const HANDLE file = ::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return ::GetLastError() == ERROR_FILE_EXISTS;
  ::CloseHandle(file);
  return true;
}

std::filesystem::path LocalAppDataDir() {
  // The known folder rather than the variable, which a user may have unset.
  PWSTR folder = nullptr;
  std::filesystem::path result;
  if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &folder))) result = folder;
  ::CoTaskMemFree(folder);
  return result;
}

}  // namespace torvane::platform
