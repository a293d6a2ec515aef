#include "host/model/control_site.h"

namespace qd::host {

ControlSite::ControlSite(float width, float height, IPictureBox* picture, ILabel* label)
    : width_(width), height_(height), picture_(picture), label_(label) {}

HRESULT ControlSite::get_Width(float* v) {
    if (!v)
        return E_POINTER;
    *v = width_;
    return S_OK;
}

HRESULT ControlSite::put_Width(float v) {
    if (!(v >= 0))
        return runtime_error_code(ErrorNumber::InvalidPropertyValue);
    width_ = v;
    return S_OK;
}

HRESULT ControlSite::get_Height(float* v) {
    if (!v)
        return E_POINTER;
    *v = height_;
    return S_OK;
}

HRESULT ControlSite::put_Height(float v) {
    if (!(v >= 0))
        return runtime_error_code(ErrorNumber::InvalidPropertyValue);
    height_ = v;
    return S_OK;
}

void ControlSite::set_extent(float width, float height) {
    width_ = width;
    height_ = height;
}

HRESULT ControlSite::PropertyChanged(const char* name) {
    if (!name)
        return E_POINTER;
    if (keep_changes_)
        changes_.emplace_back(name);
    if (handler_)
        handler_(name);
    return S_OK;
}

HRESULT ControlSite::get_picBox(IPictureBox** out) {
    if (!out)
        return E_POINTER;
    *out = picture_.get();
    if (*out)
        (*out)->AddRef();
    return *out ? S_OK : E_FAIL;
}

HRESULT ControlSite::get_lblText(ILabel** out) {
    if (!out)
        return E_POINTER;
    *out = label_.get();
    if (*out)
        (*out)->AddRef();
    return *out ? S_OK : E_FAIL;
}

}  // namespace qd::host
