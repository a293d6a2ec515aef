// How a host finds, registers and creates components: through the registry (by ProgID or class
// identifier) or straight from a module's path. Loaded modules are cached and stay loaded while
// objects of theirs may be alive.
#pragma once

#include <memory>
#include <string>

#include "host/loader/library.h"
#include "platform/server.h"

namespace qd::host {

// The cached module at `path`, loading it on first use. Throws LoaderError.
std::shared_ptr<Library> load_library(const std::string& path);

// Unloads cached modules that answer DllCanUnloadNow with S_OK and that nobody else holds.
void free_unused_libraries();

// Load the module and call its registration export against the current registry
// (QD_REGISTRY or the per-user default). Throw LoaderError with the reason on failure.
void register_library(const std::string& path);
void unregister_library(const std::string& path);

// Creates an object and returns its interface `iid` (the pointer is that interface's, held as
// IUnknown). `what` is one of
//   LIBRARY.CLASS        a ProgID, looked up in the registry
//   {CLSID}              a class identifier, looked up in the registry
//   PATH:CLASS           a module path (containing '/') and a class name of its type library
// Throws LoaderError: an unknown class (REGDB_E_CLASSNOTREG), a registry entry pointing at a
// missing or foreign module, or the failure code of the module's class factory.
ComPtr<IUnknown> create_object(const std::string& what, const Guid& iid);

template <typename I>
ComPtr<I> create_object(const std::string& what) {
    return ComPtr<I>::adopt(reinterpret_cast<I*>(create_object(what, iid_of<I>()).detach()));
}

// A module's type library, obtained through its exports alone; keeps the module loaded.
class TypeLibraryRef {
  public:
    TypeLibraryRef(std::shared_ptr<Library> library, ComPtr<ITypeLibrary> object,
                   const LibraryDesc& desc)
        : library_(std::move(library)), object_(std::move(object)), desc_(&desc) {}
    const LibraryDesc& desc() const { return *desc_; }
    const Library& library() const { return *library_; }

  private:
    std::shared_ptr<Library> library_;  // declared first: released last
    ComPtr<ITypeLibrary> object_;
    const LibraryDesc* desc_;
};

TypeLibraryRef type_library(const std::string& path);

}  // namespace qd::host
