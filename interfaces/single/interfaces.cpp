#include "interfaces/single/interfaces.h"

#include <iterator>

namespace qd::single {

namespace {

// Each member's help string is its own name.
#define QD_ENUM_MEMBER(name, value) \
    EnumMemberDesc {                \
#name, value, #name         \
    }

constexpr EnumMemberDesc kLabelTypeMembers[] = {
    QD_ENUM_MEMBER(ppValue, 0), QD_ENUM_MEMBER(ppFraction, 1), QD_ENUM_MEMBER(ppPercent, 2)};
constexpr EnumMemberDesc kLabelPositionMembers[] = {
    QD_ENUM_MEMBER(ppNone, 0),    QD_ENUM_MEMBER(ppUpLeft, 1),   QD_ENUM_MEMBER(ppUpRight, 2),
    QD_ENUM_MEMBER(ppLowLeft, 3), QD_ENUM_MEMBER(ppLowRight, 4), QD_ENUM_MEMBER(ppCenter, 5)};
constexpr EnumMemberDesc kFillTypeMembers[] = {QD_ENUM_MEMBER(ppSingleColor, 0),
                                               QD_ENUM_MEMBER(ppGradient, 1)};

#undef QD_ENUM_MEMBER

}  // namespace

const InterfaceDesc kSinglePieEventInterface{"__qdxProgressPie", DIID___qdxProgressPie,
                                             kEventInterfaceFlags, nullptr, 0};

const EnumDesc kLabelTypeEnum{"ppLabelType", GUID_ppLabelType, kLabelTypeMembers,
                              std::size(kLabelTypeMembers)};
const EnumDesc kLabelPositionEnum{"ppLabelPosition", GUID_ppLabelPosition, kLabelPositionMembers,
                                  std::size(kLabelPositionMembers)};
const EnumDesc kFillTypeEnum{"ppFillType", GUID_ppFillType, kFillTypeMembers,
                             std::size(kFillTypeMembers)};

}  // namespace qd::single
