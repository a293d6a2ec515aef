// A control's dispatch interface as a property page gets it: every call passes through, and the
// name of the last member that failed is kept, so the dialog can say which field was refused.
#pragma once

#include <string>

#include "platform/object.h"
#include "platform/typeinfo.h"

namespace qd::qt::detail {

class RecordingDispatch final : public ComObject<RecordingDispatch, IDispatch> {
  public:
    explicit RecordingDispatch(IDispatch* inner) : inner_(inner) {}

    HRESULT GetTypeInfo(const InterfaceDesc** out) override { return inner_->GetTypeInfo(out); }
    HRESULT GetIDsOfNames(const char* name, std::int32_t* dispid) override {
        const HRESULT hr = inner_->GetIDsOfNames(name, dispid);
        if (failed(hr))
            failed_member_ = name ? name : "";
        return hr;
    }
    HRESULT Invoke(std::int32_t dispid, MemberKind kind, const Variant* args, std::int32_t argc,
                   Variant* result) override {
        const HRESULT hr = inner_->Invoke(dispid, kind, args, argc, result);
        if (failed(hr))
            failed_member_ = member_name(dispid);
        return hr;
    }

    // The member of the last failed call, empty when none failed; taking it clears it.
    std::string take_failed_member() { return std::exchange(failed_member_, {}); }

  private:
    std::string member_name(std::int32_t dispid) {
        const InterfaceDesc* desc = nullptr;
        if (failed(inner_->GetTypeInfo(&desc)) || !desc)
            return {};
        for (std::size_t i = 0; i < desc->member_count; ++i)
            if (desc->members[i].dispid == dispid)
                return desc->members[i].name;
        return {};
    }

    ComPtr<IDispatch> inner_;
    std::string failed_member_;
};

}  // namespace qd::qt::detail
