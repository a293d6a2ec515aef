#include "host/trace/trace_sink.h"

namespace qd::host {

HRESULT RecordingSink::on_call(std::string_view line) {
    lines_.emplace_back(line);
    ++calls_;
    return calls_ == fail_at ? fail_code : S_OK;
}

void RecordingSink::clear() {
    lines_.clear();
    calls_ = 0;
}

}  // namespace qd::host
