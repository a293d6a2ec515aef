// Late binding: the dispatch interface every control implements beside its dual interface, and
// the helpers a client uses to get, put and call members by name.
#pragma once

#include <cstdint>

#include <qdprogress/com.h>
#include <qdprogress/variant.h>

namespace qd {

// A type library's description of one dispatch interface (what `qdhost typelib` prints). Its
// layout is the libraries' own; a client only passes the pointer on.
struct InterfaceDesc;

enum class MemberKind : std::int16_t { Method = 1, PropertyGet = 2, PropertyPut = 4 };

struct IDispatch : IUnknown {
    static constexpr Guid iid = {0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

    // The static descriptor of this dispatch interface; it lives as long as the module is loaded,
    // which the caller's reference to this object guarantees. Not owned by the caller.
    virtual HRESULT GetTypeInfo(const InterfaceDesc** out) = 0;
    // The dispatch identifier of a member name (case-insensitive); DISP_E_UNKNOWNNAME if none.
    virtual HRESULT GetIDsOfNames(const char* name, std::int32_t* dispid) = 0;
    // Calls member `dispid` as a method, a property get or a property put. `args` holds argc
    // arguments (a put has exactly one, the new value); `result` receives a get's value or a
    // method's result and may be null. DISP_E_MEMBERNOTFOUND for an unknown identifier or a kind
    // the member does not have; DISP_E_BADPARAMCOUNT for the wrong number of arguments; the
    // coercion's run-time error when an argument cannot become the member's type; otherwise the
    // member's own result.
    virtual HRESULT Invoke(std::int32_t dispid, MemberKind kind, const Variant* args,
                           std::int32_t argc, Variant* result) = 0;

  protected:
    ~IDispatch() = default;
};

// Late-bound helpers for clients: property get/put and method call by name.
HRESULT dispatch_get(IDispatch* object, const char* name, Variant* result);
HRESULT dispatch_put(IDispatch* object, const char* name, const Variant& value);
HRESULT dispatch_call(IDispatch* object, const char* name, Variant* result = nullptr);

}  // namespace qd
