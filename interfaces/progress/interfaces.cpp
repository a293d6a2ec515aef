#include "interfaces/progress/interfaces.h"

namespace qd::progress {

const InterfaceDesc kDataInterface{"_Data", _Data::iid, kDualInterfaceFlags, nullptr, 0};
const InterfaceDesc kPieEventInterface{"__qdProgressPie", DIID___qdProgressPie,
                                       kEventInterfaceFlags, nullptr, 0};
const InterfaceDesc kBarEventInterface{"__qdProgressBar", DIID___qdProgressBar,
                                       kEventInterfaceFlags, nullptr, 0};

constexpr EnumMemberDesc kLabelTypeMembers[] = {
    QD_ENUM_MEMBER(pValueOnly, 0), QD_ENUM_MEMBER(pFraction, 1), QD_ENUM_MEMBER(pPercent, 2)};
const EnumDesc kLabelTypeEnum = enum_desc(
    "ppLabelType", {0x04DF0E7A, 0xA605, 0x430E, {0xB6, 0xB3, 0x2C, 0x18, 0x2E, 0x13, 0x2D, 0x89}},
    kLabelTypeMembers);
constexpr EnumMemberDesc kLabelPositionMembers[] = {
    QD_ENUM_MEMBER(pNone, 0),    QD_ENUM_MEMBER(pUpLeft, 1),   QD_ENUM_MEMBER(pUpRight, 2),
    QD_ENUM_MEMBER(pLowLeft, 3), QD_ENUM_MEMBER(pLowRight, 4), QD_ENUM_MEMBER(pCenter, 5)};
const EnumDesc kLabelPositionEnum =
    enum_desc("ppLabelPosition",
              {0x55C80A66, 0xF114, 0x4FE5, {0x83, 0xA4, 0xFE, 0x1C, 0xDD, 0x2A, 0xAC, 0xF7}},
              kLabelPositionMembers);
constexpr EnumMemberDesc kFillTypeMembers[] = {
    QD_ENUM_MEMBER(pSingleColor, 0), QD_ENUM_MEMBER(p2ColorGradient, 1),
    QD_ENUM_MEMBER(p3ColorGradient, 2), QD_ENUM_MEMBER(pRandom, 3)};
const EnumDesc kFillTypeEnum = enum_desc(
    "ppFillType", {0xB8305DF5, 0xE6D2, 0x47BD, {0xAC, 0x01, 0x06, 0x52, 0x19, 0x90, 0xD1, 0x49}},
    kFillTypeMembers);
constexpr EnumMemberDesc kBorderStyleMembers[] = {QD_ENUM_MEMBER(pFlat, 0), QD_ENUM_MEMBER(p3D, 1)};
const EnumDesc kBorderStyleEnum = enum_desc(
    "ppBorderStyle", {0x2E6849B5, 0x1B70, 0x4AA7, {0xA4, 0x11, 0x60, 0x2D, 0x05, 0xD2, 0xCB, 0xD2}},
    kBorderStyleMembers);
constexpr EnumMemberDesc kBarLabelPositionMembers[] = {
    QD_ENUM_MEMBER(pNone, 0), QD_ENUM_MEMBER(pLeft, 1), QD_ENUM_MEMBER(pRight, 2),
    QD_ENUM_MEMBER(pCenter, 3)};
const EnumDesc kBarLabelPositionEnum =
    enum_desc("ppBarLabelPosition",
              {0xE9D88A59, 0xABA0, 0x4EF6, {0x9C, 0x44, 0x02, 0xAD, 0x8C, 0x76, 0x7E, 0xC1}},
              kBarLabelPositionMembers);

}  // namespace qd::progress
