// jvlink-test-component.dll: a stand-in for the JV-Link component that the
// tests register in Wine prefixes of their own under the component's ProgID
// "JVDTLab.JVLink", so that the bridge is tested end to end without the
// real component. It is the stand-in (JVLinkStandIn) behind IDispatch:
//   TORVANE_TEST_DELIVERIES  the delivery folder it serves
//   TORVANE_TEST_CACHE       where it keeps what it fetched
//   TORVANE_TEST_PACE_MS     milliseconds spent on fetching a file (default the stand-in's)
//   TORVANE_TEST_FAULT       "open:CODE"      JVOpen answers CODE
//                            "read:CODE@N"    JVRead answers CODE instead of record N (from 1)
//                            "crash@N"        the process ends at record N
//                            "hang@N"         JVRead never returns at record N
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <olectl.h>

#include <atomic>
#include <cstdlib>
#include <optional>
#include <string>

#include "jvlink/JVLinkStandIn.h"

namespace {

using torvane::JVLinkStandIn;
using torvane::StandInSettings;

// {6E1B0C52-7F43-4B7E-9D59-3C1A2F8E4D17}: this test component's own class.
constexpr CLSID kTestClsid = {0x6e1b0c52, 0x7f43, 0x4b7e, {0x9d, 0x59, 0x3c, 0x1a, 0x2f, 0x8e, 0x4d, 0x17}};
constexpr wchar_t kClsidText[] = L"{6E1B0C52-7F43-4B7E-9D59-3C1A2F8E4D17}";
constexpr wchar_t kProgID[] = L"JVDTLab.JVLink";

HMODULE module = nullptr;
std::atomic<long> objects{0};

std::wstring Environment(const wchar_t* name) {
  wchar_t value[32768];
  const DWORD length = GetEnvironmentVariableW(name, value, 32768);
  return length > 0 && length < 32768 ? std::wstring(value, length) : std::wstring();
}

struct Fault {
  enum class Kind { kNone, kOpenCode, kReadCode, kCrash, kHang } kind = Kind::kNone;
  std::int32_t code = 0;
  long record = 0;
};

Fault ParseFault(const std::wstring& text) {
  Fault fault;
  const auto number = [](const std::wstring& digits) { return std::wcstol(digits.c_str(), nullptr, 10); };
  const std::size_t at = text.find(L'@');
  const std::wstring head = text.substr(0, at);
  if (at != std::wstring::npos) fault.record = number(text.substr(at + 1));
  if (head.rfind(L"open:", 0) == 0) {
    fault.kind = Fault::Kind::kOpenCode;
    fault.code = number(head.substr(5));
  } else if (head.rfind(L"read:", 0) == 0) {
    fault.kind = Fault::Kind::kReadCode;
    fault.code = number(head.substr(5));
  } else if (head == L"crash") {
    fault.kind = Fault::Kind::kCrash;
  } else if (head == L"hang") {
    fault.kind = Fault::Kind::kHang;
  }
  return fault;
}

StandInSettings TestSettings() {
  StandInSettings settings;
  settings.serviceKey = std::string(torvane::kTrialServiceKey);
  settings.deliveryFolder = Environment(L"TORVANE_TEST_DELIVERIES");
  settings.cacheFolder = Environment(L"TORVANE_TEST_CACHE");
  const std::wstring pace = Environment(L"TORVANE_TEST_PACE_MS");
  if (!pace.empty()) settings.downloadPaceMs = static_cast<int>(std::wcstol(pace.c_str(), nullptr, 10));
  return settings;
}

std::u16string FromBstr(BSTR text) {
  return text ? std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text)) : std::u16string();
}

void SetBstr(BSTR* target, const std::u16string& text) {
  SysFreeString(*target);
  *target = SysAllocStringLen(reinterpret_cast<const wchar_t*>(text.c_str()), static_cast<UINT>(text.size()));
}

