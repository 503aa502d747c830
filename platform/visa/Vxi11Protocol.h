#pragma once
// The VXI-11 core channel's program, procedures, flags, error codes and
// argument records, shared by our client and the simulator's server.

#include <cstdint>

namespace vxi11 {

constexpr std::uint32_t kCoreProgram = 0x0607AF;
constexpr std::uint32_t kCoreVersion = 1;
constexpr std::uint32_t kPortmapProgram = 100000;
constexpr std::uint32_t kPortmapVersion = 2;
constexpr std::uint32_t kPortmapGetPort = 3;
constexpr std::uint32_t kIpProtoTcp = 6;

enum Proc : std::uint32_t {
  kCreateLink = 10,
  kDeviceWrite = 11,
  kDeviceRead = 12,
  kDeviceReadStb = 13,
  kDeviceClear = 15,
  kDestroyLink = 23,
};

// Device_Flags and the read reasons.
constexpr std::int32_t kFlagWaitLock = 1;
constexpr std::int32_t kFlagEnd = 8;
constexpr std::int32_t kFlagTermCharSet = 128;
constexpr std::int32_t kReasonReqCnt = 1;
constexpr std::int32_t kReasonChr = 2;
constexpr std::int32_t kReasonEnd = 4;

// Device_ErrorCode values we produce or map.
enum Error : std::int32_t {
  kNoError = 0,
  kSyntaxError = 1,
  kDeviceNotAccessible = 3,
  kInvalidLink = 4,
  kParameterError = 5,
  kOutOfResources = 9,
  kDeviceLocked = 11,
  kIoTimeout = 15,
  kIoError = 17,
  kAbort = 23,
};

}  // namespace vxi11
