#pragma once
// What the three facades define alike (used once in each facade's source).

#include "controls/SlotDefinitions.h"

#define SG_DEFINE_FACADE(Cls, clsidText)                                                     \
  CObject* Cls::CreateObject() { return new Cls(2); }                                        \
  IMPLEMENT_RUNTIMECLASS(Cls, CWnd, 0xFFFF, Cls::CreateObject)                               \
  Cls::~Cls() {                                                                              \
    try {                                                                                    \
      Detach();                                                                              \
    } catch (...) {                                                                          \
    }                                                                                        \
  }                                                                                          \
  const CLSID& Cls::GetClsid() {                                                             \
    static constexpr CLSID clsid = GuidFromText(clsidText);                                  \
    return clsid;                                                                            \
  }                                                                                          \
  BOOL Cls::Create(LPCSTR, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,   \
                   UINT id, void*) {                                                         \
    return CreateHosted("{" clsidText "}", windowName, style, rect, parent, id);             \
  }                                                                                          \
  CallFrame Cls::Frame() const {                                                             \
    auto* self = const_cast<Cls*>(this);                                                     \
    bool release = false;                                                                    \
    IUnknown* p = self->GetInterface(&release);                                              \
    return CallFrame(p, release, m_holder ? m_holder->GetThreadOption() : GetThreadOption(), \
                     kClassName);                                                            \
  }
