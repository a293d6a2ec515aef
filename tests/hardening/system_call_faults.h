// Failure injection at the system calls that save a file: while armed, the test program's own
// write, fsync, close, rename and mkstemp count every call and fail call number `fail_at` with
// an I/O error. The definitions in system_call_faults.cpp take the place of the C library's for
// the code linked into this program, and pass every other call on to the library.
#pragma once

#include <cstddef>

namespace qd::test {

struct SystemCallFaults {
    // Arms the count from zero; call `fail_at` (1-based) fails, 0 fails none.
    static void arm(std::size_t fail_at);
    static void disarm();
    // Calls counted since arm().
    static std::size_t calls();
    // Whether a rename succeeded since arm().
    static bool renamed();
    // While armed, a write moves at most this many bytes, so that every part of a file is a
    // point where the write can fail.
    static constexpr std::size_t kWriteChunk = 16;
};

// Arms for the scope.
class ArmedFaults {
  public:
    explicit ArmedFaults(std::size_t fail_at) { SystemCallFaults::arm(fail_at); }
    ~ArmedFaults() { SystemCallFaults::disarm(); }
    ArmedFaults(const ArmedFaults&) = delete;
    ArmedFaults& operator=(const ArmedFaults&) = delete;
};

}  // namespace qd::test
