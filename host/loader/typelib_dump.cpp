#include "host/loader/typelib_dump.h"

#include <cstdio>
#include <string>

namespace qd::host {

namespace {

std::string hex32(std::uint32_t v, int digits = 8) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%0*X", digits, v);
    return buf;
}

std::string padded(std::string s, std::size_t width) {
    if (s.size() < width)
        s.append(width - s.size(), ' ');
    return s;
}

const char* kind_name(MemberKind k) {
    switch (k) {
        case MemberKind::Method:
            return "method";
        case MemberKind::PropertyGet:
            return "propget";
        case MemberKind::PropertyPut:
            return "propput";
    }
    return "?";
}

const char* class_kind_name(ClassKind k) {
    return k == ClassKind::Control ? "control" : "property page";
}

std::string class_flags(std::uint32_t flags) {
    std::string s;
    if (flags & kClassCanCreate)
        s += " cancreate";
    if (flags & kClassControl)
        s += " control";
    return s.empty() ? "none" : s.substr(1);
}

std::string interface_flags(std::uint32_t flags) {
    static constexpr struct {
        std::uint32_t bit;
        const char* name;
    } kNames[] = {{kIfHidden, "hidden"},
                  {kIfNonExtensible, "nonextensible"},
                  {kIfDual, "dual"},
                  {kIfDispatchable, "dispatchable"},
                  {kIfOleAutomation, "oleautomation"}};
    std::string s;
    for (const auto& n : kNames)
        if (flags & n.bit)
            s += std::string(" ") + n.name;
    return s.empty() ? "none" : s.substr(1);
}

std::string version_text(const std::uint16_t (&v)[4]) {
    return std::to_string(v[0]) + "." + std::to_string(v[1]) + "." + std::to_string(v[2]) + "." +
           std::to_string(v[3]);
}

void dump_interface(const InterfaceDesc& itf, std::ostream& out) {
    out << "interface " << itf.name << " " << guid_to_string(itf.iid) << "\n";
    out << "  flags: " << interface_flags(itf.flags) << "\n";
    if (itf.member_count == 0) {
        out << "  members: none\n";
        return;
    }
    out << "  members (slot, kind, name, type, dispatch id):\n";
    for (std::size_t i = 0; i < itf.member_count; ++i) {
        const MemberDesc& m = itf.members[i];
        const std::string type = m.kind == MemberKind::Method ? "" : m.type.name;
        out << "    " << padded(std::to_string(i), 4) << padded(kind_name(m.kind), 9)
            << padded(m.name, 16) << padded(type, 20) << hex32(static_cast<std::uint32_t>(m.dispid))
            << "\n";
    }
}

void dump_bitmap(const BitmapDesc& bmp, std::ostream& out) {
    out << "bitmap " << bmp.id << ": " << bmp.width << " x " << bmp.height << ", "
        << bmp.bits_per_pixel << " bits per pixel";
    if (bmp.bits_per_pixel != 8) {
        out << "\n";
        return;
    }
    out << ", " << bmp.palette_size << " palette entries\n  palette:";
    for (std::size_t i = 0; i < bmp.palette_size; ++i)
        out << " " << i << "=" << hex32(bmp.palette[i], 6);
    out << "\n";
    // One character per pixel: the palette index in base 36 (0-9, a-z).
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    for (std::int32_t y = 0; y < bmp.height; ++y) {
        out << "  |";
        for (std::int32_t x = 0; x < bmp.width; ++x) {
            const std::uint8_t index = bmp.pixels[y * bmp.width + x];
            out << (index < 36 ? kDigits[index] : '+');
        }
        out << "|\n";
    }
}

}  // namespace

void dump_type_library(const LibraryDesc& lib, std::ostream& out) {
    out << "library " << lib.name << " " << guid_to_string(lib.libid) << "\n";
    out << "  help string: \"" << (lib.help_string ? lib.help_string : "") << "\"\n";
    out << "  locale: " << lib.lcid << "\n";
    out << "  version: " << lib.major_version << "." << lib.minor_version << "\n";
    out << "  help file: " << (lib.help_file ? lib.help_file : "none") << "\n";

    for (std::size_t i = 0; i < lib.class_count; ++i) {
        const ClassDesc& c = lib.classes[i];
        out << "\nclass " << c.name << " " << guid_to_string(c.clsid) << "\n";
        out << "  kind: " << class_kind_name(c.kind) << "\n";
        out << "  flags: " << class_flags(c.flags) << "\n";
        out << "  default interface: " << (c.default_interface ? c.default_interface->name : "none")
            << "\n";
        out << "  default source: " << (c.source_interface ? c.source_interface->name : "none")
            << "\n";
        out << "  property pages:";
        if (c.property_page_count == 0)
            out << " none";
        for (std::size_t p = 0; p < c.property_page_count; ++p)
            out << (p ? ", " : " ") << c.property_pages[p];
        out << "\n";
        out << "  design extent: " << c.design_width << " x " << c.design_height << " twips\n";
    }

    for (std::size_t i = 0; i < lib.interface_count; ++i) {
        out << "\n";
        dump_interface(*lib.interfaces[i], out);
    }

    for (std::size_t i = 0; i < lib.enum_count; ++i) {
        const EnumDesc& e = *lib.enums[i];
        out << "\nenum " << e.name << " " << guid_to_string(e.guid) << "\n";
        for (std::size_t m = 0; m < e.member_count; ++m)
            out << "  " << e.members[m].name << " = " << e.members[m].value << "  \""
                << (e.members[m].help ? e.members[m].help : "") << "\"\n";
    }

    for (std::size_t i = 0; i < lib.bitmap_count; ++i) {
        out << "\n";
        dump_bitmap(lib.bitmaps[i], out);
    }

    if (const VersionDesc* v = lib.version) {
        out << "\nversion block, language " << v->language << "\n";
        out << "  file version: " << version_text(v->file_version) << "\n";
        out << "  product version: " << version_text(v->product_version) << "\n";
        for (std::size_t s = 0; s < v->string_count; ++s)
            out << "  " << v->strings[s].key << " = \"" << v->strings[s].value << "\"\n";
    }
}

}  // namespace qd::host
