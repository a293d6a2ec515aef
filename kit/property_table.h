// A control's properties as data: one row per property, in the order ReadProperties reads them.
//
// The row is the one place that names a property's dispatch name, dispatch identifier, type,
// the value a new control starts with, the default a store read falls back to, the key it is
// stored under and the field it lives in. InitProperties, ReadProperties, WriteProperties and
// the control's dispatch descriptor (and through it the type-library dump) walk the rows.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/dispatch.h"
#include "platform/host_calls.h"
#include "platform/typeinfo.h"
#include "platform/variant.h"

namespace qd {

// A value as the store sees it: its variant type and number. Empty means "none".
struct StoredValue {
    VarType type;
    double number;

    Variant to_variant() const {
        switch (type) {
            case VarType::Int16:
                return Variant(static_cast<std::int16_t>(number));
            case VarType::Int32:
                return Variant(static_cast<std::int32_t>(number));
            case VarType::Float32:
                return Variant(static_cast<float>(number));
            case VarType::Bool:
                return Variant::boolean(number != 0);
            default:
                return Variant();
        }
    }
};

constexpr StoredValue as_int16(std::int16_t v) {
    return {VarType::Int16, static_cast<double>(v)};
}
constexpr StoredValue as_int32(std::int32_t v) {
    return {VarType::Int32, static_cast<double>(v)};
}
constexpr StoredValue as_bool(bool v) {
    return {VarType::Bool, v ? 1.0 : 0.0};
}
// A read with no default: a missing key comes back Empty.
inline constexpr StoredValue kNoStoredDefault{VarType::Empty, 0};

// The field a property lives in: one of the three C++ types the controls' properties have
// (singles; 16-bit integers, booleans among them; 32-bit integers, colours among them).
template <typename Control>
struct PropertyField {
    float Control::*single = nullptr;
    std::int16_t Control::*int16 = nullptr;
    std::int32_t Control::*int32 = nullptr;

