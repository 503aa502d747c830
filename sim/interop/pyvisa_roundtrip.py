#!/usr/bin/env python3
"""Drives pelmoran-sim with an independent VISA client (pyvisa + pyvisa-py):
identification, then a waveform block write and its read-back, which must agree
byte for byte. Usage: pyvisa_roundtrip.py <model> <host>"""
import sys

import pyvisa

# Known faults of Debian's pyvisa-py 0.5.1:
# - it times out on a reply that is an exact multiple of 20,480 bytes, so the
#   sizes below are chosen to avoid that;
# - it drops END on writes over 1024 bytes unless the server's maximum receive
#   size is 1024, which is why that is the simulator's default.
CLIENT_REPLY_BLOCK = 20480


def block(points):
    return bytes(((i * 37) ^ (i >> 3)) & 0xFF for i in range(points * 2))


def main():
    model, host = sys.argv[1], sys.argv[2]
    sixteen_bit = model in ("KRV2000", "KRV1000X", "KRV6000X", "KRP1000X-E")
    rm = pyvisa.ResourceManager("@py")
    inst = rm.open_resource("TCPIP0::%s::INSTR" % host)
    inst.timeout = 5000
    idn = inst.query("*IDN?")
    assert idn.startswith("*IDN KALVO,%s," % model), idn
    assert inst.query("PROD MODEL?").strip() == model

    for points in (100, 16384, 70001):
        data = block(points)
        if sixteen_bit:
            header = "C1:WVDT WVNM,w%d,TYPE,5,LENGTH,%dKB," % (points, points * 2 // 1024)
            request, position = "WVDT? USER,w%d" % points, "USER"
        else:
            header = "C1:WVDT M50,WVNM,w%d,TYPE,5,LENGTH,%dKB," % (points, points * 2 // 1024)
            request, position = "WVDT? M50", "M50"
        header += "FREQ,1000.000000000,AMPL,2.000000000,OFST,0.000000000,PHASE,0.000000000,WAVEDATA,"
        inst.write_raw(header.encode() + data)
        inst.write_raw(request.encode())
        length = (points * 2) if sixteen_bit else (points * 2 // 1024)
        head = "WVDT POS,%s,WVNM,w%d,TYPE,5,LENGTH,%d%s,WAVEDATA," % (
            position, points, length, "B" if sixteen_bit else "KB")
        assert (len(head) + len(data)) % CLIENT_REPLY_BLOCK != 0, "size hits the client fault"
        reply = inst.read_raw()
        assert reply[: len(head)] == head.encode(), reply[:80]
        assert reply[len(head):] == data, "read-back differs for %d points" % points
        print("ok %s %d points" % (model, points))
    inst.close()
    rm.close()


if __name__ == "__main__":
    main()
