// A control placed in a recording container: its picture box, label, site and property store
// are the model objects of host/model, each wrapped in a traced decorator that reports to one
// RecordingSink. A test drives the control through its dual interface and compares the exact
// host calls it made:
//
//   ControlRig<qd::progress::_qdProgressPie> rig(&qd::progress::create_progress_pie);
//   rig.start_pixels(200, 100);   // SetSite, InitProperties, Resize on a 200 x 100 pixel control
//   rig.clear();
//   rig->put_Value(40);
//   EXPECT_EQ(rig.lines(), (Lines{"PropertyChanged \"Value\"", "picBox.ScaleMode = 3", ...}));
//
// Generic over the control: it needs the class's creator (the class factory's step) and the
// dual interface type; the control must also answer IControl.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/model/control_site.h"
#include "host/model/model_label.h"
#include "host/model/model_picture_box.h"
#include "host/model/property_bag.h"
#include "host/trace/trace_sink.h"
#include "host/trace/traced_label.h"
#include "host/trace/traced_picture_box.h"
#include "host/trace/traced_site.h"
#include "host/trace/traced_store.h"
#include "platform/host.h"

namespace qd::test {

using Lines = std::vector<std::string>;
using CreateFn = HRESULT (*)(const Guid& iid, void** out);

inline constexpr float kTwipsPerPixel = host::kTwipsPerPixel;

template <typename Dual>
class ControlRig {
  public:
    // Creates the control and its container; the control is not yet sited. The picture box
    // starts at the control's extent (twips), with the given BorderStyle.
    explicit ControlRig(CreateFn create, float width = 3000.0f, float height = 3000.0f,
                        std::int16_t border_style = 0)
        : pic_(new host::ModelPictureBox(width, height, border_style)),
          label_(new host::ModelLabel(pic_.get())),
          traced_pic_(new host::TracedPictureBox(pic_.get(), sink_)),
          traced_label_(new host::TracedLabel(label_.get(), sink_)),
          site_(new host::ControlSite(width, height, traced_pic_.get(), traced_label_.get())),
          traced_site_(new host::TracedSite(site_.get(), sink_)),
          bag_(new host::PropertyBag()),
          traced_store_(new host::TracedStore(bag_.get(), sink_)) {
        const HRESULT hr = create(Dual::iid, control_.put_void());
        EXPECT_EQ(hr, S_OK) << "creating the control";
        events_ = control_.template query<IControl>();
        EXPECT_TRUE(events_) << "the control answers IControl";
    }

    Dual* operator->() const { return control_.get(); }
    Dual* control() const { return control_.get(); }
    IControl* events() const { return events_.get(); }

    host::ModelPictureBox& pic() { return *pic_.get(); }
    host::ModelLabel& label() { return *label_.get(); }
    host::ControlSite& site() { return *site_.get(); }
    host::PropertyBag& bag() { return *bag_.get(); }
    host::RecordingSink& sink() { return sink_; }
    // The traced view of bag(), as the control sees it.
    IPropertyStore* store() const { return traced_store_.get(); }

    // ---- Events ------------------------------------------------------------------------------
    HRESULT set_site() { return events_->SetSite(traced_site_.get()); }
    HRESULT init() { return events_->InitProperties(); }
    HRESULT read() { return events_->ReadProperties(store()); }
    HRESULT write() { return events_->WriteProperties(store()); }
    HRESULT resize() { return events_->Resize(); }
    // Changes the control's extent as the container does, then raises Resize.
    HRESULT resize(float width, float height) {
        site_->set_extent(width, height);
        return resize();
    }
    HRESULT resize_pixels(float width, float height) {
        return resize(width * kTwipsPerPixel, height * kTwipsPerPixel);
    }

    // A new control: SetSite, InitProperties, then Resize at the current extent. Returns the
    // first failure.
    HRESULT start() {
        HRESULT hr = set_site();
        if (succeeded(hr))
            hr = init();
        return succeeded(hr) ? resize() : hr;
    }
    HRESULT start_pixels(float width, float height) {
        site_->set_extent(width * kTwipsPerPixel, height * kTwipsPerPixel);
        return start();
    }
    // A loaded control: SetSite, ReadProperties from bag(), then Resize.
    HRESULT load() {
        HRESULT hr = set_site();
        if (succeeded(hr))
            hr = read();
        return succeeded(hr) ? resize() : hr;
    }

    // ---- The trace ---------------------------------------------------------------------------
    const Lines& lines() const { return sink_.lines(); }
    // Forgets the lines so far and restarts the call count.
    void clear() { sink_.clear(); }
    // Fails the Nth host call from now on (1-based) with `code`; 0 fails none.
    void fail_at(std::size_t n, HRESULT code = E_FAIL) {
        sink_.clear();
        sink_.fail_at = n;
        sink_.fail_code = code;
    }

  private:
    // The sink outlives every traced object (members are destroyed in reverse order).
    host::RecordingSink sink_;
    ComPtr<host::ModelPictureBox> pic_;
    ComPtr<host::ModelLabel> label_;
    ComPtr<host::TracedPictureBox> traced_pic_;
    ComPtr<host::TracedLabel> traced_label_;
    ComPtr<host::ControlSite> site_;
    ComPtr<host::TracedSite> traced_site_;
    ComPtr<host::PropertyBag> bag_;
    ComPtr<host::TracedStore> traced_store_;
    ComPtr<Dual> control_;
    ComPtr<IControl> events_;
};

// The lines that start with `prefix`, in order, and how many there are.
inline Lines lines_starting(const Lines& lines, std::string_view prefix) {
    Lines out;
    for (const std::string& l : lines)
        if (l.starts_with(prefix))
            out.push_back(l);
    return out;
}

inline std::size_t count_starting(const Lines& lines, std::string_view prefix) {
    return lines_starting(lines, prefix).size();
}

// `a` followed by `b`.
inline Lines concat(Lines a, const Lines& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The trace of centring the label on picBox (whose scale starts at 0, 0): its alignment, then
// the left and the top, each from the extents it reads.
inline Lines centring_lines(int scale_width, int label_width, int left, int scale_height,
                            int label_height, int top) {
    const auto n = [](int v) { return std::to_string(v); };
    return {"lblText.Alignment = 2",
            "lblText.Visible = True",
            "picBox.ScaleWidth -> " + n(scale_width),
            "picBox.ScaleLeft -> 0",
            "lblText.Width -> " + n(label_width),
            "lblText.Left = " + n(left),
            "picBox.ScaleHeight -> " + n(scale_height),
            "picBox.ScaleTop -> 0",
            "lblText.Height -> " + n(label_height),
            "lblText.Top = " + n(top)};
}

}  // namespace qd::test
