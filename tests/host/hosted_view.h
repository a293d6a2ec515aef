// A control sited on raster surfaces drawn for a given device, as a container hosts it.
#pragma once

#include <gtest/gtest.h>

#include "bar/progress_bar.h"
#include "host/model/control_site.h"
#include "host/raster/compose.h"
#include "pie/progress_pie.h"

namespace qd::host::test {

struct DeviceView {
    ComPtr<RasterPictureBox> box;
    ComPtr<RasterLabel> label;
    ComPtr<ControlSite> site;
    ComPtr<IControl> events;
    ComPtr<IDispatch> dispatch;

    DeviceView(HRESULT (*create)(const Guid&, void**), float width, float height,
               DeviceOptions device = {})
        : box(RasterPictureBox::make(device)), label(RasterLabel::make(box.get())) {
        EXPECT_EQ(box->put_Width(width), S_OK);
        EXPECT_EQ(box->put_Height(height), S_OK);
        site = ComPtr<ControlSite>(new ControlSite(width, height, box.get(), label.get()));
        EXPECT_EQ(create(IControl::iid, events.put_void()), S_OK);
        dispatch = events.query<IDispatch>();
        EXPECT_EQ(events->SetSite(site.get()), S_OK);
        EXPECT_EQ(events->InitProperties(), S_OK);
        EXPECT_EQ(events->Resize(), S_OK);
    }
    void put(const char* name, const Variant& v) {
        EXPECT_EQ(dispatch_put(dispatch.get(), name, v), S_OK) << name;
    }
    void call(const char* name) { EXPECT_EQ(dispatch_call(dispatch.get(), name), S_OK) << name; }
    Image view() const { return compose_view(*box.get(), label.get()); }
};

inline DeviceView device_pie(float twips, DeviceOptions device = {}) {
    return DeviceView(progress::create_progress_pie, twips, twips, device);
}

}  // namespace qd::host::test
