// Result codes and the run-time error that carries one inside a library.
//
// Every member that crosses a library boundary returns an HRESULT. Inside a library a failing
// host call or an arithmetic fault is thrown as RuntimeError and turned back into the member's
// result code by one guard per public member, so a failure ends the member at the failing step
// and leaves earlier steps done.
#pragma once

#include <cstdint>
#include <exception>

namespace qd {

using HRESULT = std::int32_t;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);
inline constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
inline constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003u);
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT E_UNEXPECTED = static_cast<HRESULT>(0x8000FFFFu);
inline constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT CLASS_E_NOAGGREGATION = static_cast<HRESULT>(0x80040110u);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = static_cast<HRESULT>(0x80040111u);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = static_cast<HRESULT>(0x80040154u);
inline constexpr HRESULT SELFREG_E_CLASS = static_cast<HRESULT>(0x80040201u);
inline constexpr HRESULT DISP_E_MEMBERNOTFOUND = static_cast<HRESULT>(0x80020003u);
inline constexpr HRESULT DISP_E_UNKNOWNNAME = static_cast<HRESULT>(0x80020006u);
inline constexpr HRESULT DISP_E_BADPARAMCOUNT = static_cast<HRESULT>(0x8002000Eu);

inline constexpr bool failed(HRESULT hr) {
    return hr < 0;
}
inline constexpr bool succeeded(HRESULT hr) {
    return hr >= 0;
}

// Run-time error numbers of the host's language runtime.
enum class ErrorNumber : std::int32_t {
    InvalidProcedureCall = 5,
    Overflow = 6,
    DivisionByZero = 11,
    TypeMismatch = 13,
    InvalidPropertyValue = 380,
};

// A run-time error comes back to a caller as 0x800A0000 + its number.
inline constexpr HRESULT runtime_error_code(ErrorNumber n) {
    return static_cast<HRESULT>(0x800A0000u + static_cast<std::uint32_t>(n));
}

// Text for a result code, for messages ("Overflow", "Type mismatch", ...). Never null.
const char* result_message(HRESULT hr);

class RuntimeError : public std::exception {
  public:
    explicit RuntimeError(HRESULT code) : code_(code) {}
    HRESULT code() const { return code_; }
    const char* what() const noexcept override { return result_message(code_); }

  private:
    HRESULT code_;
};

[[noreturn]] void raise(ErrorNumber n);
[[noreturn]] void raise(HRESULT code);

// Turns a failed host call into a RuntimeError; passes success through.
inline void check(HRESULT hr) {
    if (failed(hr))
        raise(hr);
}

// The guard around one public member: runs the body and returns its failure as a result code.
// Only RuntimeError is expected; anything else (allocation failure) is reported, never thrown
// across the boundary.
template <typename Body>
HRESULT guard(Body&& body) noexcept {
    try {
        body();
        return S_OK;
    } catch (const RuntimeError& e) {
        return e.code();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

}  // namespace qd
