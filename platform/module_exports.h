// The four exports of a component module and its load-time hand-over, for one library
// descriptor. A module's exports.cpp is one line: QD_MODULE_EXPORTS(its descriptor).
//
// Each export hands the descriptor to the server runtime, which does the work; the load-time
// constructor hands it over once when the module is loaded.
#pragma once

#include "platform/server.h"

#define QD_EXPORT extern "C" __attribute__((visibility("default")))

#define QD_MODULE_EXPORTS(library)                                                      \
    QD_EXPORT qd::HRESULT DllRegisterServer() {                                         \
        return qd::server_register(library);                                            \
    }                                                                                   \
    QD_EXPORT qd::HRESULT DllUnregisterServer() {                                       \
        return qd::server_unregister(library);                                          \
    }                                                                                   \
    QD_EXPORT qd::HRESULT DllGetClassObject(const qd::Guid* clsid, const qd::Guid* iid, \
                                            void** out) {                               \
        if (!clsid || !iid) {                                                           \
            if (out)                                                                    \
                *out = nullptr;                                                         \
            return qd::E_POINTER;                                                       \
        }                                                                               \
        return qd::server_get_class_object(library, *clsid, *iid, out);                 \
    }                                                                                   \
    QD_EXPORT qd::HRESULT DllCanUnloadNow() {                                           \
        return qd::server_can_unload_now();                                             \
    }                                                                                   \
    namespace {                                                                         \
    __attribute__((constructor)) void attach_library() {                                \
        qd::server_attach(library);                                                     \
    }                                                                                   \
    }
