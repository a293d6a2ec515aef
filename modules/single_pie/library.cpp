#include "modules/single_pie/library.h"

#include <iterator>

#include "interfaces/single/interfaces.h"
#include "modules/single_pie/resources.h"
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

constinit const LibraryDesc kLibrary =
    describe_library("qdxProgressPieControl", LIBID_qdxProgressPieControl, 8, 0, kClasses,
                     kInterfaces, kEnums, kToolboxBitmaps, kVersionInfo);

}  // namespace qd::single
