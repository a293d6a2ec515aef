// Where the traced decorators report the host calls a control makes.
//
// A decorator reports one line per call (trace_format.h). For a set or a method it reports the
// line before forwarding; for a read it forwards first, since the line carries the value read.
// A failure code returned by on_call fails the call with that code: a set or method is then
// not forwarded and a read hands back no value (failure injection). on_result tells the sink
// the outcome of a forwarded call.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/result.h"
#include "host/trace/trace_format.h"

namespace qd::host {

class TraceSink {
  public:
    virtual ~TraceSink() = default;
    virtual HRESULT on_call(std::string_view line) = 0;
    virtual void on_result(HRESULT) {}
    // False when the sink would drop every line (tracing off): the decorators then forward
    // each call straight away, without formatting its line.
    virtual bool wants_lines() const { return true; }
};

// Keeps every line, counts the calls and fails call number `fail_at` (1-based; 0 never).
// The failed call's line is kept too.
class RecordingSink final : public TraceSink {
  public:
    HRESULT on_call(std::string_view line) override;

    const std::vector<std::string>& lines() const { return lines_; }
    std::size_t calls() const { return calls_; }
    // Forgets the lines and restarts the count (fail_at then counts from the next call).
    void clear();

    std::size_t fail_at = 0;
    HRESULT fail_code = E_FAIL;

  private:
    std::vector<std::string> lines_;
    std::size_t calls_ = 0;
};

// The decorator's step for a property set or a method: report, then forward.
template <typename MakeLine, typename Forward>
HRESULT traced_call(TraceSink& sink, MakeLine&& make_line, Forward&& forward) {
    if (!sink.wants_lines())
        return forward();
    const HRESULT refused = sink.on_call(make_line());
    if (failed(refused))
        return refused;
    const HRESULT hr = forward();
    sink.on_result(hr);
    return hr;
}

// The decorator's step for a property read: forward, then report the value read.
template <typename T, typename Forward, typename Format>
HRESULT traced_read(TraceSink& sink, std::string_view object, std::string_view member, T* out,
                    Forward&& forward, Format&& format) {
    if (!out)
        return E_POINTER;
    T value{};
    const HRESULT hr = forward(&value);
    if (sink.wants_lines()) {
        const std::string text = succeeded(hr) ? format(value) : trace_error(hr);
        const HRESULT refused = sink.on_call(read_line(object, member, text));
        if (failed(refused))
            return refused;
        sink.on_result(hr);
    }
    if (succeeded(hr))
        *out = value;
    return hr;
}

// The two steps for a plain property member of interface I: "OBJECT.Member = value" then
// (inner->*put)(value); (inner->*get)(out) then "OBJECT.Member -> value".
template <typename I, typename T>
HRESULT traced_put(TraceSink& sink, std::string_view object, const char* member, I* inner,
                   HRESULT (I::*put)(T), T value) {
    return traced_call(
        sink, [&] { return set_line(object, member, trace_value(value)); },
        [&] { return (inner->*put)(value); });
}

template <typename I, typename T>
HRESULT traced_get(TraceSink& sink, std::string_view object, const char* member, I* inner,
                   HRESULT (I::*get)(T*), T* out) {
    return traced_read(
        sink, object, member, out, [&](T* v) { return (inner->*get)(v); },
        [](T v) { return trace_value(v); });
}

}  // namespace qd::host
