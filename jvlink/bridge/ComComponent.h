#pragma once
// The JV-Link component as the bridge calls it: created by its ProgID, its
// methods called by name through IDispatch (late binding, so no type library
// is needed), each name looked up once.
#include <windows.h>
#include <oaidl.h>

#include <cstdint>
#include <map>
#include <string>

#include "jvlink/BridgeProtocol.h"

namespace torvane::bridge {

struct CallResult {
  bool ok = false;
  std::int32_t code = 0;
  std::string failure;  // UTF-8, when not ok
};

struct OpenResult {
  CallResult call;
  std::int32_t readCount = 0;
  std::int32_t downloadCount = 0;
  std::u16string lastFileTimestamp;
};

class ComComponent {
 public:
  ComComponent() = default;
  ~ComComponent();
  ComComponent(const ComComponent&) = delete;
  ComComponent& operator=(const ComComponent&) = delete;

  // CLSIDFromProgID and CoCreateInstance in process; false with the reason.
  bool Create(const wchar_t* progID, std::string& failure);
  bool Created() const { return dispatch_ != nullptr; }

  CallResult JVInit(const std::u16string& sid);
  OpenResult JVOpen(const std::u16string& dataSpec, const std::u16string& fromTime, std::int32_t option);
  // item gets the result, and the record text and file name JVRead gave.
  CallResult JVRead(ReadItem& item, std::int32_t& size);
  // A method without arguments; its result is a code unless hasResult is false.
  CallResult NoArgumentCall(const wchar_t* method, bool hasResult = true);

 private:
  // Invokes method with args (in the order of the method's parameters).
  CallResult Invoke(const wchar_t* method, VARIANTARG* args, unsigned count, bool hasResult);

  IDispatch* dispatch_ = nullptr;
  std::map<std::wstring, DISPID> ids_;
};

// "0x80040154 (the system's text)" in UTF-8.
std::string HresultText(HRESULT result);

}  // namespace torvane::bridge
