#pragma once
// Fault switches of a simulated instrument. Each front end (VXI-11, usbtmc,
// raw USB) applies the ones that make sense on its wire.

namespace sim {

struct SimFaults {
  bool noReply = false;           // queries are taken but never answered
  bool delayPastTimeout = false;  // replies arrive only after the reader gave up
  bool badChecksum = false;       // raw USB: reply frames carry a wrong checksum
  bool shortPacket = false;       // raw USB: the last packet of a reply comes short
  bool truncatedBlock = false;    // waveform data replies lose their second half
  bool wrongLengthField = false;  // LENGTH fields and frame lengths claim more than sent
  bool refuseOpen = false;        // links and device opens are refused
  bool refuseWrite = false;       // writes from the host are refused
};

}  // namespace sim
