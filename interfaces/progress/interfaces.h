// The dispatch descriptors of qdProgressControls' interfaces and enumerations. Dispatch, the
// type-library dump and the tests read these.
#pragma once

#include "platform/typeinfo.h"
#include "qd/progress_controls.h"

namespace qd::progress {

// The enumerated property types, as the controls' property tables name them.
inline constexpr TypeDesc kLabelType{VarType::Int32, "ppLabelType"};
inline constexpr TypeDesc kLabelPosition{VarType::Int32, "ppLabelPosition"};
inline constexpr TypeDesc kBarLabelPosition{VarType::Int32, "ppBarLabelPosition"};
inline constexpr TypeDesc kFillType{VarType::Int32, "ppFillType"};
inline constexpr TypeDesc kBorderStyle{VarType::Int32, "ppBorderStyle"};

// The controls' own interfaces are made from their property tables, where they are defined
// (pie/pie_properties.cpp, bar/bar_properties.cpp).
extern const InterfaceDesc kPieInterface;       // _qdProgressPie, in slot order
extern const InterfaceDesc kBarInterface;       // _qdProgressBar, in slot order
extern const InterfaceDesc kDataInterface;      // _Data
extern const InterfaceDesc kPieEventInterface;  // __qdProgressPie
extern const InterfaceDesc kBarEventInterface;  // __qdProgressBar

extern const EnumDesc kLabelTypeEnum;
extern const EnumDesc kLabelPositionEnum;
extern const EnumDesc kFillTypeEnum;
extern const EnumDesc kBorderStyleEnum;
extern const EnumDesc kBarLabelPositionEnum;

}  // namespace qd::progress
