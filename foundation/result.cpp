#include "foundation/result.h"

#include <new>

namespace qd {

const char* result_message(HRESULT hr) {
    switch (static_cast<std::uint32_t>(hr)) {
        case 0:
            return "Success";
        case 1:
            return "Success (false)";
        case 0x800A0005u:
            return "Invalid procedure call or argument";
        case 0x800A0006u:
            return "Overflow";
        case 0x800A000Bu:
            return "Division by zero";
        case 0x800A000Du:
            return "Type mismatch";
        case 0x800A017Cu:
            return "Invalid property value";
        case 0x80004001u:
            return "Not implemented";
        case 0x80004002u:
            return "No such interface supported";
        case 0x80004003u:
            return "Invalid pointer";
        case 0x80004005u:
            return "Unspecified error";
        case 0x8000FFFFu:
            return "Catastrophic failure";
        case 0x8007000Eu:
            return "Out of memory";
        case 0x80070057u:
            return "One or more arguments are invalid";
        case 0x80040110u:
            return "Class does not support aggregation";
        case 0x80040111u:
            return "Class is not available";
        case 0x80040154u:
            return "Class not registered";
        case 0x80040201u:
            return "Registration failed";
        case 0x80020003u:
            return "Member not found";
        case 0x80020006u:
            return "Unknown name";
        case 0x8002000Eu:
            return "Invalid number of parameters";
        default:
            return "Error";
    }
}

void raise(ErrorNumber n) {
    throw RuntimeError(runtime_error_code(n));
}
void raise(HRESULT code) {
    throw RuntimeError(code);
}

}  // namespace qd
