#include "qt/src/class_facts.h"

#include <dlfcn.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <mutex>

#include "host/container/container.h"
#include "host/loader/loader.h"
#include "host/loader/toolbox_bitmap.h"
#include "host/trace/silent_sink.h"
#include "platform/registry.h"

namespace qd::qt::detail {

namespace {

constexpr float kTwipsPerPixel = 15;

// The module that serves `what`, and the class's identifier when it is known by one.
std::string module_of(const std::string& what, std::string* class_name) {
    host::ClassLocation at = host::locate_class(what);
    *class_name = std::move(at.class_name);
    return std::move(at.module);
}

const ClassDesc* find_in(const LibraryDesc& library, const std::string& class_name) {
    Guid clsid{};
    return guid_from_string(class_name, &clsid) ? find_class(library, clsid)
                                                : find_class(library, class_name.c_str());
}

QList<PropertyInfo> read_properties(const InterfaceDesc& iface, const LibraryDesc& library) {
    QList<PropertyInfo> out;
    for (std::size_t i = 0; i < iface.member_count; ++i) {
        const MemberDesc& m = iface.members[i];
        if (m.kind == MemberKind::Method)
            continue;
        auto it = std::find_if(out.begin(), out.end(),
                               [&](const PropertyInfo& p) { return p.dispid == m.dispid; });
        if (it == out.end()) {
            PropertyInfo info;
            info.name = QString::fromUtf8(m.name);
            info.dispid = m.dispid;
            info.readOnly = true;
            info.kind = property_kind(m.type, library, &info);
            out.append(info);
            it = out.end() - 1;
        }
        if (m.kind == MemberKind::PropertyPut)
            it->readOnly = false;
    }
    return out;
}

// Whether Resize keeps `side` (pixels) of a control otherwise at its design extent.
bool keeps(host::HostedControl& probe, host::ControlExtent design, bool width, int side) {
    const float twips = side * kTwipsPerPixel;
    probe.resize(width ? twips : design.width, width ? design.height : twips);
    return (width ? probe.site().width() : probe.site().height()) == twips;
}

// The smallest whole number of pixels of each side that Resize keeps, found on a probe control.
host::ControlExtent probe_minimum(const std::string& what, host::ControlExtent design) {
    host::SilentSink sink;
    host::Container container(sink);
    host::HostedControl& probe = container.create("probe", what, design);
    host::ControlExtent minimum{};
    for (const bool width : {true, false}) {
        const int design_px =
            static_cast<int>((width ? design.width : design.height) / kTwipsPerPixel);
        int low = 1, high = std::max(design_px, 1);
        if (!keeps(probe, design, width, high))
            low = high;
        while (low < high) {
            const int mid = low + (high - low) / 2;
            if (keeps(probe, design, width, mid))
                high = mid;
            else
                low = mid + 1;
        }
        (width ? minimum.width : minimum.height) = static_cast<float>(low) * kTwipsPerPixel;
    }
    return minimum;
}

std::shared_ptr<const ClassFacts> read_facts(const std::string& what) {
    auto facts = std::make_shared<ClassFacts>();
    std::string class_name;
    const std::string path = module_of(what, &class_name);
    try {
        const host::TypeLibraryRef tl = host::type_library(path);
        const ClassDesc* cls = find_in(tl.desc(), class_name);
        if (!cls || !cls->default_interface)
            throw host::ContainerError(CLASS_E_CLASSNOTAVAILABLE,
                                       "the type library of " + path + " has no class " + what);
        facts->properties = read_properties(*cls->default_interface, tl.desc());
        facts->design = {cls->design_width, cls->design_height};
        for (std::size_t i = 0; i < cls->property_page_count; ++i)
            facts->pages.append(QString::fromUtf8(cls->property_pages[i]));
        facts->library = tl.desc().name;
        facts->module = path;
        facts->by_path = what.size() > path.size() && what.compare(0, path.size(), path) == 0;
        if (const BitmapDesc* bitmap = host::toolbox_bitmap(tl.desc(), *cls))
            facts->toolbox = bitmap_image(*bitmap);
    } catch (const host::LoaderError& e) {
        throw host::ContainerError(e.code(), e.what());
    }
    facts->minimum = probe_minimum(what, facts->design);
    return facts;
}

// The folder this library was loaded from.
std::filesystem::path library_folder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&resolve_class), &info) == 0 || !info.dli_fname)
        return {};
    return std::filesystem::path(info.dli_fname).parent_path();
}

}  // namespace

std::string resolve_class(const std::string& progid, const std::string& module) {
    try {
        if (Registry().find_class(progid))
            return progid;
    } catch (const RegistryError&) {
        // An unreadable registry: the module beside the library may still serve.
    }
    const std::filesystem::path folder = library_folder();
    const std::string file = module + ".so";
    const std::string class_name = progid.substr(progid.find('.') + 1);
    for (const std::filesystem::path& candidate : {folder / file, folder / "qd" / file}) {
        std::error_code ignored;
        if (!folder.empty() && std::filesystem::is_regular_file(candidate, ignored))
            return candidate.string() + ":" + class_name;
    }
    return progid;
}

const PropertyInfo* ClassFacts::find(const QString& name) const {
    for (const PropertyInfo& p : properties)
        if (p.name.compare(name, Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

std::string ClassFacts::page_class(const QString& page) const {
    return (by_path ? module + ":" : library + ".") + page.toStdString();
}

QImage bitmap_image(const BitmapDesc& bitmap) {
    QImage image(bitmap.width, bitmap.height, QImage::Format_RGB32);
    for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x) {
            const std::uint32_t p = bitmap_pixel(bitmap, x, y).value_or(0);
            image.setPixel(x, y, qRgb(p & 0xFF, (p >> 8) & 0xFF, (p >> 16) & 0xFF));
        }
    return image;
}

PropertyInfo::Kind property_kind(const TypeDesc& type, const LibraryDesc& library,
                                 PropertyInfo* info) {
    for (std::size_t i = 0; i < library.enum_count; ++i) {
        const EnumDesc& e = *library.enums[i];
        if (std::strcmp(e.name, type.name) != 0)
            continue;
        for (std::size_t k = 0; k < e.member_count; ++k) {
            info->enumNames.append(QString::fromUtf8(e.members[k].name));
            info->enumValues.append(e.members[k].value);
        }
        return PropertyInfo::Kind::Enumeration;
    }
    if (std::strcmp(type.name, kOleColor.name) == 0)
        return PropertyInfo::Kind::Colour;
    switch (type.var) {
        case VarType::Float32:
        case VarType::Float64:
            return PropertyInfo::Kind::Number;
        case VarType::Int16:
        case VarType::Int32:
            return PropertyInfo::Kind::Integer;
        case VarType::Bool:
            return PropertyInfo::Kind::Boolean;
        case VarType::Text:
            return PropertyInfo::Kind::Text;
        default:
            return PropertyInfo::Kind::Other;
    }
}

std::shared_ptr<const ClassFacts> class_facts(const std::string& what) {
    static std::mutex lock;
    static std::map<std::string, std::shared_ptr<const ClassFacts>> known;
    const std::lock_guard<std::mutex> hold(lock);
    auto& facts = known[what];
    if (!facts)
        facts = read_facts(what);
    return facts;
}

}  // namespace qd::qt::detail
