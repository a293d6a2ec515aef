// The component ABI: GUIDs, reference-counted interfaces and a smart pointer.
//
// Contract of every interface: members are virtual, return an HRESULT and never throw. An
// interface pointer handed out through an out parameter is already AddRef'ed and belongs to
// the caller, who Releases it; an interface pointer passed in is borrowed for the call.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstring>
#include <string>

#include <qdprogress/result.h>

namespace qd {

struct Guid {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::uint8_t data4[8];

    friend bool operator==(const Guid& a, const Guid& b) {
        return std::memcmp(&a, &b, sizeof(Guid)) == 0;
    }
};

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in upper-case hex.
std::string guid_to_string(const Guid& g);
// Parses the braced form; false when the text is not a GUID.
bool guid_from_string(const std::string& text, Guid* out);

struct IUnknown {
    // Returns the interface `iid` of this object, AddRef'ed, or E_NOINTERFACE with *out null.
    virtual HRESULT QueryInterface(const Guid& iid, void** out) = 0;
    virtual std::uint32_t AddRef() = 0;
    virtual std::uint32_t Release() = 0;

  protected:
    ~IUnknown() = default;
};

inline constexpr Guid IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// Every interface type names its identifier as a static member `iid`; this reads it.
template <typename I>
inline constexpr const Guid& iid_of() {
    return I::iid;
}
template <>
inline constexpr const Guid& iid_of<IUnknown>() {
    return IID_IUnknown;
}

// A getter's out parameter: the value, or E_POINTER when the caller passed no place for it.
template <typename T>
HRESULT return_value(const T& value, T* out) {
    if (!out)
        return E_POINTER;
    *out = value;
    return S_OK;
}

// Owning interface pointer.
template <typename I>
class ComPtr {
  public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Takes a new reference to p.
    explicit ComPtr(I* p) : p_(p) {
        if (p_)
            p_->AddRef();
    }
    ComPtr(const ComPtr& o) : ComPtr(o.p_) {}
    ComPtr(ComPtr&& o) noexcept : p_(o.p_) { o.p_ = nullptr; }
    ~ComPtr() { reset(); }
    ComPtr& operator=(ComPtr o) noexcept {
        std::swap(p_, o.p_);
        return *this;
    }

    // Adopts a pointer that already carries a reference.
    static ComPtr adopt(I* p) {
        ComPtr c;
        c.p_ = p;
        return c;
    }

    I* get() const { return p_; }
    I* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    void reset() {
        if (p_) {
            I* p = p_;
            p_ = nullptr;
            p->Release();
        }
    }
    // For out parameters: releases what is held and returns the slot.
    I** put() {
        reset();
        return &p_;
    }
    void** put_void() { return reinterpret_cast<void**>(put()); }
    I* detach() {
        I* p = p_;
        p_ = nullptr;
        return p;
    }

    template <typename J>
    ComPtr<J> query() const {
        ComPtr<J> out;
        if (p_)
            p_->QueryInterface(iid_of<J>(), out.put_void());
        return out;
    }

  private:
    I* p_ = nullptr;
};

}  // namespace qd
