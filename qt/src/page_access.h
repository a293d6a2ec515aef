// What the property dialog needs of a ControlWidget beyond its public face: the control itself,
// for the pages that call it, and a way to say the pages changed it.
#pragma once

#include <qdprogress/qt/control_widget.h>

#include "qt/src/control_host.h"

namespace qd::qt::detail {

struct PageAccess {
    static ControlHost* host(ControlWidget& widget) { return widget.host_.get(); }
    // A page set properties on the control directly: repaint what it drew and report changes.
    static void changed(ControlWidget& widget) {
        widget.host_->touched();
        widget.afterCall(widget.known_.keys());
    }
};

}  // namespace qd::qt::detail
