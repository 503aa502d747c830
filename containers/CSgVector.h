#pragma once
// The abstract one-dimensional container under every vector: it owns the
// element count and fixes the virtual interface through which a vector shows
// its storage, changes its size and exchanges data with other containers.

#include "containers/CSgDataObject.h"

namespace SG {

class CSgDataProxy;

class CSgVector : public CSgLockableDataObject {
 public:
  CSgVector() = default;
  // Copying the count and elements is the derived class's work.
  CSgVector(const CSgVector&) : CSgLockableDataObject() {}
  CSgVector& operator=(const CSgVector&) { return *this; }
  ~CSgVector() override = default;

  unsigned int GetSize() const { return m_count; }

  // The element array (null when empty), untyped.
  virtual void* GetRawData() = 0;
  virtual const void* GetRawData() const = 0;
  // Nothing survives a change of count; see the typed vector.
  virtual void SetSize(unsigned int count, BOOL noInit) = 0;
  virtual void SetSizeLike(const CSgVector& other, BOOL noInit) = 0;
  // The first min(old, new) elements survive.
  virtual void Resize(unsigned int count, BOOL noInit) = 0;

  // Data proxy exchange; a vector that does not take part ignores the proxy.
  virtual void AssignFromComplexData(CSgDataProxy&) {}
  virtual void AssignFromDoubleData(CSgDataProxy&) {}
  virtual void ResizeToData(CSgDataProxy&) {}
  virtual void ProvideComplexData(CSgDataProxy&) const {}
  virtual void ProvideDoubleData(CSgDataProxy&) const {}
  virtual void ProvideRawData(CSgDataProxy&) const {}
  virtual void ProvideOutputBuffer(CSgDataProxy&) {}
  virtual void ProvideDoubleOutputBuffer(CSgDataProxy&) {}
  virtual void ProvideRawOutputBuffer(CSgDataProxy&) {}

 protected:
  void SetCount(unsigned int count) { m_count = count; }
  // Sets the count to 0 without touching the storage.
  void ResetCount() { m_count = 0; }

 private:
  unsigned int m_count = 0;
};

// The length rule of every two-vector operation: the smaller count.
inline unsigned int MinVectorSize(const CSgVector& a, const CSgVector& b) {
  return b.GetSize() < a.GetSize() ? b.GetSize() : a.GetSize();
}

}  // namespace SG
