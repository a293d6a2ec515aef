#include "host/model/property_bag.h"

#include "foundation/ascii.h"

namespace qd::host {

const Variant* PropertyBag::find(std::string_view key) const {
    const auto it = index_.find(lower_ascii(key));
    return it == index_.end() ? nullptr : &entries_[it->second].value;
}

void PropertyBag::set(std::string_view key, Variant value) {
    const auto [it, inserted] = index_.try_emplace(lower_ascii(key), entries_.size());
    if (!inserted) {
        entries_[it->second].value = std::move(value);
        return;
    }
    try {
        entries_.push_back({std::string(key), std::move(value)});
    } catch (...) {
        index_.erase(it);
        throw;
    }
}

bool PropertyBag::erase(std::string_view key) {
    const auto it = index_.find(lower_ascii(key));
    if (it == index_.end())
        return false;
    const std::size_t gone = it->second;
    index_.erase(it);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(gone));
    // The entries after it moved up by one.
    for (auto& [lower, at] : index_)
        if (at > gone)
            --at;
    return true;
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
