// A new control placed in the container's model site (picture box and label that keep state
// and draw nothing), for tests that look at property values and notifications.
#pragma once

#include <gtest/gtest.h>

#include "host/model/control_site.h"
#include "host/model/model_label.h"
#include "host/model/model_picture_box.h"
#include "platform/host.h"
#include "platform/typeinfo.h"

namespace qd::test {

struct ModelControl {
    ComPtr<IDispatch> control;
    ComPtr<host::ControlSite> site;
};

// Creates the control through its class's creator, sites it and gives it the defaults of a new
// instance (Min 0, Max 100, Value 75); then resizes it, as a form shows it.
inline ModelControl new_model_control(ClassCreator create, float width = 3000,
                                      float height = 3000) {
    ModelControl c;
    EXPECT_EQ(create(IDispatch::iid, c.control.put_void()), S_OK);
    const ComPtr<host::ModelPictureBox> pic(new host::ModelPictureBox(width, height));
    const ComPtr<host::ModelLabel> label(new host::ModelLabel(pic.get()));
    c.site =
        ComPtr<host::ControlSite>(new host::ControlSite(width, height, pic.get(), label.get()));
    const auto events = c.control.query<IControl>();
    EXPECT_TRUE(events);
    EXPECT_EQ(events->SetSite(c.site.get()), S_OK);
    EXPECT_EQ(events->InitProperties(), S_OK);
    EXPECT_EQ(events->Resize(), S_OK);
    return c;
}

}  // namespace qd::test
