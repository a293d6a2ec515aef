#include "platform/dispatch.h"

#include <atomic>
#include <functional>

#include "foundation/ascii.h"

namespace qd {

HRESULT dispatch_id_of_name(const InterfaceDesc& desc, const char* name, std::int32_t* dispid) {
    if (!name || !dispid)
        return E_POINTER;
    // A script that steps a value asks for the same name again and again: the member found last
    // is tried first. It is only a guess, used when it lies in this interface's table and has
    // the name, and it is the first member of that name, so the answer is the scan's. (An atomic
    // pointer rather than a thread-local one: modules are loaded at run time, and their dynamic
    // thread-local storage trips the leak checker of the sanitizer builds.)
    static std::atomic<const MemberDesc*> last_found{nullptr};
    const MemberDesc* const first = desc.members;
    const MemberDesc* const end = desc.members + desc.member_count;
    const MemberDesc* guess = last_found.load(std::memory_order_relaxed);
    if (std::less_equal<>()(first, guess) && std::less<>()(guess, end) &&
        iequals_ascii(guess->name, name)) {
        *dispid = guess->dispid;
        return S_OK;
    }
    for (const MemberDesc* m = first; m != end; ++m) {
        if (iequals_ascii(m->name, name)) {
            last_found.store(m, std::memory_order_relaxed);
            *dispid = m->dispid;
            return S_OK;
        }
    }
    return DISP_E_UNKNOWNNAME;
}

HRESULT dispatch_invoke(const InterfaceDesc& desc, void* self, std::int32_t dispid, MemberKind kind,
                        const Variant* args, std::int32_t argc, Variant* result) {
    if (argc < 0 || (argc > 0 && !args))
        return E_INVALIDARG;
    for (std::size_t i = 0; i < desc.member_count; ++i) {
        const MemberDesc& m = desc.members[i];
        if (m.dispid == dispid && m.kind == kind)
            return m.invoke(m, self, args, argc, result);
    }
    return DISP_E_MEMBERNOTFOUND;
}

namespace {

// The member `name` of `object` looked up, then invoked as `kind`.
HRESULT invoke_by_name(IDispatch* object, const char* name, MemberKind kind, const Variant* args,
                       std::int32_t argc, Variant* result) {
    if (!object)
        return E_POINTER;
    std::int32_t id = 0;
    const HRESULT hr = object->GetIDsOfNames(name, &id);
    if (failed(hr))
        return hr;
    return object->Invoke(id, kind, args, argc, result);
}

}  // namespace

HRESULT dispatch_get(IDispatch* object, const char* name, Variant* result) {
    return invoke_by_name(object, name, MemberKind::PropertyGet, nullptr, 0, result);
}

HRESULT dispatch_put(IDispatch* object, const char* name, const Variant& value) {
    return invoke_by_name(object, name, MemberKind::PropertyPut, &value, 1, nullptr);
}

HRESULT dispatch_call(IDispatch* object, const char* name, Variant* result) {
    return invoke_by_name(object, name, MemberKind::Method, nullptr, 0, result);
}

}  // namespace qd
