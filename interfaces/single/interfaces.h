// The dispatch descriptors of qdxProgressPieControl's interfaces and enumerations; dispatch,
// the type-library dump and the tests read these.
#pragma once

#include "platform/typeinfo.h"
#include "qd/single_pie.h"

namespace qd::single {

// The enumerated property types, as the control's property table names them.
inline constexpr TypeDesc kLabelType{VarType::Int32, "ppLabelType"};
inline constexpr TypeDesc kLabelPosition{VarType::Int32, "ppLabelPosition"};
inline constexpr TypeDesc kFillType{VarType::Int32, "ppFillType"};

// The control's own interface is made from its property table, where it is defined
// (singlepie/single_pie_properties.cpp).
extern const InterfaceDesc kSinglePieInterface;       // _qdxProgressPie, in slot order
extern const InterfaceDesc kSinglePieEventInterface;  // __qdxProgressPie

extern const EnumDesc kLabelTypeEnum;
extern const EnumDesc kLabelPositionEnum;
extern const EnumDesc kFillTypeEnum;

}  // namespace qd::single
