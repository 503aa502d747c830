#include "platform/afx/Array.h"
#include "platform/afx/List.h"
#include "platform/afx/StringArray.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

template <class Array>
std::vector<typename std::decay_t<decltype(std::declval<Array&>()[0])>> Items(const Array& a) {
  std::vector<std::decay_t<decltype(a[0])>> items;
  for (INT_PTR i = 0; i < a.GetSize(); ++i) items.push_back(a[i]);
  return items;
}

TEST(CArray, GrowthInsertionAndRemoval) {
  CArray<int, int> a;
  EXPECT_TRUE(a.IsEmpty());
  EXPECT_EQ(a.GetData(), nullptr);
  EXPECT_EQ(a.Add(1), 0);
  EXPECT_EQ(a.Add(2), 1);
  a.SetSize(5, 16);  // new elements are zero
  EXPECT_EQ(Items(a), (std::vector<int>{1, 2, 0, 0, 0}));
  a.SetAtGrow(7, 8);
  EXPECT_EQ(a.GetSize(), 8);
  EXPECT_EQ(a.GetUpperBound(), 7);
  a.InsertAt(1, 9, 2);
  EXPECT_EQ(Items(a), (std::vector<int>{1, 9, 9, 2, 0, 0, 0, 0, 0, 8}));
  a.RemoveAt(3, 6);
  EXPECT_EQ(Items(a), (std::vector<int>{1, 9, 9, 8}));
  a.InsertAt(6, 5);  // past the end: the gap is zero-filled
  EXPECT_EQ(Items(a), (std::vector<int>{1, 9, 9, 8, 0, 0, 5}));
  a.SetAt(0, 4);
  a.ElementAt(1) = 3;
  EXPECT_EQ(a.GetAt(0) + a[1], 7);
  EXPECT_EQ(a.GetData()[6], 5);
  a.SetSize(2);
  EXPECT_EQ(Items(a), (std::vector<int>{4, 3}));

  CArray<int, int> b;
  b.Copy(a);
  EXPECT_EQ(b.Append(a), 2);
  EXPECT_EQ(b.Append(b), 4);  // appending to itself doubles it
  EXPECT_EQ(Items(b), (std::vector<int>{4, 3, 4, 3, 4, 3, 4, 3}));
  b.InsertAt(1, &a);
  EXPECT_EQ(b.GetSize(), 10);
  EXPECT_EQ(b[1], 4);
  b.RemoveAll();
  EXPECT_EQ(b.GetCount(), 0);
}

TEST(CArray, BadIndicesThrow) {
  CArray<double> a;
  a.SetSize(3);
  EXPECT_THROW(a.GetAt(3), CInvalidArgException*);
  EXPECT_THROW(a[-1], CInvalidArgException*);
  EXPECT_THROW(a.SetAt(5, 1.0), CInvalidArgException*);
  EXPECT_THROW(a.RemoveAt(2, 2), CInvalidArgException*);
  EXPECT_THROW(a.SetSize(-1), CInvalidArgException*);
  EXPECT_THROW(a.InsertAt(-1, 0.0), CInvalidArgException*);
  EXPECT_EQ(a.GetSize(), 3);  // a failed call changes nothing
}

TEST(CArray, ElementsAreCopiedAsValues) {
  CArray<CArray<int, int>*> pointers;  // pointer elements start null
  pointers.SetSize(2);
  EXPECT_EQ(pointers[1], nullptr);

  CStringArray strings;
  strings.Add("one");
  strings.Add(strings[0]);  // an element of the array itself, across growth
  for (int i = 0; i < 100; ++i) strings.SetAtGrow(strings.GetSize(), strings[0]);
  EXPECT_EQ(strings.GetSize(), 102);
  EXPECT_EQ(strings[101], "one");

  CByteArray bytes;
  bytes.Add(0xFF);
  bytes.SetSize(3);
  EXPECT_EQ(bytes.GetData()[0], 0xFF);
  EXPECT_EQ(bytes[2], 0);
}

TEST(CList, AddWalkFindAndRemove) {
  CList<CString> names(10);
  EXPECT_EQ(names.GetHeadPosition(), nullptr);
  names.AddTail("b");
  names.AddTail("c");
  names.AddHead("a");
  EXPECT_EQ(names.GetCount(), 3);
  std::vector<std::string> forward;
  for (POSITION p = names.GetHeadPosition(); p;) forward.push_back(names.GetNext(p).str());
  EXPECT_EQ(forward, (std::vector<std::string>{"a", "b", "c"}));
  std::vector<std::string> backward;
  for (POSITION p = names.GetTailPosition(); p;) backward.push_back(names.GetPrev(p).str());
  EXPECT_EQ(backward, (std::vector<std::string>{"c", "b", "a"}));

  POSITION b = names.Find("b");
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(names.Find("b", b), nullptr);
  EXPECT_EQ(names.Find("zz"), nullptr);
  names.InsertAfter(b, "b2");
  names.InsertBefore(b, "a2");
  names.SetAt(b, "B");
  EXPECT_EQ(names.GetAt(names.FindIndex(2)), "B");
  EXPECT_EQ(names.FindIndex(5), nullptr);
  names.RemoveAt(b);
  EXPECT_EQ(names.RemoveHead(), "a");
  EXPECT_EQ(names.RemoveTail(), "c");
  EXPECT_EQ(names.GetHead(), "a2");
  EXPECT_EQ(names.GetTail(), "b2");

  CStringList copy;
  copy.AddTail(&names);
  copy.AddHead(&names);
  EXPECT_EQ(copy.GetCount(), 4);
  EXPECT_EQ(copy.GetHead(), "a2");
  names.RemoveAll();
  EXPECT_TRUE(names.IsEmpty());
}

TEST(CList, EmptyListAndNullPositionsThrow) {
  CList<int, int> list;
  EXPECT_THROW(list.RemoveHead(), CInvalidArgException*);
  EXPECT_THROW(list.GetTail(), CInvalidArgException*);
  POSITION none = nullptr;
  EXPECT_THROW(list.GetNext(none), CInvalidArgException*);
  EXPECT_THROW(list.RemoveAt(nullptr), CInvalidArgException*);
  list.InsertBefore(nullptr, 2);  // null: at the head
  list.InsertAfter(nullptr, 3);   // null: at the tail
  EXPECT_EQ(list.GetHead(), 2);
  EXPECT_EQ(list.GetTail(), 3);
}

}  // namespace
