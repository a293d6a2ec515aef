// A control's place in its container: its outer extent (twips), its two children and the
// notifications it sends.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host.h"
#include "platform/object.h"

namespace qd::host {

class ControlSite final : public ComObject<ControlSite, IControlSite> {
  public:
    // `picture` and `label` are the children handed to the control (kept by reference); the
    // extent is the control's design extent, in twips.
    ControlSite(float width, float height, IPictureBox* picture, ILabel* label);

    HRESULT get_Width(float* v) override;
    HRESULT put_Width(float v) override;  // InvalidPropertyValue for a negative width
    HRESULT get_Height(float* v) override;
    HRESULT put_Height(float v) override;
    HRESULT PropertyChanged(const char* name) override;
    HRESULT get_picBox(IPictureBox** out) override;
    HRESULT get_lblText(ILabel** out) override;

    float width() const { return width_; }
    float height() const { return height_; }
    // The container changes the extent itself (before it raises Resize on the control).
    void set_extent(float width, float height);
    // Every PropertyChanged name, in order, while the site keeps them (the default, for tests
    // and short scripts). A long-lived host turns keeping off so that a task setting Value a
    // million times does not grow the list without bound; the handler still sees every name.
    const std::vector<std::string>& changes() const { return changes_; }
    void clear_changes() { changes_.clear(); }
    void keep_changes(bool keep) {
        keep_changes_ = keep;
        if (!keep)
            changes_.clear();
    }
    // Called on every PropertyChanged (for example to mark a form as modified).
    void on_property_changed(std::function<void(std::string_view)> handler) {
        handler_ = std::move(handler);
    }

  private:
    float width_, height_;
    ComPtr<IPictureBox> picture_;
    ComPtr<ILabel> label_;
    std::vector<std::string> changes_;
    bool keep_changes_ = true;
    std::function<void(std::string_view)> handler_;
};

}  // namespace qd::host