enum Method : DISPID { kJVInit = 1, kJVSetUIProperties, kJVOpen, kJVStatus, kJVRead, kJVCancel, kJVClose };

constexpr struct {
  const wchar_t* name;
  DISPID id;
} kMethods[] = {{L"JVInit", kJVInit},  {L"JVSetUIProperties", kJVSetUIProperties},
                {L"JVOpen", kJVOpen},  {L"JVStatus", kJVStatus},
                {L"JVRead", kJVRead},  {L"JVCancel", kJVCancel},
                {L"JVClose", kJVClose}};

// The arguments of one Invoke, first parameter first; wrong kinds are
// reported as the type mismatch they are.
class Arguments {
 public:
  explicit Arguments(DISPPARAMS* params) : params_(params) {}
  bool Count(unsigned count) const { return params_ && params_->cArgs == count && params_->cNamedArgs == 0; }
  VARIANTARG& At(unsigned index) const { return params_->rgvarg[params_->cArgs - 1 - index]; }
  std::optional<std::u16string> InString(unsigned index) const {
    VARIANTARG& arg = At(index);
    if (arg.vt == VT_BSTR) return FromBstr(arg.bstrVal);
    if (arg.vt == (VT_BYREF | VT_BSTR)) return FromBstr(*arg.pbstrVal);
    return std::nullopt;
  }
  std::optional<std::int32_t> InLong(unsigned index) const {
    VARIANTARG& arg = At(index);
    if (arg.vt == VT_I4) return arg.lVal;
    if (arg.vt == VT_I2) return arg.iVal;
    if (arg.vt == (VT_BYREF | VT_I4)) return *arg.plVal;
    return std::nullopt;
  }
  LONG* OutLong(unsigned index) const { return At(index).vt == (VT_BYREF | VT_I4) ? At(index).plVal : nullptr; }
  BSTR* OutString(unsigned index) const { return At(index).vt == (VT_BYREF | VT_BSTR) ? At(index).pbstrVal : nullptr; }

 private:
  DISPPARAMS* params_;
};

class TestJVLink final : public IDispatch {
 public:
  TestJVLink() : standIn_(TestSettings), fault_(ParseFault(Environment(L"TORVANE_TEST_FAULT"))) { ++objects; }
  ~TestJVLink() { --objects; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (iid != IID_IUnknown && iid != IID_IDispatch) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const long left = --references_;
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    HRESULT result = S_OK;
    for (UINT i = 0; i < count; ++i) {
      ids[i] = DISPID_UNKNOWN;
      for (const auto& method : kMethods)
        if (i == 0 && lstrcmpiW(names[0], method.name) == 0) ids[0] = method.id;
      if (ids[i] == DISPID_UNKNOWN) result = DISP_E_UNKNOWNNAME;
    }
    return result;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                   UINT*) override {
    if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
    const Arguments args(params);
    std::int32_t code = 0;
    switch (id) {
      case kJVInit: {
        if (!args.Count(1)) return DISP_E_BADPARAMCOUNT;
        const auto sid = args.InString(0);
        if (!sid) return DISP_E_TYPEMISMATCH;
        code = standIn_.JVInit(*sid);
        break;
      }
      case kJVSetUIProperties:
      case kJVStatus:
      case kJVCancel:
      case kJVClose:
        if (!args.Count(0)) return DISP_E_BADPARAMCOUNT;
        if (id == kJVCancel) {
          standIn_.JVCancel();
          if (result) VariantInit(result);
          return S_OK;
        }
        code = id == kJVSetUIProperties ? standIn_.JVSetUIProperties()
               : id == kJVStatus        ? standIn_.JVStatus()
                                        : standIn_.JVClose();
        break;
      case kJVOpen: {
        if (!args.Count(6)) return DISP_E_BADPARAMCOUNT;
        const auto dataKinds = args.InString(0);
        const auto from = args.InString(1);
        const auto option = args.InLong(2);
        LONG* readCount = args.OutLong(3);
        LONG* downloadCount = args.OutLong(4);
        BSTR* stamp = args.OutString(5);
        if (!dataKinds || !from || !option || !readCount || !downloadCount || !stamp) return DISP_E_TYPEMISMATCH;
        std::int32_t reads = 0, downloads = 0;
        std::u16string last;
        code = standIn_.JVOpen(*dataKinds, *from, *option, reads, downloads, last);
        if (fault_.kind == Fault::Kind::kOpenCode) {
          standIn_.JVClose();
          code = fault_.code;
          reads = downloads = 0;
          last.clear();
        }
        *readCount = reads;
        *downloadCount = downloads;
        SetBstr(stamp, last);
        recordsRead_ = 0;
        break;
      }
      case kJVRead: {
        if (!args.Count(3)) return DISP_E_BADPARAMCOUNT;
        BSTR* buff = args.OutString(0);
        LONG* size = args.OutLong(1);
        BSTR* fileName = args.OutString(2);
        if (!buff || !size || !fileName) return DISP_E_TYPEMISMATCH;
        code = Read(*buff, *size, *fileName);
        break;
      }
      default:
        return DISP_E_MEMBERNOTFOUND;
    }
    if (result) {
      VariantInit(result);
      result->vt = VT_I4;
      result->lVal = code;
    }
    return S_OK;
  }

