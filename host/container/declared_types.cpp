#include "host/container/declared_types.h"

#include <algorithm>

#include "foundation/ascii.h"
#include "foundation/result.h"
#include "host/container/container.h"

namespace qd::host {

namespace {

// The property `key` of the class's default interface (its put member, else its get), or null.
const MemberDesc* declared_property(const ClassDesc& cls, const std::string& key) {
    const InterfaceDesc* in = cls.default_interface;
    if (!in)
        return nullptr;
    const MemberDesc* found = nullptr;
    for (std::size_t i = 0; i < in->member_count; ++i) {
        const MemberDesc& m = in->members[i];
        if (m.kind == MemberKind::Method || !iequals_ascii(m.name, key.c_str()))
            continue;
        if (!found || m.kind == MemberKind::PropertyPut)
            found = &m;
    }
    return found;
}

// `value` as the declared type; raises the coercion's run-time error when it does not convert.
Variant coerce(const Variant& value, VarType type) {
    switch (type) {
        case VarType::Int16:
            return Variant(value.to_int16());
        case VarType::Int32:
            return Variant(value.to_int32());
        case VarType::Float32:
            return Variant(value.to_single());
        case VarType::Float64:
            return Variant(value.to_double());
        case VarType::Bool:
            return Variant::boolean(value.to_bool() != 0);
        case VarType::Text:
            return Variant(std::string_view(value.to_text()));
        case VarType::Empty:
        case VarType::Object:
            break;
    }
    raise(ErrorNumber::TypeMismatch);
}

}  // namespace

std::vector<UntypedFailure> apply_declared_types(const ClassDesc& cls, PropertyList* properties) {
    std::vector<UntypedFailure> failures;
    for (Property& p : *properties) {
        if (!p.untyped)
            continue;
        const MemberDesc* member = declared_property(cls, p.key);
        if (!member) {
            failures.push_back({p, std::string(cls.name) + " has no property " + p.key +
                                       " to take the type from; write the value with its type"});
            continue;
        }
        try {
            p.value = coerce(p.value, member->type.var);
            p.untyped = false;
        } catch (const RuntimeError& e) {
            failures.push_back({p, "'" + p.value.to_text() + "' does not convert to " +
                                       member->type.name + ", the type of " + member->name + " (" +
                                       result_message(e.code()) + ")"});
        }
    }
    std::erase_if(*properties, [](const Property& p) { return p.untyped; });
    return failures;
}

std::vector<UntypedFailure> apply_declared_types(const std::string& what,
                                                 PropertyList* properties) {
    const bool any = std::ranges::any_of(*properties, [](const Property& p) { return p.untyped; });
    if (!any)
        return {};
    std::vector<UntypedFailure> failures;
    with_class(what,
               [&](const ClassDesc& cls) { failures = apply_declared_types(cls, properties); });
    return failures;
}

}  // namespace qd::host
