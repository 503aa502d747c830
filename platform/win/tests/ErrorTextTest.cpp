#include <gtest/gtest.h>

#include "platform/win/ErrorText.h"
#include "platform/win/HResult.h"
#include "platform/win/LastError.h"

#include <thread>

TEST(HResult, HelpersFollowThePlatform) {
  EXPECT_TRUE(SUCCEEDED(S_FALSE));
  EXPECT_TRUE(FAILED(E_POINTER));
  EXPECT_EQ(static_cast<std::uint32_t>(RPC_E_WRONG_THREAD), 0x8001010Eu);
  EXPECT_EQ(static_cast<std::uint32_t>(E_UNEXPECTED), 0x8000FFFFu);
  EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_OUTOFMEMORY), E_OUTOFMEMORY);
  EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_INVALID_PARAMETER), E_INVALIDARG);
  EXPECT_EQ(HRESULT_FROM_WIN32(0), S_OK);
  EXPECT_EQ(MAKE_HRESULT(SEVERITY_ERROR, FACILITY_DISPATCH, 9), DISP_E_EXCEPTION);
  EXPECT_EQ(HRESULT_CODE(E_INVALIDARG), 87u);
  EXPECT_EQ(HRESULT_FACILITY(E_INVALIDARG), FACILITY_WIN32);
}

TEST(ErrorText, SystemTextsEndWithTheLineBreak) {
  struct Row {
    DWORD code;
    const char* text;
  } rows[] = {
      {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified.\r\n"},
      {ERROR_ACCESS_DENIED, "Access is denied.\r\n"},
      {static_cast<DWORD>(RPC_E_WRONG_THREAD),
       "The application called an interface that was marshalled for a different thread.\r\n"},
      {static_cast<DWORD>(DISP_E_TYPEMISMATCH), "Type mismatch.\r\n"},
      // A FACILITY_WIN32 code without a row of its own reads the Win32 text.
      {static_cast<DWORD>(HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)),
       "The system cannot find the path specified.\r\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.code);
    EXPECT_EQ(SystemMessageText(row.code).value_or("<none>"), row.text);
  }
  EXPECT_FALSE(SystemMessageText(0x80041234u).has_value());
}

TEST(ErrorText, FormatMessageAllocatesOrFillsTheBuffer) {
  char* allocated = nullptr;
  const DWORD n = FormatMessageA(
      FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
      nullptr, ERROR_INVALID_HANDLE, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
      reinterpret_cast<LPSTR>(&allocated), 0, nullptr);
  ASSERT_NE(allocated, nullptr);
  EXPECT_EQ(std::string(allocated), "The handle is invalid.\r\n");
  EXPECT_EQ(n, 24u);
  EXPECT_EQ(LocalFree(allocated), nullptr);

  char small[8];
  EXPECT_EQ(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, ERROR_INVALID_HANDLE, 0, small,
                           sizeof small, nullptr),
            0u);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);

  char buffer[64];
  EXPECT_EQ(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 0x80041234u, 0, buffer,
                           sizeof buffer, nullptr),
            0u);
  EXPECT_EQ(GetLastError(), ERROR_MR_MID_NOT_FOUND);
  EXPECT_EQ(
      FormatMessageA(FORMAT_MESSAGE_FROM_STRING, "text", 0, 0, buffer, sizeof buffer, nullptr), 0u);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(LastError, IsKeptPerThread) {
  SetLastError(ERROR_NOT_OWNER);
  DWORD seenByOther = 1234;
  std::thread other([&] {
    seenByOther = GetLastError();
    SetLastError(ERROR_FILE_EXISTS);
  });
  other.join();
  EXPECT_EQ(seenByOther, ERROR_SUCCESS);
  EXPECT_EQ(GetLastError(), ERROR_NOT_OWNER);
}
