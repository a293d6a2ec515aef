// The dispatch descriptors of qdxProgressPieControl's interfaces and enumerations, in slot
// order; dispatch, the type-library dump and the tests read these.
#pragma once

#include "platform/typeinfo.h"
#include "qd/single_pie.h"

namespace qd::single {

extern const InterfaceDesc kSinglePieInterface;       // _qdxProgressPie
extern const InterfaceDesc kSinglePieEventInterface;  // __qdxProgressPie

extern const EnumDesc kLabelTypeEnum;
extern const EnumDesc kLabelPositionEnum;
extern const EnumDesc kFillTypeEnum;

}  // namespace qd::single
