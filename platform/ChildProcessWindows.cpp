// The Windows implementation of the child process: CreateProcessW with an
// anonymous pipe for its input and a named pipe, read overlapped, for its
// output, so that a read can wait for data, the child's end and a deadline
// at once.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <system_error>

#include "platform/ChildProcess.h"
#include "platform/Paths.h"

namespace torvane::platform {
namespace {

constexpr auto kExitGrace = std::chrono::milliseconds(2000);
constexpr DWORD kOutputPipeBytes = 1 << 20;

HANDLE Handle(std::intptr_t value) { return reinterpret_cast<HANDLE>(value); }
std::intptr_t Value(HANDLE handle) { return reinterpret_cast<std::intptr_t>(handle); }

std::wstring Wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), size);
  return out;
}

std::system_error LastError(const std::string& what) {
  const DWORD code = GetLastError();
  if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND)
    return std::system_error(std::make_error_code(std::errc::no_such_file_or_directory), what);
  return std::system_error(std::error_code(static_cast<int>(code), std::system_category()), what);
}

// One argument as the C runtime's parser reads it back: quoted, with the
// backslashes before a quote doubled.
void AppendArgument(std::wstring& line, const std::wstring& argument) {
  if (!line.empty()) line += L' ';
  if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    line += argument;
    return;
  }
  line += L'"';
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    line.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    line += c;
  }
  line.append(2 * backslashes, L'\\');
  line += L'"';
}

// This process's environment block with the defaults it lacks.
std::wstring EnvironmentBlock(const std::vector<ChildProcess::Variable>& defaults) {
  std::wstring block;
  wchar_t* strings = GetEnvironmentStringsW();
  for (const wchar_t* entry = strings; *entry; entry += wcslen(entry) + 1) block.append(entry).push_back(L'\0');
  FreeEnvironmentStringsW(strings);
  for (const auto& [name, value] : defaults) {
    const std::wstring wideName = Wide(name);
    if (GetEnvironmentVariableW(wideName.c_str(), nullptr, 0) == 0)
      block.append(wideName).append(L"=").append(Wide(value)).push_back(L'\0');
  }
  block.push_back(L'\0');
  return block;
}

std::wstring UniquePipeName() {
  static std::atomic<unsigned> counter{0};
  return L"\\\\.\\pipe\\torvane-child-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& command, const std::vector<Variable>& environmentDefaults) {
  if (command.empty())
    throw std::system_error(std::make_error_code(std::errc::invalid_argument), "no program to start");
  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE childInput = nullptr;
  HANDLE input = nullptr;
  if (!CreatePipe(&childInput, &input, &inheritable, 0)) throw LastError("cannot make a pipe");
  SetHandleInformation(input, HANDLE_FLAG_INHERIT, 0);
  const std::wstring pipeName = UniquePipeName();
  HANDLE output =
      CreateNamedPipeW(pipeName.c_str(), PIPE_ACCESS_INBOUND | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
                       PIPE_TYPE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1, 0, kOutputPipeBytes, 0, nullptr);
  HANDLE childOutput = output == INVALID_HANDLE_VALUE
                           ? INVALID_HANDLE_VALUE
                           : CreateFileW(pipeName.c_str(), GENERIC_WRITE, 0, &inheritable, OPEN_EXISTING, 0, nullptr);
  HANDLE readDone = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  const auto closeAll = [&] {
    for (HANDLE handle : {childInput, input, output, childOutput, readDone})
      if (handle && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  };
  if (output == INVALID_HANDLE_VALUE || childOutput == INVALID_HANDLE_VALUE || !readDone) {
    const std::system_error error = LastError("cannot make a pipe");
    closeAll();
    throw error;
  }

  std::wstring line;
  for (const std::string& argument : command) AppendArgument(line, Wide(argument));
  std::wstring environment = EnvironmentBlock(environmentDefaults);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = childInput;
  startup.hStdOutput = childOutput;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT | CREATE_NO_WINDOW,
                      environment.data(), nullptr, &startup, &started)) {
    const std::system_error error = LastError("cannot start " + command.front());
    closeAll();
    throw error;
  }
  CloseHandle(started.hThread);
  CloseHandle(childInput);
  CloseHandle(childOutput);
  process_ = Value(started.hProcess);
  input_ = Value(input);
  output_ = Value(output);
  readDone_ = Value(readDone);
}

ChildProcess::~ChildProcess() {
  CloseHandle(Handle(input_));
  if (WaitForSingleObject(Handle(process_), static_cast<DWORD>(kExitGrace.count())) != WAIT_OBJECT_0) {
    TerminateProcess(Handle(process_), 1);
    WaitForSingleObject(Handle(process_), INFINITE);
  }
  CloseHandle(Handle(output_));
  CloseHandle(Handle(readDone_));
  CloseHandle(Handle(process_));
}

bool ChildProcess::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    if (!WriteFile(Handle(input_), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

ChildProcess::ReadStatus ChildProcess::Read(char* buffer, std::size_t size, std::size_t& got, Deadline deadline) {
  got = 0;
  OVERLAPPED read{};
  read.hEvent = Handle(readDone_);
  ResetEvent(read.hEvent);
  DWORD count = 0;
  if (ReadFile(Handle(output_), buffer, static_cast<DWORD>(size), &count, &read)) {
    got = count;
    return count > 0 ? ReadStatus::kData : ReadStatus::kEnded;
  }
  if (GetLastError() != ERROR_IO_PENDING) return ReadStatus::kEnded;
  const auto remaining = [&]() -> DWORD {
    if (deadline == Deadline::max()) return INFINITE;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return static_cast<DWORD>(std::clamp<long long>(left.count(), 0, INFINITE - 1));
  };
  // The child's end closes its side of the pipe, which ends the read too.
  const HANDLE waits[] = {read.hEvent, Handle(process_)};
  DWORD woken = WaitForMultipleObjects(2, waits, FALSE, remaining());
  if (woken == WAIT_OBJECT_0 + 1) woken = WaitForSingleObject(read.hEvent, remaining());
  if (woken != WAIT_OBJECT_0) CancelIoEx(Handle(output_), &read);
  // The read may have completed while it was cancelled; its bytes count.
  const BOOL done = GetOverlappedResult(Handle(output_), &read, &count, TRUE);
  got = count;
  if (count > 0) return ReadStatus::kData;
  if (woken != WAIT_OBJECT_0) return ReadStatus::kTimedOut;
  return done ? ReadStatus::kData : ReadStatus::kEnded;
}

void ChildProcess::Kill() {
  if (!HasEnded()) TerminateProcess(Handle(process_), 1);
}

bool ChildProcess::HasEnded() {
  if (!ended_) ended_ = WaitForSingleObject(Handle(process_), 0) == WAIT_OBJECT_0;
  return ended_;
}

std::vector<std::string> WindowsProgramCommand(const std::filesystem::path& program) { return {Utf8OfPath(program)}; }

bool WindowsProgramsRunNatively() { return true; }

}  // namespace torvane::platform
