#include "singlepie/library.h"

#include <iterator>

#include "singlepie/interfaces.h"
#include "singlepie/resources.h"
#include "singlepie/single_pie.h"

namespace qd::single {

namespace {

// One control class: the control flag only (no can-create), no property pages.
const ClassDesc kClasses[] = {
    {"qdxProgressPie", CLSID_qdxProgressPie, ClassKind::Control, kClassControl,
     &kSinglePieInterface, &kSinglePieEventInterface, nullptr, 0, 3000.0f, 3000.0f,
     &create_single_pie},
};

const InterfaceDesc* const kInterfaces[] = {&kSinglePieInterface, &kSinglePieEventInterface};

const EnumDesc* const kEnums[] = {&kLabelTypeEnum, &kLabelPositionEnum, &kFillTypeEnum};

}  // namespace

const LibraryDesc kLibrary = {
    "qdxProgressPieControl",
    "qdxProgressPieControl",
    LIBID_qdxProgressPieControl,
    1033,
    8,
    0,
    nullptr,
    kClasses,
    std::size(kClasses),
    kInterfaces,
    std::size(kInterfaces),
    kEnums,
    std::size(kEnums),
    kToolboxBitmaps,
    std::size(kToolboxBitmaps),
    &kVersionInfo,
};

}  // namespace qd::single
