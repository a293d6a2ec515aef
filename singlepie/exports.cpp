// The module's four exports. Each hands the library's descriptor to the server runtime, which
// does the work; the load-time constructor hands it over once when the module is loaded.
#include "platform/server.h"
#include "singlepie/library.h"

#define QD_EXPORT extern "C" __attribute__((visibility("default")))

QD_EXPORT qd::HRESULT DllRegisterServer() {
    return qd::server_register(qd::single::kLibrary);
}

QD_EXPORT qd::HRESULT DllUnregisterServer() {
    return qd::server_unregister(qd::single::kLibrary);
}

QD_EXPORT qd::HRESULT DllGetClassObject(const qd::Guid* clsid, const qd::Guid* iid, void** out) {
    if (!clsid || !iid) {
        if (out)
            *out = nullptr;
        return qd::E_POINTER;
    }
    return qd::server_get_class_object(qd::single::kLibrary, *clsid, *iid, out);
}

QD_EXPORT qd::HRESULT DllCanUnloadNow() {
    return qd::server_can_unload_now();
}

namespace {
__attribute__((constructor)) void attach_library() {
    qd::server_attach(qd::single::kLibrary);
}
}  // namespace
