// The framework's tags for objects in an archive. Each new class or object
// gets the next index (1, 2, ...; 0 is null):
//   0x0000            null object
//   0xFFFF            a new class: schema (2 bytes), name length (2), name;
//                     then the object's own data
//   0x8000 | index    a class stored before; then the object's own data
//   index (< 0x7FFF)  an object stored before
//   0x7FFF            a 32-bit tag follows (0x80000000 | class index, or an
//                     object index) for indices from 0x7FFF up
#include "platform/afx/Archive.h"

#include <memory>

namespace {

constexpr WORD kNullTag = 0;
constexpr WORD kNewClassTag = 0xFFFF;
constexpr WORD kClassTag = 0x8000;
constexpr WORD kBigObjectTag = 0x7FFF;
constexpr DWORD kBigClassTag = 0x80000000u;
constexpr WORD kMaxClassNameLength = 64;

}  // namespace

void CRuntimeClass::Store(CArchive& ar) const {
  const auto length = static_cast<WORD>(std::strlen(m_lpszClassName));
  ar << static_cast<WORD>(m_wSchema) << length;
  ar.Write(m_lpszClassName, length);
}

CRuntimeClass* CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum) {
  WORD schema = 0;
  WORD length = 0;
  ar >> schema >> length;
  if (pwSchemaNum) *pwSchemaNum = schema;
  char name[kMaxClassNameLength + 1] = {};
  if (length >= kMaxClassNameLength || ar.Read(name, length) != length) return nullptr;
  return FromName(name);
}

void CArchive::WriteTag(WORD tag, DWORD bigTag) {
  if (bigTag == 0) {
    *this << tag;
  } else {
    *this << kBigObjectTag << bigTag;
  }
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef) {
  CheckStoring();
  if (pClassRef->m_wSchema == AFX_NONSERIAL_SCHEMA)
    AfxThrowNotSupportedException();  // only serial classes can be stored
  const auto known = m_storeMap.find(pClassRef);
  if (known != m_storeMap.end()) {
    const DWORD index = known->second;
    if (index < kBigObjectTag)
      WriteTag(static_cast<WORD>(kClassTag | index), 0);
    else
      WriteTag(0, kBigClassTag | index);
    return;
  }
  *this << kNewClassTag;
  pClassRef->Store(*this);
  m_storeMap[pClassRef] = m_nMapCount++;
}

void CArchive::WriteObject(const CObject* pOb) {
  CheckStoring();
  if (!pOb) {
    *this << kNullTag;
    return;
  }
  const auto known = m_storeMap.find(pOb);
  if (known != m_storeMap.end()) {
    const DWORD index = known->second;
    if (index < kBigObjectTag)
      WriteTag(static_cast<WORD>(index), 0);
    else
      WriteTag(0, index);
    return;
  }
  WriteClass(pOb->GetRuntimeClass());
  m_storeMap[pOb] = m_nMapCount++;
  const_cast<CObject*>(pOb)->Serialize(*this);
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema,
                                   DWORD* pObTag) {
  CheckLoading();
  if (m_loadArray.empty()) m_loadArray.emplace_back();  // index 0: null
  WORD tag = 0;
  *this >> tag;
  DWORD obTag = 0;
  if (tag == kBigObjectTag)
    *this >> obTag;
  else
    obTag = (static_cast<DWORD>(tag & kClassTag) << 16) | (tag & ~kClassTag & 0xFFFFu);

  CRuntimeClass* cls = nullptr;
  UINT schema = 0;
  if (tag == kNewClassTag) {
    cls = CRuntimeClass::Load(*this, &schema);
    if (!cls) Fail(CArchiveException::badClass);
    const bool versionable = (cls->m_wSchema & VERSIONABLE_SCHEMA) != 0;
    if (!versionable && (cls->m_wSchema & 0xFFFFu) != schema) Fail(CArchiveException::badSchema);
    m_loadArray.push_back({nullptr, cls, schema});
    ++m_nMapCount;
  } else if (obTag & kBigClassTag) {
    const DWORD index = obTag & ~kBigClassTag;
    if (index == 0 || index >= m_loadArray.size() || !m_loadArray[index].cls)
      Fail(CArchiveException::badIndex);
    cls = m_loadArray[index].cls;
    schema = m_loadArray[index].schema;
  } else {
    if (!pObTag) Fail(CArchiveException::badIndex);  // an object where a class must stand
    *pObTag = obTag;
    return nullptr;
  }
  if (pClassRefRequested && !cls->IsDerivedFrom(pClassRefRequested))
    Fail(CArchiveException::badClass);
  if (pSchema) *pSchema = schema;
  return cls;
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested) {
  UINT schema = 0;
  DWORD obTag = 0;
  CRuntimeClass* cls = ReadClass(pClassRefRequested, &schema, &obTag);
  if (!cls) {
    if (obTag == 0) return nullptr;
    if (obTag >= m_loadArray.size() || !m_loadArray[obTag].object)
      Fail(CArchiveException::badIndex);
    CObject* known = m_loadArray[obTag].object;
    if (pClassRefRequested && !known->IsKindOf(pClassRefRequested))
      Fail(CArchiveException::badClass);
    return known;
  }
  std::unique_ptr<CObject> object(cls->CreateObject());
  if (!object) AfxThrowMemoryException();
  const std::size_t index = m_loadArray.size();
  m_loadArray.push_back({object.get(), nullptr, 0});
  ++m_nMapCount;
  m_nObjectSchema = schema;
  try {
    object->Serialize(*this);
  } catch (...) {
    m_loadArray[index].object = nullptr;  // freed below, never handed out
    throw;
  }
  return object.release();
}

UINT CArchive::GetObjectSchema() {
  const UINT schema = m_nObjectSchema;
  m_nObjectSchema = static_cast<UINT>(-1);
  return schema;
}

CObject* AfxReadObjectFromArchive(CArchive& ar, const CRuntimeClass* pClassRefRequested) {
  return ar.ReadObject(pClassRefRequested);
}

CArchive& operator<<(CArchive& ar, const CObject* pOb) {
  ar.WriteObject(pOb);
  return ar;
}

CArchive& operator>>(CArchive& ar, CObject*& pOb) {
  pOb = ar.ReadObject(nullptr);
  return ar;
}

CArchive& operator>>(CArchive& ar, const CObject*& pOb) {
  pOb = ar.ReadObject(nullptr);
  return ar;
}
