// An in-memory property store: keys in the order of their first write, each with its value.
// Keys match without regard to letter case and keep the spelling of their first write. Look-ups
// go through a hash of the lower-case key, so reading a store of N keys costs N, not N^2.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/host.h"
#include "platform/object.h"

namespace qd::host {

class PropertyBag final : public ComObject<PropertyBag, IPropertyStore> {
  public:
    struct Entry {
        std::string key;
        Variant value;
    };

    // The stored value, else *default_value, else Empty.
    HRESULT ReadProperty(const char* key, const Variant* default_value, Variant* out) override;
    // Inserts the key, or replaces its value where it stands.
    HRESULT WriteProperty(const char* key, const Variant& value) override;

    const std::vector<Entry>& entries() const { return entries_; }
    // The value under `key`, or null.
    const Variant* find(std::string_view key) const;
    void set(std::string_view key, Variant value);
    bool erase(std::string_view key);
    void clear() {
        entries_.clear();
        index_.clear();
    }

  private:
    std::vector<Entry> entries_;
    std::unordered_map<std::string, std::size_t> index_;  // lower-case key -> entry
};

}  // namespace qd::host
