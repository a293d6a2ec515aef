// A component module loaded into the host: dlopen by path and the four standard exports.
#pragma once

#include <stdexcept>
#include <string>

#include "platform/com.h"

namespace qd::host {

// A module that cannot be loaded, registered or asked for a class. The message names the module
// and what went wrong; `code` is the result code behind it (E_FAIL when there is none).
class LoaderError : public std::runtime_error {
  public:
    explicit LoaderError(const std::string& message, HRESULT code = E_FAIL)
        : std::runtime_error(message), code_(code) {}
    HRESULT code() const { return code_; }

  private:
    HRESULT code_;
};

class Library {
  public:
    // Loads the module at `path` (made absolute) and resolves its four exports. Throws
    // LoaderError for a missing file, a file that is no loadable module, or a module that lacks
    // any of the exports (naming the ones missing).
    explicit Library(const std::string& path);
    // Unloads the module, unless it still has live objects or locks: then it stays loaded, since
    // unloading would pull the code from under them.
    ~Library();
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    const std::string& path() const { return path_; }

    HRESULT register_server() const { return register_(); }
    HRESULT unregister_server() const { return unregister_(); }
    HRESULT get_class_object(const Guid& clsid, const Guid& iid, void** out) const {
        return get_class_object_(&clsid, &iid, out);
    }
    HRESULT can_unload_now() const { return can_unload_now_(); }

  private:
    std::string path_;
    void* handle_ = nullptr;
    HRESULT (*register_)() = nullptr;
    HRESULT (*unregister_)() = nullptr;
    HRESULT (*get_class_object_)(const Guid*, const Guid*, void**) = nullptr;
    HRESULT (*can_unload_now_)() = nullptr;
};

}  // namespace qd::host
