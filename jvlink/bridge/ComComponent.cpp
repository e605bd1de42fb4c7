#include "jvlink/bridge/ComComponent.h"

#include <objbase.h>
#include <oleauto.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace torvane::bridge {
namespace {

std::string Utf8(const wchar_t* text, int length = -1) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
  if (length < 0) out.pop_back();  // the terminating zero
  return out;
}

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

std::u16string FromBstr(BSTR text) {
  return text ? std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text)) : std::u16string();
}

// A BSTR owned for the length of one call.
class OwnedBstr {
 public:
  OwnedBstr() = default;
  explicit OwnedBstr(const std::u16string& text)
      : value_(SysAllocStringLen(Wide(text), static_cast<UINT>(text.size()))) {}
  ~OwnedBstr() { SysFreeString(value_); }
  OwnedBstr(const OwnedBstr&) = delete;
  OwnedBstr& operator=(const OwnedBstr&) = delete;
  BSTR* Address() { return &value_; }
  BSTR Get() const { return value_; }

 private:
  BSTR value_ = nullptr;
};

VARIANTARG InString(const OwnedBstr& text) {
  VARIANTARG arg;
  VariantInit(&arg);
  arg.vt = VT_BSTR;
  arg.bstrVal = text.Get();
  return arg;
}

VARIANTARG InLong(std::int32_t value) {
  VARIANTARG arg;
  VariantInit(&arg);
  arg.vt = VT_I4;
  arg.lVal = value;
  return arg;
}

VARIANTARG OutLong(LONG& value) {
  VARIANTARG arg;
  VariantInit(&arg);
  arg.vt = VT_BYREF | VT_I4;
  arg.plVal = &value;
  return arg;
}

VARIANTARG OutString(OwnedBstr& text) {
  VARIANTARG arg;
  VariantInit(&arg);
  arg.vt = VT_BYREF | VT_BSTR;
  arg.pbstrVal = text.Address();
  return arg;
}

}  // namespace

std::string HresultText(HRESULT result) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result));
  wchar_t* text = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string reason = length > 0 ? Utf8(text, static_cast<int>(length)) : std::string();
  LocalFree(text);
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' ')) reason.pop_back();
  return reason.empty() ? code : std::string(code) + " (" + reason + ")";
}

ComComponent::~ComComponent() {
  if (dispatch_) dispatch_->Release();
}

bool ComComponent::Create(const wchar_t* progID, std::string& failure) {
  std::string name = "\"";
  name += Utf8(progID);
  name += "\"";
  CLSID clsid;
  HRESULT result = CLSIDFromProgID(progID, &clsid);
  if (FAILED(result)) {
    failure = name + "が登録されていません(CLSIDFromProgID: " + HresultText(result) + ")";
    return false;
  }
  result = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&dispatch_));
  if (FAILED(result)) {
    dispatch_ = nullptr;
    failure = name + "を作成できません(CoCreateInstance: " + HresultText(result) + ")";
    return false;
  }
  return true;
}

CallResult ComComponent::Invoke(const wchar_t* method, VARIANTARG* args, unsigned count, bool hasResult) {
  CallResult call;
  auto found = ids_.find(method);
  if (found == ids_.end()) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR name = const_cast<LPOLESTR>(method);
    const HRESULT result = dispatch_->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(result)) {
      call.failure = "JV-Linkに" + Utf8(method) + "がありません(" + HresultText(result) + ")";
      return call;
    }
    found = ids_.emplace(method, id).first;
  }
  // IDispatch takes the arguments last first.
  std::vector<VARIANTARG> reversed(args, args + count);
  std::reverse(reversed.begin(), reversed.end());
  DISPPARAMS params{reversed.data(), nullptr, count, 0};
  VARIANT value;
  VariantInit(&value);
  EXCEPINFO exception{};
  UINT badArgument = 0;
  const HRESULT result = dispatch_->Invoke(found->second, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                           &value, &exception, &badArgument);
  if (FAILED(result)) {
    call.failure = Utf8(method) + " failed: " + HresultText(result);
    if (result == DISP_E_EXCEPTION && exception.bstrDescription) call.failure += ": " + Utf8(exception.bstrDescription);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return call;
  }
  if (hasResult) {
    const HRESULT converted = VariantChangeType(&value, &value, 0, VT_I4);
    if (FAILED(converted)) {
      VariantClear(&value);
      call.failure = Utf8(method) + "が数値を返しませんでした(" + HresultText(converted) + ")";
      return call;
    }
    call.code = value.lVal;
  }
  VariantClear(&value);
  call.ok = true;
  return call;
}

CallResult ComComponent::JVInit(const std::u16string& sid) {
  OwnedBstr text(sid);
  VARIANTARG args[] = {InString(text)};
  return Invoke(L"JVInit", args, 1, true);
}

OpenResult ComComponent::JVOpen(const std::u16string& dataSpec, const std::u16string& fromTime, std::int32_t option) {
  OwnedBstr dataKinds(dataSpec);
  OwnedBstr from(fromTime);
  LONG readCount = 0;
  LONG downloadCount = 0;
  OwnedBstr stamp;
  VARIANTARG args[] = {InString(dataKinds), InString(from),         InLong(option),
                       OutLong(readCount),  OutLong(downloadCount), OutString(stamp)};
  OpenResult open;
  open.call = Invoke(L"JVOpen", args, 6, true);
  open.readCount = readCount;
  open.downloadCount = downloadCount;
  open.lastFileTimestamp = FromBstr(stamp.Get());
  return open;
}

CallResult ComComponent::JVRead(ReadItem& item, std::int32_t& size) {
  OwnedBstr buff;
  LONG length = size;
  OwnedBstr fileName;
  VARIANTARG args[] = {OutString(buff), OutLong(length), OutString(fileName)};
  CallResult call = Invoke(L"JVRead", args, 3, true);
  size = length;
  item.result = call.code;
  item.size = call.code > 0 ? length : 0;
  if (call.code > 0) item.buff = FromBstr(buff.Get());
  item.fileName = FromBstr(fileName.Get());
  return call;
}

CallResult ComComponent::NoArgumentCall(const wchar_t* method, bool hasResult) {
  return Invoke(method, nullptr, 0, hasResult);
}

}  // namespace torvane::bridge
