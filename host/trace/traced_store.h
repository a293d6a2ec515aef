// A property store that reports every read and write to a TraceSink:
//   store.ReadProperty "Min", 0 -> 0      store.ReadProperty "FillType" -> Empty
//   store.WriteProperty "Min", 0
#pragma once

#include "host/trace/trace_sink.h"
#include "platform/host.h"
#include "platform/object.h"

namespace qd::host {

class TracedStore final : public ComObject<TracedStore, IPropertyStore> {
  public:
    // Keeps a reference to `inner`; `sink` must outlive this object.
    TracedStore(IPropertyStore* inner, TraceSink& sink);

    HRESULT ReadProperty(const char* key, const Variant* default_value, Variant* out) override;
    HRESULT WriteProperty(const char* key, const Variant& value) override;

  private:
    ComPtr<IPropertyStore> inner_;
    TraceSink& sink_;
};

}  // namespace qd::host
