// A control sited on a raster picture box and label, as a container hosts it for people to
// see: the pixel tests' rig, generic over the control's dual interface.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "host/model/control_site.h"
#include "host/raster/compose.h"
#include "host/raster/raster_label.h"
#include "host/raster/raster_picture_box.h"

namespace qd::test {

template <typename Dual>
struct RasterRig {
    ComPtr<host::RasterPictureBox> box = host::RasterPictureBox::make();
    ComPtr<host::RasterLabel> label = host::RasterLabel::make(box.get());
    ComPtr<host::ControlSite> site;
    ComPtr<Dual> control;
    ComPtr<IControl> events;

    // A control of `width` x `height` twips on a picture box cleared to `background`, sited,
    // initialised and sized.
    RasterRig(HRESULT (*create)(const Guid&, void**), float width, float height,
              std::uint32_t background) {
        box->set_background(background);
        site =
            ComPtr<host::ControlSite>(new host::ControlSite(width, height, box.get(), label.get()));
        EXPECT_EQ(create(Dual::iid, control.put_void()), S_OK);
        events = control.template query<IControl>();
        EXPECT_EQ(events->SetSite(site.get()), S_OK);
        EXPECT_EQ(events->InitProperties(), S_OK);
        EXPECT_EQ(events->Resize(), S_OK);
    }
    const host::Image& picture() const { return box->picture(); }
    host::Image view() const { return host::compose_view(*box.get(), label.get()); }
};

}  // namespace qd::test
