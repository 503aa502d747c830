#pragma once
// CList<TYPE, ARG_TYPE>: the framework's doubly linked list, walked with
// POSITION values (null: no element). A position stays valid until its
// element is removed. Taking from an empty list or using a null position
// throws CInvalidArgException, as the framework's lists do.

#include "platform/afx/Exception.h"
#include "platform/afx/Object.h"
#include "platform/afx/String.h"

struct __POSITION {};
using POSITION = __POSITION*;

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
  struct Node {
    Node* next;
    Node* prev;
    TYPE data;
  };

 public:
  // The block size is the platform's allocation step; nodes are allocated
  // one by one here.
  explicit CList(INT_PTR nBlockSize = 10) : m_nBlockSize(nBlockSize) {}
  ~CList() override { RemoveAll(); }

  INT_PTR GetCount() const { return m_nCount; }
  INT_PTR GetSize() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }

  TYPE& GetHead() { return Existing(m_head)->data; }
  const TYPE& GetHead() const { return Existing(m_head)->data; }
  TYPE& GetTail() { return Existing(m_tail)->data; }
  const TYPE& GetTail() const { return Existing(m_tail)->data; }

  TYPE RemoveHead() {
    Node* node = Existing(m_head);
    TYPE value(std::move(node->data));
    Unlink(node);
    return value;
  }
  TYPE RemoveTail() {
    Node* node = Existing(m_tail);
    TYPE value(std::move(node->data));
    Unlink(node);
    return value;
  }
  POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(ToPosition(m_head), newElement); }
  POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(ToPosition(m_tail), newElement); }
  void AddHead(const CList* pNewList) {
    for (Node* n = pNewList->m_tail; n; n = n->prev) AddHead(n->data);
  }
  void AddTail(const CList* pNewList) {
    for (Node* n = pNewList->m_head; n; n = n->next) AddTail(n->data);
  }
  void RemoveAll() {
    while (m_head) Unlink(m_head);
  }

  POSITION GetHeadPosition() const { return ToPosition(m_head); }
  POSITION GetTailPosition() const { return ToPosition(m_tail); }
  // The element at rPosition; rPosition moves to the next (previous) one.
  TYPE& GetNext(POSITION& rPosition) {
    Node* node = Existing(rPosition);
    rPosition = ToPosition(node->next);
    return node->data;
  }
  const TYPE& GetNext(POSITION& rPosition) const {
    Node* node = Existing(rPosition);
    rPosition = ToPosition(node->next);
    return node->data;
  }
  TYPE& GetPrev(POSITION& rPosition) {
    Node* node = Existing(rPosition);
    rPosition = ToPosition(node->prev);
    return node->data;
  }
  const TYPE& GetPrev(POSITION& rPosition) const {
    Node* node = Existing(rPosition);
    rPosition = ToPosition(node->prev);
    return node->data;
  }
  TYPE& GetAt(POSITION position) { return Existing(position)->data; }
  const TYPE& GetAt(POSITION position) const { return Existing(position)->data; }
  void SetAt(POSITION pos, ARG_TYPE newElement) { Existing(pos)->data = newElement; }
  void RemoveAt(POSITION position) { Unlink(Existing(position)); }

  // A null position inserts at the head (InsertBefore) or tail (InsertAfter).
  POSITION InsertBefore(POSITION position, ARG_TYPE newElement) {
    Node* before = position ? Existing(position) : m_head;
    Node* node = new Node{before, before ? before->prev : m_tail, TYPE(newElement)};
    Link(node);
    return ToPosition(node);
  }
  POSITION InsertAfter(POSITION position, ARG_TYPE newElement) {
    Node* after = position ? Existing(position) : m_tail;
    Node* node = new Node{after ? after->next : m_head, after, TYPE(newElement)};
    Link(node);
    return ToPosition(node);
  }

  // The first element equal to searchValue after startAfter (from the head
  // when null); null when none.
  POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const {
    Node* node = startAfter ? Existing(startAfter)->next : m_head;
    for (; node; node = node->next) {
      if (node->data == searchValue) return ToPosition(node);
    }
    return nullptr;
  }
  // The nIndex-th element (from 0); null when out of range.
  POSITION FindIndex(INT_PTR nIndex) const {
    if (nIndex < 0 || nIndex >= m_nCount) return nullptr;
    Node* node = m_head;
    while (nIndex-- > 0) node = node->next;
    return ToPosition(node);
  }

 private:
  static POSITION ToPosition(Node* node) { return reinterpret_cast<POSITION>(node); }
  static Node* Existing(POSITION position) {
    if (!position) AfxThrowInvalidArgException();
    return reinterpret_cast<Node*>(position);
  }
  static Node* Existing(Node* node) {
    if (!node) AfxThrowInvalidArgException();
    return node;
  }
  void Link(Node* node) {
    (node->prev ? node->prev->next : m_head) = node;
    (node->next ? node->next->prev : m_tail) = node;
    ++m_nCount;
  }
  void Unlink(Node* node) {
    (node->prev ? node->prev->next : m_head) = node->next;
    (node->next ? node->next->prev : m_tail) = node->prev;
    --m_nCount;
    delete node;
  }

  Node* m_head = nullptr;
  Node* m_tail = nullptr;
  INT_PTR m_nCount = 0;
  [[maybe_unused]] INT_PTR m_nBlockSize;
};

class CStringList : public CList<CString, const CString&> {
 public:
  explicit CStringList(INT_PTR nBlockSize = 10) : CList(nBlockSize) {}
};
