#include "host/model/control_site.h"

namespace qd::host {

ControlSite::ControlSite(float width, float height, IPictureBox* picture, ILabel* label)
    : width_(width), height_(height), picture_(picture), label_(label) {}

namespace {

// A side of the extent takes any length from 0 up; a negative or NaN one is refused.
HRESULT put_side(float v, float* side) {
    if (!(v >= 0))
        return runtime_error_code(ErrorNumber::InvalidPropertyValue);
    *side = v;
    return S_OK;
}

// A child handed out with a reference of its own; E_FAIL when the site has none.
template <typename I>
HRESULT hand_out(const ComPtr<I>& child, I** out) {
    if (!out)
        return E_POINTER;
    *out = child.get();
    if (*out)
        (*out)->AddRef();
    return *out ? S_OK : E_FAIL;
}

}  // namespace

HRESULT ControlSite::get_Width(float* v) {
    return return_value(width_, v);
}

HRESULT ControlSite::put_Width(float v) {
    return put_side(v, &width_);
}

HRESULT ControlSite::get_Height(float* v) {
    return return_value(height_, v);
}

HRESULT ControlSite::put_Height(float v) {
    return put_side(v, &height_);
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
    return hand_out(picture_, out);
}

HRESULT ControlSite::get_lblText(ILabel** out) {
    return hand_out(label_, out);
}

}  // namespace qd::host
