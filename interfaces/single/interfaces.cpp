#include "interfaces/single/interfaces.h"

namespace qd::single {

const InterfaceDesc kSinglePieEventInterface{"__qdxProgressPie", DIID___qdxProgressPie,
                                             kEventInterfaceFlags, nullptr, 0};

constexpr EnumMemberDesc kLabelTypeMembers[] = {
    QD_ENUM_MEMBER(ppValue, 0), QD_ENUM_MEMBER(ppFraction, 1), QD_ENUM_MEMBER(ppPercent, 2)};
const EnumDesc kLabelTypeEnum = enum_desc("ppLabelType", GUID_ppLabelType, kLabelTypeMembers);
constexpr EnumMemberDesc kLabelPositionMembers[] = {
    QD_ENUM_MEMBER(ppNone, 0),    QD_ENUM_MEMBER(ppUpLeft, 1),   QD_ENUM_MEMBER(ppUpRight, 2),
    QD_ENUM_MEMBER(ppLowLeft, 3), QD_ENUM_MEMBER(ppLowRight, 4), QD_ENUM_MEMBER(ppCenter, 5)};
const EnumDesc kLabelPositionEnum =
    enum_desc("ppLabelPosition", GUID_ppLabelPosition, kLabelPositionMembers);
constexpr EnumMemberDesc kFillTypeMembers[] = {QD_ENUM_MEMBER(ppSingleColor, 0),
                                               QD_ENUM_MEMBER(ppGradient, 1)};
const EnumDesc kFillTypeEnum = enum_desc("ppFillType", GUID_ppFillType, kFillTypeMembers);

}  // namespace qd::single
