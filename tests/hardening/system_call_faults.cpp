#include "tests/hardening/system_call_faults.h"

#include <dlfcn.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace {

bool armed = false;
std::size_t fail_at = 0;
std::size_t count = 0;
bool did_rename = false;

// The C library's function of that name.
template <typename Fn>
Fn next(const char* name) {
    return reinterpret_cast<Fn>(::dlsym(RTLD_NEXT, name));
}

// Counts an armed call; true when this one is to fail.
bool fails_now() {
    if (!armed)
        return false;
    return ++count == fail_at;
}

}  // namespace

namespace qd::test {
void SystemCallFaults::arm(std::size_t n) {
    fail_at = n;
    count = 0;
    did_rename = false;
    armed = true;
}
void SystemCallFaults::disarm() {
    armed = false;
}
std::size_t SystemCallFaults::calls() {
    return count;
}
bool SystemCallFaults::renamed() {
    return did_rename;
}
}  // namespace qd::test

extern "C" {

ssize_t write(int fd, const void* buf, size_t n) {
    static const auto real = next<ssize_t (*)(int, const void*, size_t)>("write");
    if (fails_now()) {
        errno = ENOSPC;
        return -1;
    }
    return real(fd, buf, armed ? std::min(n, qd::test::SystemCallFaults::kWriteChunk) : n);
}

int fsync(int fd) {
    static const auto real = next<int (*)(int)>("fsync");
    if (fails_now()) {
        errno = EIO;
        return -1;
    }
    return real(fd);
}

int close(int fd) {
    static const auto real = next<int (*)(int)>("close");
    const bool fail = fails_now();
    const int r = real(fd);  // the descriptor is gone even when close reports an error
    if (fail) {
        errno = EIO;
        return -1;
    }
    return r;
}

int rename(const char* from, const char* to) noexcept {
    static const auto real = next<int (*)(const char*, const char*)>("rename");
    if (fails_now()) {
        errno = EIO;
        return -1;
    }
    const int r = real(from, to);
    if (r == 0 && armed)
        did_rename = true;
    return r;
}

int mkstemp(char* tmpl) {
    static const auto real = next<int (*)(char*)>("mkstemp");
    if (fails_now()) {
        errno = EMFILE;
        return -1;
    }
    return real(tmpl);
}

}  // extern "C"
