#include "win32/annotations.h"
// The GUIDs of oleacc.h are defined here, the one place that uses them.
#include <initguid.h>
#include <oleacc.h>

namespace win32_ui {
namespace {

// The usual cast of GetProcAddress's generic result to the function's own type.
template <typename Function>
Function Find(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

void Annotate(IAccPropServices* services, HWND control, MSAAPROPID property, const wchar_t* text) {
  if (services == nullptr || control == nullptr) return;
  if (text != nullptr) {
    services->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, property, text);
  } else {
    services->ClearHwndProps(control, OBJID_CLIENT, CHILDID_SELF, &property, 1);
  }
}

}  // namespace

Annotations::~Annotations() {
  if (services_ != nullptr) services_->Release();
  using Uninitialize = void(WINAPI*)();
  if (com_started_) {
    if (auto uninitialize = Find<Uninitialize>(ole_, "CoUninitialize")) uninitialize();
  }
  if (ole_ != nullptr) FreeLibrary(ole_);
}

IAccPropServices* Annotations::Services() {
  if (loaded_) return services_;
  loaded_ = true;
  ole_ = LoadLibraryW(L"ole32.dll");
  using Initialize = HRESULT(WINAPI*)(LPVOID, DWORD);
  using CreateInstance = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
  const auto initialize = Find<Initialize>(ole_, "CoInitializeEx");
  const auto create = Find<CreateInstance>(ole_, "CoCreateInstance");
  if (initialize == nullptr || create == nullptr) return nullptr;
  com_started_ = SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
  if (FAILED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                    reinterpret_cast<void**>(&services_)))) {
    services_ = nullptr;
  }
  return services_;
}

void Annotations::SetName(HWND control, const wchar_t* text) {
  Annotate(Services(), control, PROPID_ACC_NAME, text);
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

void Annotations::SetDescription(HWND control, const wchar_t* text) {
  Annotate(Services(), control, PROPID_ACC_DESCRIPTION, text);
  NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace win32_ui
