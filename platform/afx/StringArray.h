#pragma once
// The framework's named arrays of strings and of bytes.

#include "platform/afx/Array.h"
#include "platform/afx/String.h"

class CStringArray : public CArray<CString, const CString&> {};

class CByteArray : public CArray<BYTE, BYTE> {};