 private:
  std::int32_t Read(BSTR& buff, LONG& size, BSTR& fileName) {
    const bool faultHere =
        fault_.kind != Fault::Kind::kNone && fault_.kind != Fault::Kind::kOpenCode && recordsRead_ + 1 == fault_.record;
    std::u16string text, name;
    std::int32_t length = size;
    std::int32_t code = standIn_.JVRead(text, length, name);
    if (code > 0 && faultHere) {
      if (fault_.kind == Fault::Kind::kCrash) TerminateProcess(GetCurrentProcess(), 3);
      if (fault_.kind == Fault::Kind::kHang) Sleep(INFINITE);
      code = fault_.code;
    }
    if (code > 0) {
      ++recordsRead_;
      SetBstr(&buff, text);
      size = length;
    }
    SetBstr(&fileName, name);
    return code;
  }

  std::atomic<long> references_{1};
  JVLinkStandIn standIn_;
  const Fault fault_;
  long recordsRead_ = 0;
};

class Factory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (iid != IID_IUnknown && iid != IID_IClassFactory) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = static_cast<IClassFactory*>(this);
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }  // static: lives as long as the module
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    auto* instance = new TestJVLink();
    const HRESULT result = instance->QueryInterface(iid, object);
    instance->Release();
    return result;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    objects += lock ? 1 : -1;
    return S_OK;
  }
};

Factory factory;

bool SetKey(const std::wstring& path, const wchar_t* name, const std::wstring& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  const LONG written = RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                      static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return written == ERROR_SUCCESS;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) module = instance;
  return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  if (clsid != kTestClsid) return CLASS_E_CLASSNOTAVAILABLE;
  return factory.QueryInterface(iid, object);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return objects == 0 ? S_OK : S_FALSE; }

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return SELFREG_E_CLASS;
  const std::wstring clsidKey = std::wstring(L"CLSID\\") + kClsidText;
  const bool registered = SetKey(kProgID, nullptr, L"JV-Link test component") &&
                          SetKey(std::wstring(kProgID) + L"\\CLSID", nullptr, kClsidText) &&
                          SetKey(clsidKey, nullptr, L"JV-Link test component") &&
                          SetKey(clsidKey + L"\\ProgID", nullptr, kProgID) &&
                          SetKey(clsidKey + L"\\InprocServer32", nullptr, std::wstring(path, length)) &&
                          SetKey(clsidKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
  return registered ? S_OK : SELFREG_E_CLASS;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  const std::wstring clsidKey = std::wstring(L"CLSID\\") + kClsidText;
  RegDeleteTreeW(HKEY_CLASSES_ROOT, clsidKey.c_str());
  RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgID);
  return S_OK;
}
