#pragma once
// Running out of memory on purpose: after Arm(n) the n-th allocation from
// then on fails: operator new with std::bad_alloc, as the C++ runtime
// reports it, and the containers' sample arrays with the framework's memory
// exception. This test program replaces the global operator new for it.

namespace failing_allocations {

void Arm(long n);
void Disarm();
// Whether the armed allocation was reached (and failed).
bool Fired();

}  // namespace failing_allocations
