#pragma once
// The VISA library's types, attributes and status codes as the instrument code
// calls them. Sessions are 32-bit numbers; statuses are signed, negative on error.

#include <cstdint>

using ViUInt32 = std::uint32_t;
using ViInt32 = std::int32_t;
using ViStatus = ViInt32;
using ViObject = ViUInt32;
using ViSession = ViObject;
using ViFindList = ViObject;
using ViPSession = ViSession*;
using ViPFindList = ViFindList*;
using ViPUInt32 = ViUInt32*;
using ViAccessMode = ViUInt32;
using ViAttr = ViUInt32;
using ViAttrState = std::uint64_t;
using ViChar = char;
using ViRsrc = const char*;
using ViConstString = const char*;
using ViString = const char*;
using ViBuf = unsigned char*;
using ViConstBuf = const unsigned char*;

constexpr ViUInt32 VI_NULL = 0;
constexpr ViUInt32 VI_TMO_IMMEDIATE = 0;
constexpr ViUInt32 VI_TMO_INFINITE = 0xFFFFFFFFu;
constexpr int VI_FIND_BUFLEN = 256;
constexpr ViAttr VI_ATTR_TMO_VALUE = 0x3FFF001Au;

// Every status this library returns: name and value, written once.
#define PELMORAN_VISA_STATUS_TABLE(X)     \
  X(VI_SUCCESS, 0x00000000)               \
  X(VI_SUCCESS_TERM_CHAR, 0x3FFF0005)     \
  X(VI_SUCCESS_MAX_CNT, 0x3FFF0006)       \
  X(VI_ERROR_SYSTEM_ERROR, 0xBFFF0000)    \
  X(VI_ERROR_INV_OBJECT, 0xBFFF000E)      \
  X(VI_ERROR_RSRC_LOCKED, 0xBFFF000F)     \
  X(VI_ERROR_INV_EXPR, 0xBFFF0010)        \
  X(VI_ERROR_RSRC_NFOUND, 0xBFFF0011)     \
  X(VI_ERROR_INV_RSRC_NAME, 0xBFFF0012)   \
  X(VI_ERROR_TMO, 0xBFFF0015)             \
  X(VI_ERROR_NSUP_ATTR, 0xBFFF001D)       \
  X(VI_ERROR_NSUP_ATTR_STATE, 0xBFFF001E) \
  X(VI_ERROR_INV_SETUP, 0xBFFF003A)       \
  X(VI_ERROR_ALLOC, 0xBFFF003C)           \
  X(VI_ERROR_IO, 0xBFFF003E)              \
  X(VI_ERROR_INV_FMT, 0xBFFF003F)         \
  X(VI_ERROR_NSUP_FMT, 0xBFFF0041)        \
  X(VI_ERROR_CONN_LOST, 0xBFFF00A6)       \
  X(VI_ERROR_NSUP_OPER, 0xBFFF0067)       \
  X(VI_ERROR_RSRC_BUSY, 0xBFFF0072)

#define PELMORAN_VISA_STATUS_CONST(name, value) \
  constexpr ViStatus name = static_cast<ViStatus>(static_cast<ViUInt32>(value));
PELMORAN_VISA_STATUS_TABLE(PELMORAN_VISA_STATUS_CONST)
#undef PELMORAN_VISA_STATUS_CONST

// The status's name, or "" for one not in the table.
const char* VisaStatusName(ViStatus status);
