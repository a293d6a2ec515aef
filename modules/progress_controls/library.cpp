#include "modules/progress_controls/library.h"

#include <iterator>

#include "bar/progress_bar.h"
#include "interfaces/progress/interfaces.h"
#include "modules/progress_controls/resources.h"
#include "pages/data_page.h"
#include "pie/progress_pie.h"
#include "qd/progress_controls.h"

namespace qd::progress {

namespace {

// ---- Creators: what the class factory of each class calls ------------------------------------

constexpr ClassCreator kCreatePie = &create_progress_pie;
constexpr ClassCreator kCreateBar = &create_progress_bar;
constexpr ClassCreator kCreateData = &create_data_page;

// ---- Classes ---------------------------------------------------------------------------------

constexpr const char* kControlPages[] = {"StandardColor", "Data"};

const ClassDesc kClasses[] = {
    {"qdProgressPie", CLSID_qdProgressPie, ClassKind::Control, kClassControl, &kPieInterface,
     &kPieEventInterface, kControlPages, std::size(kControlPages), 3000.0f, 3000.0f, kCreatePie},
    {"qdProgressBar", CLSID_qdProgressBar, ClassKind::Control, kClassControl, &kBarInterface,
     &kBarEventInterface, kControlPages, std::size(kControlPages), 5310.0f, 390.0f, kCreateBar},
    {"Data", CLSID_Data, ClassKind::PropertyPage, 0, &kDataInterface, nullptr, nullptr, 0, 5925.0f,
     3495.0f, kCreateData},
};

const InterfaceDesc* const kInterfaces[] = {
    &kPieInterface, &kBarInterface, &kDataInterface, &kPieEventInterface, &kBarEventInterface,
};

const EnumDesc* const kEnums[] = {
    &kLabelTypeEnum, &kLabelPositionEnum, &kFillTypeEnum, &kBorderStyleEnum, &kBarLabelPositionEnum,
};

}  // namespace

constinit const LibraryDesc kLibrary =
    describe_library("qdProgressControls", LIBID_qdProgressControls, 9, 0, kClasses, kInterfaces,
                     kEnums, kToolboxBitmaps, kVersionInfo);

}  // namespace qd::progress
