// Reference-counted objects of a component module, counted for DllCanUnloadNow.
#pragma once

#include <atomic>
#include <new>
#include <type_traits>

#include "platform/com.h"
#include "platform/dispatch.h"

namespace qd {

// Live objects of this module (each module links its own copy of the platform runtime).
void module_object_created();
void module_object_destroyed();
long module_object_count();

// Implements IUnknown for a class that derives from `Interfaces...`. QueryInterface answers
// IUnknown and IDispatch with the first interface, and each listed interface by its `iid`.
template <typename Derived, typename First, typename... Rest>
class ComObject : public First, public Rest... {
  public:
    ComObject() { module_object_created(); }
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;
    virtual ~ComObject() { module_object_destroyed(); }

    HRESULT QueryInterface(const Guid& iid, void** out) override {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (iid == IID_IUnknown) {
            *out = static_cast<First*>(this);
        } else if constexpr (std::is_base_of_v<IDispatch, First>) {
            if (iid == IDispatch::iid)
                *out = static_cast<First*>(this);
        }
        if (!*out)
            find<First, Rest...>(iid, out);
        if (!*out)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    std::uint32_t AddRef() override { return ++refs_; }
    std::uint32_t Release() override {
        const std::uint32_t n = --refs_;
        if (n == 0)
            delete static_cast<Derived*>(this);
        return n;
    }

    // Creates an instance and returns its interface `iid` (the usual class-factory step).
    template <typename... Args>
    static HRESULT create_instance(const Guid& iid, void** out, Args&&... args) {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        Derived* obj = new (std::nothrow) Derived(std::forward<Args>(args)...);
        if (!obj)
            return E_OUTOFMEMORY;
        obj->AddRef();
        const HRESULT hr = obj->QueryInterface(iid, out);
        obj->Release();
        return hr;
    }

  private:
    template <typename I, typename... More>
    void find(const Guid& iid, void** out) {
        if (iid == iid_of<I>()) {
            *out = static_cast<I*>(this);
            return;
        }
        if constexpr (sizeof...(More) > 0)
            find<More...>(iid, out);
    }

    std::atomic<std::uint32_t> refs_{0};
};

}  // namespace qd
