// The dispatch descriptors of qdProgressControls' interfaces and enumerations. One table per
// interface, in slot order; dispatch, the type-library dump and the tests read these.
#pragma once

#include "platform/typeinfo.h"
#include "qd/progress_controls.h"

namespace qd::progress {

extern const InterfaceDesc kPieInterface;       // _qdProgressPie
extern const InterfaceDesc kBarInterface;       // _qdProgressBar
extern const InterfaceDesc kDataInterface;      // _Data
extern const InterfaceDesc kPieEventInterface;  // __qdProgressPie
extern const InterfaceDesc kBarEventInterface;  // __qdProgressBar

extern const EnumDesc kLabelTypeEnum;
extern const EnumDesc kLabelPositionEnum;
extern const EnumDesc kFillTypeEnum;
extern const EnumDesc kBorderStyleEnum;
extern const EnumDesc kBarLabelPositionEnum;

}  // namespace qd::progress
