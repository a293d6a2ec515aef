#include "controls/interfaces.h"

#include <iterator>

namespace qd::progress {

namespace {

constexpr TypeDesc kLabelType{VarType::Int32, "ppLabelType"};
constexpr TypeDesc kLabelPosition{VarType::Int32, "ppLabelPosition"};
constexpr TypeDesc kBarLabelPosition{VarType::Int32, "ppBarLabelPosition"};
constexpr TypeDesc kFillType{VarType::Int32, "ppFillType"};
constexpr TypeDesc kBorderStyle{VarType::Int32, "ppBorderStyle"};

using P = _qdProgressPie;
constexpr MemberDesc kPieMembers[] = {
    method<&P::Refresh>("Refresh", 0x60030014),
    prop_put<&P::put_Aspect>("Aspect", kFloat32, 0x6803000F),
    prop_get<&P::get_Aspect>("Aspect", kFloat32, 0x6803000F),
    prop_put<&P::put_LabelSize>("LabelSize", kInt16, 0x6803000E),
    prop_get<&P::get_LabelSize>("LabelSize", kInt16, 0x6803000E),
    prop_put<&P::put_LabelColor>("LabelColor", kOleColor, 0x6803000D),
    prop_get<&P::get_LabelColor>("LabelColor", kOleColor, 0x6803000D),
    prop_put<&P::put_LabelType>("LabelType", kLabelType, 0x6803000C),
    prop_get<&P::get_LabelType>("LabelType", kLabelType, 0x6803000C),
    prop_put<&P::put_LabelPosition>("LabelPosition", kLabelPosition, 0x6803000B),
    prop_get<&P::get_LabelPosition>("LabelPosition", kLabelPosition, 0x6803000B),
    prop_put<&P::put_FillStyle>("FillStyle", kFillStyle, 0x6803000A),
    prop_get<&P::get_FillStyle>("FillStyle", kFillStyle, 0x6803000A),
    prop_put<&P::put_FillColorStart>("FillColorStart", kOleColor, 0x68030009),
    prop_get<&P::get_FillColorStart>("FillColorStart", kOleColor, 0x68030009),
    prop_put<&P::put_FillColorEnd>("FillColorEnd", kOleColor, 0x68030008),
    prop_get<&P::get_FillColorEnd>("FillColorEnd", kOleColor, 0x68030008),
    prop_put<&P::put_FillColorMid>("FillColorMid", kOleColor, 0x68030007),
    prop_get<&P::get_FillColorMid>("FillColorMid", kOleColor, 0x68030007),
    prop_put<&P::put_FillType>("FillType", kFillType, 0x68030006),
    prop_get<&P::get_FillType>("FillType", kFillType, 0x68030006),
    prop_put<&P::put_BorderColor>("BorderColor", kOleColor, 0x68030005),
    prop_get<&P::get_BorderColor>("BorderColor", kOleColor, 0x68030005),
    prop_put<&P::put_BorderWidth>("BorderWidth", kFloat32, 0x68030004),
    prop_get<&P::get_BorderWidth>("BorderWidth", kFloat32, 0x68030004),
    prop_put<&P::put_BorderShow>("BorderShow", kBool, 0x68030003),
    prop_get<&P::get_BorderShow>("BorderShow", kBool, 0x68030003),
    prop_put<&P::put_Max>("Max", kFloat32, 0x68030002),
    prop_get<&P::get_Max>("Max", kFloat32, 0x68030002),
    prop_get<&P::get_Min>("Min", kFloat32, 0x68030001),
    prop_put<&P::put_Min>("Min", kFloat32, 0x68030001),
    prop_get<&P::get_Value>("Value", kFloat32, 0x68030000),
    prop_put<&P::put_Value>("Value", kFloat32, 0x68030000),
};

using B = _qdProgressBar;
constexpr MemberDesc kBarMembers[] = {
    method<&B::Refresh>("Refresh", 0x60030011),
    prop_put<&B::put_LabelSize>("LabelSize", kInt16, 0x6803000C),
    prop_get<&B::get_LabelSize>("LabelSize", kInt16, 0x6803000C),
    prop_put<&B::put_LabelColor>("LabelColor", kOleColor, 0x6803000B),
    prop_get<&B::get_LabelColor>("LabelColor", kOleColor, 0x6803000B),
    prop_put<&B::put_LabelType>("LabelType", kLabelType, 0x6803000A),
    prop_get<&B::get_LabelType>("LabelType", kLabelType, 0x6803000A),
    prop_put<&B::put_LabelPosition>("LabelPosition", kBarLabelPosition, 0x68030009),
    prop_get<&B::get_LabelPosition>("LabelPosition", kBarLabelPosition, 0x68030009),
    prop_put<&B::put_FillStyle>("FillStyle", kFillStyle, 0x68030008),
    prop_get<&B::get_FillStyle>("FillStyle", kFillStyle, 0x68030008),
    prop_put<&B::put_FillColorStart>("FillColorStart", kOleColor, 0x68030007),
    prop_get<&B::get_FillColorStart>("FillColorStart", kOleColor, 0x68030007),
    prop_put<&B::put_FillColorEnd>("FillColorEnd", kOleColor, 0x68030006),
    prop_get<&B::get_FillColorEnd>("FillColorEnd", kOleColor, 0x68030006),
    prop_put<&B::put_FillColorMid>("FillColorMid", kOleColor, 0x68030005),
    prop_get<&B::get_FillColorMid>("FillColorMid", kOleColor, 0x68030005),
    prop_put<&B::put_FillType>("FillType", kFillType, 0x68030004),
    prop_get<&B::get_FillType>("FillType", kFillType, 0x68030004),
    prop_put<&B::put_BorderStyle>("BorderStyle", kBorderStyle, 0x68030003),
    prop_get<&B::get_BorderStyle>("BorderStyle", kBorderStyle, 0x68030003),
    prop_put<&B::put_Max>("Max", kFloat32, 0x68030002),
    prop_get<&B::get_Max>("Max", kFloat32, 0x68030002),
    prop_get<&B::get_Min>("Min", kFloat32, 0x68030001),
    prop_put<&B::put_Min>("Min", kFloat32, 0x68030001),
    prop_get<&B::get_Value>("Value", kFloat32, 0x68030000),
    prop_put<&B::put_Value>("Value", kFloat32, 0x68030000),
};

constexpr std::uint32_t kDualFlags =
    kIfHidden | kIfNonExtensible | kIfDual | kIfDispatchable | kIfOleAutomation;
constexpr std::uint32_t kEventFlags = kIfHidden | kIfNonExtensible | kIfDispatchable;

#define QD_ENUM_MEMBER(name, value) \
    EnumMemberDesc {                \
#name, value, #name         \
    }

constexpr EnumMemberDesc kLabelTypeMembers[] = {
    QD_ENUM_MEMBER(pValueOnly, 0), QD_ENUM_MEMBER(pFraction, 1), QD_ENUM_MEMBER(pPercent, 2)};
constexpr EnumMemberDesc kLabelPositionMembers[] = {
    QD_ENUM_MEMBER(pNone, 0),    QD_ENUM_MEMBER(pUpLeft, 1),   QD_ENUM_MEMBER(pUpRight, 2),
    QD_ENUM_MEMBER(pLowLeft, 3), QD_ENUM_MEMBER(pLowRight, 4), QD_ENUM_MEMBER(pCenter, 5)};
constexpr EnumMemberDesc kFillTypeMembers[] = {
    QD_ENUM_MEMBER(pSingleColor, 0), QD_ENUM_MEMBER(p2ColorGradient, 1),
    QD_ENUM_MEMBER(p3ColorGradient, 2), QD_ENUM_MEMBER(pRandom, 3)};
constexpr EnumMemberDesc kBorderStyleMembers[] = {QD_ENUM_MEMBER(pFlat, 0), QD_ENUM_MEMBER(p3D, 1)};
constexpr EnumMemberDesc kBarLabelPositionMembers[] = {
    QD_ENUM_MEMBER(pNone, 0), QD_ENUM_MEMBER(pLeft, 1), QD_ENUM_MEMBER(pRight, 2),
    QD_ENUM_MEMBER(pCenter, 3)};

#undef QD_ENUM_MEMBER

}  // namespace

const InterfaceDesc kPieInterface{"_qdProgressPie", _qdProgressPie::iid, kDualFlags, kPieMembers,
                                  std::size(kPieMembers)};
const InterfaceDesc kBarInterface{"_qdProgressBar", _qdProgressBar::iid, kDualFlags, kBarMembers,
                                  std::size(kBarMembers)};
const InterfaceDesc kDataInterface{"_Data", _Data::iid, kDualFlags, nullptr, 0};
const InterfaceDesc kPieEventInterface{"__qdProgressPie", DIID___qdProgressPie, kEventFlags,
                                       nullptr, 0};
const InterfaceDesc kBarEventInterface{"__qdProgressBar", DIID___qdProgressBar, kEventFlags,
                                       nullptr, 0};

const EnumDesc kLabelTypeEnum{
    "ppLabelType",
    {0x04DF0E7A, 0xA605, 0x430E, {0xB6, 0xB3, 0x2C, 0x18, 0x2E, 0x13, 0x2D, 0x89}},
    kLabelTypeMembers,
    std::size(kLabelTypeMembers)};
const EnumDesc kLabelPositionEnum{
    "ppLabelPosition",
    {0x55C80A66, 0xF114, 0x4FE5, {0x83, 0xA4, 0xFE, 0x1C, 0xDD, 0x2A, 0xAC, 0xF7}},
    kLabelPositionMembers,
    std::size(kLabelPositionMembers)};
const EnumDesc kFillTypeEnum{
    "ppFillType",
    {0xB8305DF5, 0xE6D2, 0x47BD, {0xAC, 0x01, 0x06, 0x52, 0x19, 0x90, 0xD1, 0x49}},
    kFillTypeMembers,
    std::size(kFillTypeMembers)};
const EnumDesc kBorderStyleEnum{
    "ppBorderStyle",
    {0x2E6849B5, 0x1B70, 0x4AA7, {0xA4, 0x11, 0x60, 0x2D, 0x05, 0xD2, 0xCB, 0xD2}},
    kBorderStyleMembers,
    std::size(kBorderStyleMembers)};
const EnumDesc kBarLabelPositionEnum{
    "ppBarLabelPosition",
    {0xE9D88A59, 0xABA0, 0x4EF6, {0x9C, 0x44, 0x02, 0xAD, 0x8C, 0x76, 0x7E, 0xC1}},
    kBarLabelPositionMembers,
    std::size(kBarLabelPositionMembers)};

}  // namespace qd::progress
