#include "platform/dispatch.h"

#include "foundation/ascii.h"

namespace qd {

HRESULT dispatch_id_of_name(const InterfaceDesc& desc, const char* name, std::int32_t* dispid) {
    if (!name || !dispid)
        return E_POINTER;
    // A script that steps a value asks for the same name again and again: the member found last
    // on this thread is tried first. It is only a guess, confirmed by comparing the name, and it
    // is the first member of that name, so the answer is the one the scan would give.
    thread_local const InterfaceDesc* last_desc = nullptr;
    thread_local std::size_t last_index = 0;
    if (last_desc == &desc && last_index < desc.member_count &&
        iequals_ascii(desc.members[last_index].name, name)) {
        *dispid = desc.members[last_index].dispid;
        return S_OK;
    }
    for (std::size_t i = 0; i < desc.member_count; ++i) {
        if (iequals_ascii(desc.members[i].name, name)) {
            last_desc = &desc;
            last_index = i;
            *dispid = desc.members[i].dispid;
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
