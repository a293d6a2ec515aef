// Dispatch interfaces: late binding by identifier and by name over a static descriptor, and the
// member adapters that let one descriptor table call the C++ (vtable) members.
#pragma once

#include <cstdint>
#include <type_traits>

#include <qdprogress/dispatch.h>

#include "platform/com.h"
#include "platform/typeinfo.h"
#include "platform/variant.h"

namespace qd {

// The shared implementation behind every dispatch interface.
HRESULT dispatch_id_of_name(const InterfaceDesc& desc, const char* name, std::int32_t* dispid);
HRESULT dispatch_invoke(const InterfaceDesc& desc, void* self, std::int32_t dispid, MemberKind kind,
                        const Variant* args, std::int32_t argc, Variant* result);

// Mixin that implements IDispatch for a dual interface `Iface` described by `Desc`.
template <typename Iface, const InterfaceDesc& Desc>
class DispatchImpl : public Iface {
  public:
    HRESULT GetTypeInfo(const InterfaceDesc** out) override {
        if (!out)
            return E_POINTER;
        *out = &Desc;
        return S_OK;
    }
    HRESULT GetIDsOfNames(const char* name, std::int32_t* dispid) override {
        return dispatch_id_of_name(Desc, name, dispid);
    }
    HRESULT Invoke(std::int32_t dispid, MemberKind kind, const Variant* args, std::int32_t argc,
                   Variant* result) override {
        return dispatch_invoke(Desc, static_cast<Iface*>(this), dispid, kind, args, argc, result);
    }
};

// ---- Member adapters -------------------------------------------------------------------------

namespace detail {

template <typename T>
T coerce_argument(const Variant& v, VarType as) {
    if constexpr (std::is_same_v<T, float>) {
        return v.to_single();
    } else if constexpr (std::is_same_v<T, double>) {
        return v.to_double();
    } else if constexpr (std::is_same_v<T, std::int16_t>) {
        return as == VarType::Bool ? v.to_bool() : v.to_int16();
    } else if constexpr (std::is_same_v<T, std::int32_t>) {
        return v.to_int32();
    } else {
        static_assert(sizeof(T) == 0, "unsupported property type");
    }
}

template <typename T>
Variant make_result(T value, VarType as) {
    if constexpr (std::is_same_v<T, std::int16_t>) {
        if (as == VarType::Bool)
            return Variant::boolean(value != 0);
    }
    return Variant(value);
}

template <auto Fn>
struct MemberTraits;
template <typename I, HRESULT (I::*Fn)()>
struct MemberTraits<Fn> {
    using Interface = I;
};
template <typename I, typename T, HRESULT (I::*Fn)(T)>
struct MemberTraits<Fn> {
    using Interface = I;
    using Arg = std::remove_pointer_t<T>;
};

template <auto Fn>
HRESULT invoke_method(const MemberDesc&, void* self, const Variant*, std::int32_t argc, Variant*) {
    if (argc != 0)
        return DISP_E_BADPARAMCOUNT;
    using I = typename MemberTraits<Fn>::Interface;
    return (static_cast<I*>(self)->*Fn)();
}

template <auto Fn>
HRESULT invoke_put(const MemberDesc& m, void* self, const Variant* args, std::int32_t argc,
                   Variant*) {
    if (argc != 1)
        return DISP_E_BADPARAMCOUNT;
    using I = typename MemberTraits<Fn>::Interface;
    using T = typename MemberTraits<Fn>::Arg;
    T value{};
    const HRESULT hr = guard([&] { value = coerce_argument<T>(args[0], m.type.var); });
    if (failed(hr))
        return hr;
    return (static_cast<I*>(self)->*Fn)(value);
}

template <auto Fn>
HRESULT invoke_get(const MemberDesc& m, void* self, const Variant*, std::int32_t argc,
                   Variant* result) {
    if (argc != 0)
        return DISP_E_BADPARAMCOUNT;
    using I = typename MemberTraits<Fn>::Interface;
    using T = typename MemberTraits<Fn>::Arg;
    T value{};
    const HRESULT hr = (static_cast<I*>(self)->*Fn)(&value);
    if (failed(hr))
        return hr;
    if (result)
        *result = make_result(value, m.type.var);
    return hr;
}

}  // namespace detail

// Descriptor entries, written in slot order: method<&I::Refresh>("Refresh", 0x60030014), ...
template <auto Fn>
constexpr MemberDesc method(const char* name, std::int32_t dispid) {
    return {name, MemberKind::Method, kVoid, dispid, &detail::invoke_method<Fn>};
}
template <auto Fn>
constexpr MemberDesc prop_put(const char* name, TypeDesc type, std::int32_t dispid) {
    return {name, MemberKind::PropertyPut, type, dispid, &detail::invoke_put<Fn>};
}
template <auto Fn>
constexpr MemberDesc prop_get(const char* name, TypeDesc type, std::int32_t dispid) {
    return {name, MemberKind::PropertyGet, type, dispid, &detail::invoke_get<Fn>};
}

}  // namespace qd
