#include "platform/server.h"

#include <dlfcn.h>

#include <atomic>
#include <climits>
#include <cstdlib>
#include <string>

#include "platform/object.h"
#include "platform/registry.h"

namespace qd {

namespace {

const LibraryDesc* g_attached = nullptr;
std::atomic<long> g_locks{0};

class ClassFactory : public ComObject<ClassFactory, IClassFactory> {
  public:
    explicit ClassFactory(const ClassDesc& cls) : cls_(cls) {}

    HRESULT CreateInstance(IUnknown* outer, const Guid& iid, void** out) override {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        if (!cls_.create)
            return CLASS_E_CLASSNOTAVAILABLE;
        return cls_.create(iid, out);
    }

    HRESULT LockServer(bool lock) override {
        if (lock) {
            ++g_locks;
        } else {
            // An unlock without a lock is the caller's mistake; never let the count go negative.
            long n = g_locks.load();
            do {
                if (n == 0)
                    return E_UNEXPECTED;
            } while (!g_locks.compare_exchange_weak(n, n - 1));
        }
        return S_OK;
    }

  private:
    const ClassDesc& cls_;
};

class TypeLibrary : public ComObject<TypeLibrary, ITypeLibrary> {
  public:
    explicit TypeLibrary(const LibraryDesc& lib) : lib_(lib) {}

    HRESULT GetLibrary(const LibraryDesc** out) override {
        if (!out)
            return E_POINTER;
        *out = &lib_;
        return S_OK;
    }

  private:
    const LibraryDesc& lib_;
};

// The absolute path of the module this runtime is linked into.
std::string module_path() {
    Dl_info info{};
    if (!::dladdr(reinterpret_cast<void*>(&module_path), &info) || !info.dli_fname)
        throw RegistryError("registry: cannot find the path of this module");
    char resolved[PATH_MAX];
    if (!::realpath(info.dli_fname, resolved))
        throw RegistryError(std::string("registry: cannot resolve module path ") + info.dli_fname);
    return resolved;
}

std::string progid_of(const LibraryDesc& lib, const ClassDesc& cls) {
    return std::string(lib.name) + "." + cls.name;
}

// Removes every entry that belongs to `lib` or names one of its classes.
void remove_library(const LibraryDesc& lib, std::vector<RegistryEntry>& entries) {
    std::erase_if(entries, [&](const RegistryEntry& e) {
        if (e.kind == RegistryEntry::Kind::TypeLib)
            return e.guid == lib.libid;
        for (std::size_t i = 0; i < lib.class_count; ++i) {
            const ClassDesc& cls = lib.classes[i];
            if (e.guid == cls.clsid || e.name == progid_of(lib, cls))
                return true;
        }
        return false;
    });
}

template <typename Body>
HRESULT registry_guard(Body&& body) noexcept {
    try {
        body();
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return SELFREG_E_CLASS;
    }
}

}  // namespace

void server_attach(const LibraryDesc& lib) {
    g_attached = &lib;
}

HRESULT server_register(const LibraryDesc& lib) {
    return registry_guard([&] {
        const std::string path = module_path();
        Registry().update([&](std::vector<RegistryEntry>& entries) {
            remove_library(lib, entries);
            for (std::size_t i = 0; i < lib.class_count; ++i) {
                const ClassDesc& cls = lib.classes[i];
                entries.push_back(
                    {RegistryEntry::Kind::Class, cls.clsid, progid_of(lib, cls), 0, 0, path});
            }
            entries.push_back({RegistryEntry::Kind::TypeLib, lib.libid, lib.name, lib.major_version,
                               lib.minor_version, path});
        });
    });
}

HRESULT server_unregister(const LibraryDesc& lib) {
    return registry_guard(
        [&] { Registry().update([&](auto& entries) { remove_library(lib, entries); }); });
}

HRESULT server_get_class_object(const LibraryDesc& lib, const Guid& clsid, const Guid& iid,
                                void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    // The library's own identifier, or the null identifier for a caller that does not know it
    // yet, names the type library.
    if (clsid == lib.libid || clsid == Guid{}) {
        if (!(iid == ITypeLibrary::iid) && !(iid == IID_IUnknown))
            return E_NOINTERFACE;
        return TypeLibrary::create_instance(iid, out, lib);
    }
    const ClassDesc* cls = find_class(lib, clsid);
    if (!cls)
        return CLASS_E_CLASSNOTAVAILABLE;
    return ClassFactory::create_instance(iid, out, *cls);
}

HRESULT server_can_unload_now() {
    return module_object_count() == 0 && g_locks.load() == 0 ? S_OK : S_FALSE;
}

}  // namespace qd
