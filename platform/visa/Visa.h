#pragma once
// The VISA calls the instrument link makes. Resources are chosen by name:
// "TCPIP0::<host>[::inst0]::INSTR" speaks VXI-11 over TCP, and
// "USB0::0x<vid>::0x<pid>::<serial>::INSTR" goes through the Linux usbtmc
// driver. A closed session's number is never reused, so I/O on it fails with
// VI_ERROR_INV_OBJECT instead of reaching another instrument.

#include "platform/visa/VisaTypes.h"

ViStatus viOpenDefaultRM(ViPSession rm);
ViStatus viFindRsrc(ViSession rm, ViConstString expr, ViPFindList list, ViPUInt32 count,
                    ViChar desc[VI_FIND_BUFLEN]);
ViStatus viFindNext(ViFindList list, ViChar desc[VI_FIND_BUFLEN]);
ViStatus viOpen(ViSession rm, ViRsrc name, ViAccessMode mode, ViUInt32 timeout, ViPSession vi);
ViStatus viClose(ViObject vi);
ViStatus viClear(ViSession vi);
ViStatus viSetAttribute(ViObject vi, ViAttr attr, ViAttrState value);
ViStatus viGetAttribute(ViObject vi, ViAttr attr, void* value);
ViStatus viWrite(ViSession vi, ViConstBuf buf, ViUInt32 count, ViPUInt32 written);
ViStatus viRead(ViSession vi, ViBuf buf, ViUInt32 count, ViPUInt32 got);

// Formatted I/O. viPrintf supports the printf conversions and writes the result
// as one message ending with END. viScanf supports "%t" (whole response up to
// END), "%<width>t" and "%#t" (a ViUInt32* holding the buffer size, set to
// the count read). Plain "%t" writes at most 256 bytes, NUL included; a longer
// response is truncated, never written past that.
ViStatus viPrintf(ViSession vi, ViConstString format, ...) __attribute__((format(printf, 2, 3)));
ViStatus viScanf(ViSession vi, ViConstString format, ...);

constexpr ViUInt32 kVisaPlainTextLimit = 256;
