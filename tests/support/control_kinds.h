// The three control classes by name, for tests that go over every control alike.
#pragma once

#include "bar/progress_bar.h"
#include "pie/progress_pie.h"
#include "platform/typeinfo.h"
#include "singlepie/single_pie.h"

namespace qd::test {

struct ControlKind {
    const char* name;
    ClassCreator create;
};
inline constexpr ControlKind kControls[] = {
    {"pie", &progress::create_progress_pie},
    {"bar", &progress::create_progress_bar},
    {"single pie", &single::create_single_pie},
};

}  // namespace qd::test