    constexpr PropertyField(float Control::*f) : single(f) {}
    constexpr PropertyField(std::int16_t Control::*f) : int16(f) {}
    constexpr PropertyField(std::int32_t Control::*f) : int32(f) {}
};

// A property's two dispatch adapters, which call the C++ interface's put_NAME and get_NAME, and
// which of the two comes first in the interface's slot order.
struct PropertyAccessors {
    MemberInvoker put;
    MemberInvoker get;
    bool get_first;
};

#define QD_PUT_GET(Iface, Name)                                                                   \
    qd::PropertyAccessors {                                                                       \
        &qd::detail::invoke_put<&Iface::put_##Name>, &qd::detail::invoke_get<&Iface::get_##Name>, \
            false                                                                                 \
    }
#define QD_GET_PUT(Iface, Name)                                                                   \
    qd::PropertyAccessors {                                                                       \
        &qd::detail::invoke_put<&Iface::put_##Name>, &qd::detail::invoke_get<&Iface::get_##Name>, \
            true                                                                                  \
    }

template <typename Control>
struct PropertyRow {
    const char* name;  // dispatch name and change-notification name
    std::int32_t dispid;
    TypeDesc type;
    PropertyField<Control> field;
    double initial;            // a new control's value (InitProperties)
    StoredValue read_default;  // what a store that lacks the key hands back
    const char* key;           // the stored key
    std::int8_t write_rank;    // position among WriteProperties' keys
    PropertyAccessors access;  // the dispatch adapters
};

// The table's rows are consistent with their fields: the row's type travels as the field's type,
// and the write ranks are a permutation of 0..N-1. Checked once per table, at compile time.
template <typename Control, std::size_t N>
constexpr bool well_formed(const PropertyRow<Control> (&rows)[N]) {
    bool ranked[N] = {};
    for (const auto& row : rows) {
        const VarType var = row.type.var;
        const bool fits = row.field.single  ? var == VarType::Float32
                          : row.field.int16 ? var == VarType::Int16 || var == VarType::Bool
                                            : var == VarType::Int32;
        if (!fits || row.write_rank < 0 || static_cast<std::size_t>(row.write_rank) >= N ||
            ranked[row.write_rank])
            return false;
        ranked[row.write_rank] = true;
    }
    return true;
}

// Every field to its new-control value, in table order.
template <typename Control, std::size_t N>
void init_properties(Control& c, const PropertyRow<Control> (&rows)[N]) {
    for (const auto& row : rows) {
        if (row.field.single)
            c.*row.field.single = static_cast<float>(row.initial);
        else if (row.field.int16)
            c.*row.field.int16 = static_cast<std::int16_t>(row.initial);
        else
            c.*row.field.int32 = static_cast<std::int32_t>(row.initial);
    }
}

// Each key read with its row's default and stored as it comes, without the setters' tests. A
// failing read or conversion raises at that key; the keys before it stay read.
template <typename Control, std::size_t N>
void read_properties(Control& c, const PropertyRow<Control> (&rows)[N], PropertyStoreCalls& bag) {
    for (const auto& row : rows) {
        const Variant v = row.read_default.type == VarType::Empty
                              ? bag.Read(row.key)
                              : bag.Read(row.key, row.read_default.to_variant());
        if (row.field.single)
            c.*row.field.single = v.to_single();
        else if (row.type.var == VarType::Bool)
            c.*row.field.int16 = v.to_bool();
        else if (row.field.int16)
            c.*row.field.int16 = v.to_int16();
        else
            c.*row.field.int32 = v.to_int32();
    }
}

// Every key on every save, no defaults, in the rows' write ranks.
template <typename Control, std::size_t N>
void write_properties(const Control& c, const PropertyRow<Control> (&rows)[N],
                      PropertyStoreCalls& bag) {
    for (std::size_t rank = 0; rank < N; ++rank) {
        for (const auto& row : rows) {
            if (static_cast<std::size_t>(row.write_rank) != rank)
                continue;
            if (row.field.single)
                bag.Write(row.key, Variant(c.*row.field.single));
            else if (row.type.var == VarType::Bool)
                bag.Write(row.key, Variant::boolean(c.*row.field.int16 != 0));
            else if (row.field.int16)
                bag.Write(row.key, Variant(c.*row.field.int16));
            else
                bag.Write(row.key, Variant(c.*row.field.int32));
        }
    }
}

// The name of the row whose field is `field`, for the generic setter's notification.
template <typename Control, std::size_t N, typename T>
const char* name_of_field(const PropertyRow<Control> (&rows)[N], T Control::*field) {
    for (const auto& row : rows) {
        if constexpr (std::is_same_v<T, float>) {
            if (row.field.single == field)
                return row.name;
        } else if constexpr (std::is_same_v<T, std::int16_t>) {
            if (row.field.int16 == field)
                return row.name;
        } else {
            if (row.field.int32 == field)
                return row.name;
        }
    }
    return "";
}

// A control's dispatch descriptor in the slot order of its C++ interface: the Refresh method
// first, then each property from the highest dispatch identifier down, its put and get in the
// order its row names.
template <typename Control, std::size_t N>
constexpr std::array<MemberDesc, 2 * N + 1> dispatch_members(const PropertyRow<Control> (&rows)[N],
                                                             const MemberDesc& refresh) {
    std::array<MemberDesc, 2 * N + 1> out{};
    out[0] = refresh;
    bool placed[N] = {};
    for (std::size_t slot = 1; slot < out.size(); slot += 2) {
        std::size_t next = N;
        for (std::size_t i = 0; i < N; ++i)
            if (!placed[i] && (next == N || rows[i].dispid > rows[next].dispid))
                next = i;
        placed[next] = true;
        const PropertyRow<Control>& row = rows[next];
        const MemberDesc put{row.name, MemberKind::PropertyPut, row.type, row.dispid,
                             row.access.put};
        const MemberDesc get{row.name, MemberKind::PropertyGet, row.type, row.dispid,
                             row.access.get};
        out[slot] = row.access.get_first ? get : put;
        out[slot + 1] = row.access.get_first ? put : get;
    }
    return out;
}

}  // namespace qd
