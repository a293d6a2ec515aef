// The in-process server runtime. A module's four exports hand its static library descriptor
// to these functions, which do the work: registration in the registry, class factories, the
// object count and the type library.
#pragma once

#include "platform/com.h"
#include "platform/typeinfo.h"

namespace qd {

struct IClassFactory : IUnknown {
    static constexpr Guid iid = {0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
    // Creates a new object of the factory's class and returns its interface `iid`.
    // CLASS_E_NOAGGREGATION when `outer` is not null; CLASS_E_CLASSNOTAVAILABLE when this build
    // cannot create the class.
    virtual HRESULT CreateInstance(IUnknown* outer, const Guid& iid, void** out) = 0;
    // Keeps the module loaded (DllCanUnloadNow answers S_FALSE) while locked.
    virtual HRESULT LockServer(bool lock) = 0;

  protected:
    ~IClassFactory() = default;
};

// The module's type library, obtained through DllGetClassObject with the library's identifier
// (libid) as the class identifier and ITypeLibrary's iid. A loader that does not know the libid
// yet passes the null identifier (all zeros) instead.
struct ITypeLibrary : IUnknown {
    static constexpr Guid iid = {
        0x7A1D0F00, 0x51E3, 0x4C0B, {0x9A, 0x6D, 0x2E, 0x4B, 0x10, 0x83, 0x3C, 0x01}};
    // The static descriptor; valid while this object is alive. Not owned by the caller.
    virtual HRESULT GetLibrary(const LibraryDesc** out) = 0;

  protected:
    ~ITypeLibrary() = default;
};

// Called by the module's load-time entry point.
void server_attach(const LibraryDesc& lib);

// The four exports. Registration writes the registry (platform/registry.h) and answers
// SELFREG_E_CLASS when it cannot be read or written; the registry is then left as it was.
HRESULT server_register(const LibraryDesc& lib);
HRESULT server_unregister(const LibraryDesc& lib);
HRESULT server_get_class_object(const LibraryDesc& lib, const Guid& clsid, const Guid& iid,
                                void** out);
HRESULT server_can_unload_now();

}  // namespace qd

// The signatures of the four exports every component module defines.
extern "C" {
qd::HRESULT DllRegisterServer();
qd::HRESULT DllUnregisterServer();
qd::HRESULT DllGetClassObject(const qd::Guid* clsid, const qd::Guid* iid, void** out);
qd::HRESULT DllCanUnloadNow();
}
