#include "host/trace/traced_store.h"

#include <string>

namespace qd::host {

TracedStore::TracedStore(IPropertyStore* inner, TraceSink& sink) : inner_(inner), sink_(sink) {}

HRESULT TracedStore::ReadProperty(const char* key, const Variant* default_value, Variant* out) {
    if (!key)
        return E_POINTER;
    std::string member = "ReadProperty " + trace_value(key);
    if (default_value)
        member += ", " + trace_value(*default_value);
    return traced_read(
        sink_, "store", member, out,
        [&](Variant* v) { return inner_->ReadProperty(key, default_value, v); },
        [](const Variant& v) { return trace_value(v); });
}

HRESULT TracedStore::WriteProperty(const char* key, const Variant& value) {
    if (!key)
        return E_POINTER;
    const auto line = [&] {
        return call_line("store", "WriteProperty", {trace_value(key), trace_value(value)});
    };
    return traced_call(sink_, line, [&] { return inner_->WriteProperty(key, value); });
}

}  // namespace qd::host
