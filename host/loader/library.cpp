#include "host/loader/library.h"

#include <dlfcn.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "host/loader/module_file.h"

namespace qd::host {

namespace {

template <typename Fn>
void resolve(void* handle, const char* name, Fn* out, std::string& missing) {
    *out = reinterpret_cast<Fn>(::dlsym(handle, name));
    if (!*out)
        missing += missing.empty() ? name : std::string(", ") + name;
}

}  // namespace

Library::Library(const std::string& path) {
    char resolved[PATH_MAX];
    if (!::realpath(path.c_str(), resolved))
        throw LoaderError("cannot load " + path + ": " + std::strerror(errno));
    path_ = resolved;
    check_module_file(path_);
    handle_ = ::dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* why = ::dlerror();
        throw LoaderError("cannot load " + path_ + ": " + (why ? why : "not a loadable module"));
    }
    std::string missing;
    resolve(handle_, "DllRegisterServer", &register_, missing);
    resolve(handle_, "DllUnregisterServer", &unregister_, missing);
    resolve(handle_, "DllGetClassObject", &get_class_object_, missing);
    resolve(handle_, "DllCanUnloadNow", &can_unload_now_, missing);
    if (!missing.empty()) {
        ::dlclose(handle_);
        handle_ = nullptr;
        throw LoaderError(path_ + " is not a component library: it does not export " + missing);
    }
}

Library::~Library() {
    if (handle_ && can_unload_now_() == S_OK)
        ::dlclose(handle_);
}

}  // namespace qd::host
