// Static type descriptors: what a module's type library publishes.
//
// Each dispatch interface is described once, as constexpr data in slot order. Dispatch by
// identifier and by name, the type-library dump and the tests all read that one table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include <qdprogress/dispatch.h>

#include "platform/com.h"
#include "platform/variant.h"

namespace qd {

struct InterfaceDesc;

// A member's value type: the variant type it travels as, and the name the library gives it
// ("float32", "OLE_COLOR", "ppFillType", "FillStyle").
struct TypeDesc {
    VarType var;
    const char* name;
};

inline constexpr TypeDesc kVoid{VarType::Empty, "void"};
inline constexpr TypeDesc kFloat32{VarType::Float32, "float32"};
inline constexpr TypeDesc kInt16{VarType::Int16, "int16"};
inline constexpr TypeDesc kInt32{VarType::Int32, "int32"};
inline constexpr TypeDesc kBool{VarType::Bool, "bool"};
inline constexpr TypeDesc kOleColor{VarType::Int32, "OLE_COLOR"};
// The fill-style enumeration that all three controls share.
inline constexpr TypeDesc kFillStyle{VarType::Int32, "FillStyle"};

// Calls one member on an interface pointer with coerced arguments. `self` is the interface
// the descriptor belongs to. Returns the member's result code, or the coercion's error.
using MemberInvoker = HRESULT (*)(const struct MemberDesc& member, void* self, const Variant* args,
                                  std::int32_t argc, Variant* result);

struct MemberDesc {
    const char* name;
    MemberKind kind;
    TypeDesc type;  // property type, or kVoid for a method
    std::int32_t dispid;
    MemberInvoker invoke;
};

enum InterfaceFlags : std::uint32_t {
    kIfHidden = 1,
    kIfNonExtensible = 2,
    kIfDual = 4,
    kIfDispatchable = 8,
    kIfOleAutomation = 16,
};

// A control's default interface is dual; its event interface only dispatches.
inline constexpr std::uint32_t kDualInterfaceFlags =
    kIfHidden | kIfNonExtensible | kIfDual | kIfDispatchable | kIfOleAutomation;
inline constexpr std::uint32_t kEventInterfaceFlags =
    kIfHidden | kIfNonExtensible | kIfDispatchable;

struct InterfaceDesc {
    const char* name;
    Guid iid;
    std::uint32_t flags;
    const MemberDesc* members;  // slot order
    std::size_t member_count;
};

struct EnumMemberDesc {
    const char* name;
    std::int32_t value;
    const char* help;  // the member's help string
};

struct EnumDesc {
    const char* name;
    Guid guid;
    const EnumMemberDesc* members;
    std::size_t member_count;
};

// An enumeration member whose help string is its own name, as the libraries write them.
#define QD_ENUM_MEMBER(name, value) \
    qd::EnumMemberDesc {            \
#name, value, #name         \
    }

// The enumeration `name` with `guid` over its members, in their order.
template <std::size_t N>
constexpr EnumDesc enum_desc(const char* name, const Guid& guid,
                             const EnumMemberDesc (&members)[N]) {
    return {name, guid, members, N};
}

enum class ClassKind : std::int16_t { Control = 1, PropertyPage = 2 };

enum ClassFlags : std::uint32_t {
    kClassCanCreate = 1,  // the type library's can-create flag
    kClassControl = 2,
};

// Creates an instance and returns its interface `iid`; CLASS_E_CLASSNOTAVAILABLE when the class
// is published but cannot be created by this build.
using ClassCreator = HRESULT (*)(const Guid& iid, void** out);

struct ClassDesc {
    const char* name;
    Guid clsid;
    ClassKind kind;
    std::uint32_t flags;
    const InterfaceDesc* default_interface;
    const InterfaceDesc* source_interface;  // default event interface, or null
    const char* const* property_pages;      // page names, in dialog order
    std::size_t property_page_count;
    float design_width;  // design extent in twips
    float design_height;
    ClassCreator create;
};

// A toolbox bitmap: palette-indexed (8 bits) or true-colour (24 bits) pixels, top row first.
struct BitmapDesc {
    std::int32_t id;
    std::int32_t width;
    std::int32_t height;
    std::int32_t bits_per_pixel;   // 8 or 24
    const std::uint32_t* palette;  // 0x00RRGGBB entries, for 8 bits
    std::size_t palette_size;
    const std::uint8_t* pixels;  // width*height indices, or width*height*3 bytes B,G,R
};

// The colour of a toolbox bitmap's pixel (x, y) as a picture stores it, 0x00BBGGRR; none for
// an index outside the palette, or an 8-bit bitmap without one.
std::optional<std::uint32_t> bitmap_pixel(const BitmapDesc& bitmap, int x, int y);

struct VersionString {
    const char* key;
    const char* value;
};

struct VersionDesc {
    std::uint16_t file_version[4];
    std::uint16_t product_version[4];
    std::uint16_t language;
    const VersionString* strings;
    std::size_t string_count;
};

struct LibraryDesc {
    const char* name;
    const char* help_string;
    Guid libid;
    std::uint16_t lcid;
    std::uint16_t major_version;
    std::uint16_t minor_version;
    const char* help_file;  // null: none
    const ClassDesc* classes;
    std::size_t class_count;
    const InterfaceDesc* const* interfaces;  // every interface the library defines
    std::size_t interface_count;
    const EnumDesc* const* enums;
    std::size_t enum_count;
    const BitmapDesc* bitmaps;
    std::size_t bitmap_count;
    const VersionDesc* version;
};

// A module's library descriptor: its name doubles as its help string, the locale is US
// English and there is no help file; the counts come from the arrays.
template <std::size_t Classes, std::size_t Interfaces, std::size_t Enums, std::size_t Bitmaps>
constexpr LibraryDesc describe_library(const char* name, const Guid& libid, std::uint16_t major,
                                       std::uint16_t minor, const ClassDesc (&classes)[Classes],
                                       const InterfaceDesc* const (&interfaces)[Interfaces],
                                       const EnumDesc* const (&enums)[Enums],
                                       const BitmapDesc (&bitmaps)[Bitmaps],
                                       const VersionDesc& version) {
    return {name,    name,       libid,      1033,  major, minor,   nullptr, classes,
            Classes, interfaces, Interfaces, enums, Enums, bitmaps, Bitmaps, &version};
}

// Looks up a class by name (case-insensitive); null when the library has none of that name.
const ClassDesc* find_class(const LibraryDesc& lib, const char* name);
const ClassDesc* find_class(const LibraryDesc& lib, const Guid& clsid);

}  // namespace qd
