#include "host/loader/loader.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>

#include "foundation/ascii.h"
#include "platform/registry.h"

namespace qd::host {

namespace {

std::mutex g_cache_mutex;
std::map<std::string, std::shared_ptr<Library>>& cache() {
    static std::map<std::string, std::shared_ptr<Library>> libraries;
    return libraries;
}

std::string code_text(HRESULT hr) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", static_cast<unsigned>(hr));
    return std::string(buf) + " " + result_message(hr);
}

// The registry line (as "FILE:LINE: TEXT") of the class entry named `name`, found by its words.
std::string registry_line_of(const std::string& file, const std::string& name) {
    std::ifstream in(file);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::istringstream words(line);
        std::string kind, guid, progid;
        words >> kind >> guid >> progid;
        if (kind == "class" && progid == name)
            return file + ":" + std::to_string(number) + ": " + line;
    }
    return file + ": class " + name;
}

// Why registering `lib` clashes with `entries`: a class entry of another class whose ProgID
// matches one of the library's in letter case only; empty when none does.
std::string registration_clash(const LibraryDesc& lib, const std::vector<RegistryEntry>& entries,
                               const std::string& file) {
    for (std::size_t i = 0; i < lib.class_count; ++i) {
        const ClassDesc& cls = lib.classes[i];
        const std::string progid = std::string(lib.name) + "." + cls.name;
        for (const RegistryEntry& e : entries)
            if (e.kind == RegistryEntry::Kind::Class && e.name != progid && e.guid != cls.clsid &&
                lower_ascii(e.name) == lower_ascii(progid))
                return "the ProgID " + progid + " clashes with the entry " +
                       registry_line_of(file, e.name) +
                       " (ProgIDs match in any letter case); unregister that one first";
    }
    return {};
}

// Calls a registration export; on failure names the registry's own problem when it has one.
void run_registration(const std::string& path, bool registering) {
    const std::shared_ptr<Library> lib = load_library(path);
    const HRESULT hr = registering ? lib->register_server() : lib->unregister_server();
    if (succeeded(hr))
        return;
    const char* what = registering ? "DllRegisterServer" : "DllUnregisterServer";
    std::string reason;
    try {
        Registry registry;
        const std::vector<RegistryEntry> entries = registry.read();
        reason = "cannot update " + registry.path();
        if (registering) {
            const TypeLibraryRef tl = type_library(path);
            if (std::string clash = registration_clash(tl.desc(), entries, registry.path());
                !clash.empty())
                reason = std::move(clash);
        }
    } catch (const RegistryError& e) {
        reason = e.what();
    }
    throw LoaderError(
        std::string(what) + " of " + lib->path() + " failed (" + code_text(hr) + "): " + reason,
        hr);
}

ComPtr<IUnknown> create_from(const std::shared_ptr<Library>& lib, const Guid& clsid,
                             const std::string& what, const Guid& iid) {
    ComPtr<IClassFactory> factory;
    HRESULT hr = lib->get_class_object(clsid, IClassFactory::iid, factory.put_void());
    if (failed(hr))
        throw LoaderError("cannot get the class factory of " + what + " from " + lib->path() +
                              ": " + code_text(hr),
                          hr);
    ComPtr<IUnknown> object;
    hr = factory->CreateInstance(nullptr, iid, object.put_void());
    if (failed(hr))
        throw LoaderError("cannot create " + what + ": " + code_text(hr), hr);
    return object;
}

}  // namespace

std::shared_ptr<Library> load_library(const std::string& path) {
    char resolved[PATH_MAX];
    const std::string key = ::realpath(path.c_str(), resolved) ? resolved : path;
    std::lock_guard lock(g_cache_mutex);
    std::shared_ptr<Library>& slot = cache()[key];
    if (!slot) {
        try {
            slot = std::make_shared<Library>(path);
        } catch (...) {
            cache().erase(key);
            throw;
        }
    }
    return slot;
}

void free_unused_libraries() {
    std::lock_guard lock(g_cache_mutex);
    std::erase_if(cache(), [](const auto& item) {
        return item.second.use_count() == 1 && item.second->can_unload_now() == S_OK;
    });
}

void register_library(const std::string& path) {
    run_registration(path, true);
}

void unregister_library(const std::string& path) {
    run_registration(path, false);
}

ComPtr<IUnknown> create_object(const std::string& what, const Guid& iid) {
    const std::size_t colon = what.rfind(':');
    if (what.find('/') != std::string::npos && colon != std::string::npos &&
        colon > what.rfind('/')) {
        const std::string class_name = what.substr(colon + 1);
        const TypeLibraryRef tl = type_library(what.substr(0, colon));
        Guid clsid{};
        if (!guid_from_string(class_name, &clsid)) {
            const ClassDesc* cls = find_class(tl.desc(), class_name.c_str());
            if (!cls)
                throw LoaderError(tl.library().path() + " has no class '" + class_name + "'",
                                  CLASS_E_CLASSNOTAVAILABLE);
            clsid = cls->clsid;
        }
        return create_from(load_library(tl.library().path()), clsid, what, iid);
    }

    Registry registry;
    Guid clsid{};
    std::optional<RegistryEntry> entry;
    try {
        entry =
            guid_from_string(what, &clsid) ? registry.find_class(clsid) : registry.find_class(what);
    } catch (const RegistryError& e) {
        throw LoaderError(e.what());
    }
    if (!entry)
        throw LoaderError("class " + what + " is not registered in " + registry.path(),
                          REGDB_E_CLASSNOTREG);
    std::shared_ptr<Library> lib;
    try {
        lib = load_library(entry->path);
    } catch (const LoaderError& e) {
        throw LoaderError("registry entry of " + what + " in " + registry.path() + ": " + e.what(),
                          REGDB_E_CLASSNOTREG);
    }
    return create_from(lib, entry->guid, what, iid);
}

TypeLibraryRef type_library(const std::string& path) {
    std::shared_ptr<Library> lib = load_library(path);
    ComPtr<ITypeLibrary> object;
    // The null identifier asks a module for its own type library without knowing its libid.
    HRESULT hr = lib->get_class_object(Guid{}, ITypeLibrary::iid, object.put_void());
    const LibraryDesc* desc = nullptr;
    if (succeeded(hr))
        hr = object->GetLibrary(&desc);
    if (failed(hr) || !desc)
        throw LoaderError(lib->path() + " publishes no type library: " + code_text(hr), hr);
    return TypeLibraryRef(std::move(lib), std::move(object), *desc);
}

}  // namespace qd::host
