#pragma once
// Fault switches of a simulated instrument, written once: the field, its
// command-line name and what it does. Each front end (VXI-11, usbtmc, raw
// USB) applies the ones that make sense on its wire.

#include <string_view>

namespace sim {

#define PELMORAN_SIM_FAULTS(X)                                                                  \
  X(noReply, "no-reply", "queries are taken but never answered")                                \
  X(delayPastTimeout, "late-reply", "replies arrive only after the reader gave up")             \
  X(badChecksum, "bad-checksum", "raw USB: reply frames carry a wrong checksum")                \
  X(shortPacket, "short-packet", "raw USB: the last packet of a reply comes short")             \
  X(partialUsbWrite, "partial-usb-write",                                                       \
    "raw USB: a write of more than one packet is taken only in part, as after a time-out")      \
  X(truncatedBlock, "truncated-block", "waveform data replies lose their second half")          \
  X(overlongBlock, "overlong-block", "waveform data replies carry bytes their length does not") \
  X(wrongLengthField, "wrong-length", "LENGTH fields and frame lengths claim more than sent")   \
  X(refuseOpen, "refuse-open", "links and device opens are refused")                            \
  X(refuseWrite, "refuse-write", "writes from the host are refused")                            \
  X(breakBlockWrite, "break-block-write",                                                       \
    "VXI-11: a message sent in pieces fails after its first piece, which the instrument keeps") \
  X(dropConnection, "drop-connection",                                                          \
    "the link is lost at the next write or read: VXI-11 closes it, a USB device is gone")

struct SimFaults {
#define PELMORAN_SIM_FAULT_FIELD(field, name, help) bool field = false;
  PELMORAN_SIM_FAULTS(PELMORAN_SIM_FAULT_FIELD)
#undef PELMORAN_SIM_FAULT_FIELD
};

struct SimFaultInfo {
  bool SimFaults::*field;
  std::string_view name;
  std::string_view help;
};

inline constexpr SimFaultInfo kSimFaultTable[] = {
#define PELMORAN_SIM_FAULT_INFO(field, name, help) {&SimFaults::field, name, help},
    PELMORAN_SIM_FAULTS(PELMORAN_SIM_FAULT_INFO)
#undef PELMORAN_SIM_FAULT_INFO
};

// Switches on the fault of that command-line name; false for an unknown name.
inline bool SetFaultByName(SimFaults& faults, std::string_view name) {
  for (const auto& info : kSimFaultTable) {
    if (info.name == name) {
      faults.*info.field = true;
      return true;
    }
  }
  return false;
}

}  // namespace sim
