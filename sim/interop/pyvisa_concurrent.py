#!/usr/bin/env python3
"""Four independent VISA clients (pyvisa + pyvisa-py, one process each) drive
pelmoran-sim at once: each stores a waveform of its own, then asks for its
parameters, its data and the model in turn. Every reply must be the answer to
that client's own question. Usage: pyvisa_concurrent.py <model> <host>, for a
model that keeps waveforms in numbered slots (14-bit codes)."""
import multiprocessing
import sys

import pyvisa

CLIENTS = 4
ROUNDS = 40


def client(model, host, k, results):
    rm = pyvisa.ResourceManager("@py")
    inst = rm.open_resource("TCPIP0::%s::INSTR" % host)
    inst.timeout = 10000
    position, name = "M5%d" % k, "c%d" % k
    data = bytes(((i * (k + 3)) ^ k) & 0xFF for i in range(2000))
    header = "C1:WVDT %s,WVNM,%s,TYPE,5,LENGTH,1KB," % (position, name)
    header += "FREQ,%d.000000000,AMPL,2.000000000,OFST,0.000000000,PHASE,0.000000000,WAVEDATA," % (
        1000 * (k + 1))
    inst.write_raw(header.encode() + data)
    crossed = 0
    for _ in range(ROUNDS):
        params = inst.query("WVPR? %s" % position)
        if not params.startswith("WVPR POS,%s,WVNM,%s,FREQ,%d.00E+03," % (position, name, k + 1)):
            crossed += 1
        inst.write_raw(("WVDT? %s" % position).encode())
        reply = inst.read_raw()
        if not reply.endswith(b",WAVEDATA," + data):
            crossed += 1
        if inst.query("PROD MODEL?").strip() != model:
            crossed += 1
    inst.close()
    rm.close()
    results.put((k, crossed))


def main():
    model, host = sys.argv[1], sys.argv[2]
    results = multiprocessing.Queue()
    workers = [multiprocessing.Process(target=client, args=(model, host, k, results))
               for k in range(CLIENTS)]
    for w in workers:
        w.start()
    for w in workers:
        w.join(120)
    outcome = sorted(results.get(timeout=1) for _ in workers)
    assert [k for k, _ in outcome] == list(range(CLIENTS)), outcome
    assert all(crossed == 0 for _, crossed in outcome), outcome
    print("ok %d concurrent clients, %d rounds each, no crossed reply" % (CLIENTS, ROUNDS))


if __name__ == "__main__":
    main()
