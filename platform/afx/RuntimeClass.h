#pragma once
// Run-time class records: each class that declares one can be tested with
// IsKindOf, created by its record (dynamic creation) and, when serial, found
// by name so that an archive can recreate its objects. The records are
// constant-initialised, so they are usable during static initialisation.

#include "platform/win/WinTypes.h"

class CObject;
class CArchive;

constexpr UINT VERSIONABLE_SCHEMA = 0x80000000u;
constexpr UINT AFX_NONSERIAL_SCHEMA = 0xFFFFu;  // schema of non-serial classes

struct CRuntimeClass {
  LPCSTR m_lpszClassName;
  int m_nObjectSize;
  UINT m_wSchema;                         // AFX_NONSERIAL_SCHEMA for classes that are not serial
  CObject* (*m_pfnCreateObject)();        // null: no dynamic creation
  CRuntimeClass* (*m_pfnGetBaseClass)();  // null only for CObject
  CRuntimeClass* m_pNextClass;            // link of the registry of serial classes

  CRuntimeClass* GetBaseClass() const { return m_pfnGetBaseClass ? m_pfnGetBaseClass() : nullptr; }
  BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
  // A new object of this class, or null when the class has no creation
  // function or the allocation fails.
  CObject* CreateObject();

  // Registered (serial) classes by name; null when unknown.
  static CRuntimeClass* FromName(LPCSTR lpszClassName);
  static CObject* CreateObject(LPCSTR lpszClassName);

  // The archive form of a class reference: schema (2 bytes), name length
  // (2 bytes), the name's characters.
  void Store(CArchive& ar) const;
  // Reads a stored class reference; null when the name is not registered
  // or is too long. *pwSchemaNum receives the stored schema.
  static CRuntimeClass* Load(CArchive& ar, UINT* pwSchemaNum);
};

// Adds a class to the registry; IMPLEMENT_SERIAL makes one per class.
struct AFX_CLASSINIT {
  explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

// Object extraction for IMPLEMENT_SERIAL's operator>> (CArchive::ReadObject).
CObject* AfxReadObjectFromArchive(CArchive& ar, const CRuntimeClass* pClassRefRequested);

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

// One record, for classes whose record is written by hand (templates,
// names that differ from the C++ name).
#define AFX_RUNTIME_CLASS_RECORD(class_type, name_text, base_class_name, wSchema, pfnNew) \
  {                                                                                       \
    name_text, static_cast<int>(sizeof(class_type)), wSchema, pfnNew,                     \
        &base_class_name::GetThisClass, nullptr                                           \
  }

#define DECLARE_DYNAMIC(class_name)       \
 public:                                  \
  static CRuntimeClass class##class_name; \
  static CRuntimeClass* GetThisClass();   \
  CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
  DECLARE_DYNAMIC(class_name)         \
  static CObject* CreateObject();

#define DECLARE_SERIAL(class_name) \
  DECLARE_DYNCREATE(class_name)    \
  friend CArchive& operator>>(CArchive& ar, class_name*& pOb);

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)               \
  CRuntimeClass class_name::class##class_name =                                            \
      AFX_RUNTIME_CLASS_RECORD(class_name, #class_name, base_class_name, wSchema, pfnNew); \
  CRuntimeClass* class_name::GetThisClass() { return &class_name::class##class_name; }     \
  CRuntimeClass* class_name::GetRuntimeClass() const { return &class_name::class##class_name; }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, AFX_NONSERIAL_SCHEMA, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                    \
  CObject* class_name::CreateObject() { return new class_name; }            \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, AFX_NONSERIAL_SCHEMA, \
                         class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                               \
  CObject* class_name::CreateObject() { return new class_name; }                             \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject)     \
  static const AFX_CLASSINIT _init_##class_name(&class_name::class##class_name);             \
  CArchive& operator>>(CArchive& ar, class_name*& pOb) {                                     \
    pOb = static_cast<class_name*>(AfxReadObjectFromArchive(ar, RUNTIME_CLASS(class_name))); \
    return ar;                                                                               \
  }
