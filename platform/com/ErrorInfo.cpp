#include "platform/com/ErrorInfo.h"

#include <string>

#include "platform/com/Bstr.h"
#include "platform/com/CodePage.h"

namespace {

class ErrorObject final : public ComObject<IErrorInfo, ICreateErrorInfo> {
 public:
  HRESULT STDMETHODCALLTYPE GetGUID(GUID* guid) override {
    if (guid == nullptr) return E_INVALIDARG;
    *guid = guid_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetSource(BSTR* source) override { return Give(source_, source); }
  HRESULT STDMETHODCALLTYPE GetDescription(BSTR* description) override {
    return Give(description_, description);
  }
  HRESULT STDMETHODCALLTYPE GetHelpFile(BSTR* helpFile) override {
    return Give(helpFile_, helpFile);
  }
  HRESULT STDMETHODCALLTYPE GetHelpContext(DWORD* helpContext) override {
    if (helpContext == nullptr) return E_INVALIDARG;
    *helpContext = helpContext_;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE SetGUID(REFGUID guid) override {
    guid_ = guid;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetSource(LPOLESTR source) override { return Keep(source, source_); }
  HRESULT STDMETHODCALLTYPE SetDescription(LPOLESTR description) override {
    return Keep(description, description_);
  }
  HRESULT STDMETHODCALLTYPE SetHelpFile(LPOLESTR helpFile) override {
    return Keep(helpFile, helpFile_);
  }
  HRESULT STDMETHODCALLTYPE SetHelpContext(DWORD helpContext) override {
    helpContext_ = helpContext;
    return S_OK;
  }

 private:
  static HRESULT Give(const std::u16string& text, BSTR* out) {
    if (out == nullptr) return E_INVALIDARG;
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
  }
  static HRESULT Keep(LPOLESTR text, std::u16string& field) {
    field = text != nullptr ? std::u16string(text) : std::u16string();
    return S_OK;
  }

  GUID guid_{};
  std::u16string source_, description_, helpFile_;
  DWORD helpContext_ = 0;
};

thread_local ComPtr<IErrorInfo> t_errorInfo;

}  // namespace

HRESULT CreateErrorInfo(ICreateErrorInfo** created) {
  if (created == nullptr) return E_INVALIDARG;
  *created = new ErrorObject;
  return S_OK;
}

HRESULT GetErrorInfo(ULONG reserved, IErrorInfo** info) {
  if (info == nullptr || reserved != 0) return E_INVALIDARG;
  *info = t_errorInfo.Detach();
  return *info != nullptr ? S_OK : S_FALSE;
}

HRESULT SetErrorInfo(ULONG reserved, IErrorInfo* info) {
  if (reserved != 0) return E_INVALIDARG;
  t_errorInfo = ComPtr<IErrorInfo>(info);
  return S_OK;
}

HRESULT ReportError(HRESULT failure, const char* description) {
  ComPtr<ICreateErrorInfo> created;
  if (SUCCEEDED(CreateErrorInfo(created.ReleaseAndGetAddressOf()))) {
    const std::u16string text = WideFromUtf8(description != nullptr ? description : "");
    created->SetDescription(const_cast<LPOLESTR>(text.c_str()));
    ComPtr<IErrorInfo> info;
    if (SUCCEEDED(created.As(info))) SetErrorInfo(0, info.Get());
  }
  return failure;
}
