#include "host/model/property_bag.h"

#include "foundation/ascii.h"

#include <algorithm>
#include <cctype>

namespace qd::host {

namespace {

bool same_key(std::string_view a, std::string_view b) {
    return iequals_ascii(a, b);
}

}  // namespace

const Variant* PropertyBag::find(std::string_view key) const {
    for (const Entry& e : entries_)
        if (same_key(e.key, key))
            return &e.value;
    return nullptr;
}

void PropertyBag::set(std::string_view key, Variant value) {
    for (Entry& e : entries_) {
        if (same_key(e.key, key)) {
            e.value = std::move(value);
            return;
        }
    }
    entries_.push_back({std::string(key), std::move(value)});
}

bool PropertyBag::erase(std::string_view key) {
    return std::erase_if(entries_, [&](const Entry& e) { return same_key(e.key, key); }) > 0;
}

HRESULT PropertyBag::ReadProperty(const char* key, const Variant* default_value, Variant* out) {
    if (!key || !out)
        return E_POINTER;
    if (const Variant* v = find(key))
        *out = *v;
    else if (default_value)
        *out = *default_value;
    else
        *out = Variant();
    return S_OK;
}

HRESULT PropertyBag::WriteProperty(const char* key, const Variant& value) {
    if (!key)
        return E_POINTER;
    return guard([&] { set(key, value); });
}

}  // namespace qd::host
