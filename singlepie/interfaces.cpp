#include "singlepie/interfaces.h"

#include <iterator>

namespace qd::single {

namespace {

constexpr TypeDesc kLabelType{VarType::Int32, "ppLabelType"};
constexpr TypeDesc kLabelPosition{VarType::Int32, "ppLabelPosition"};
constexpr TypeDesc kFillType{VarType::Int32, "ppFillType"};

using P = _qdxProgressPie;
constexpr MemberDesc kMembers[] = {
    method<&P::Refresh>("Refresh", 0x60030012),
    prop_put<&P::put_LabelSize>("LabelSize", kInt16, 0x6803000D),
    prop_get<&P::get_LabelSize>("LabelSize", kInt16, 0x6803000D),
    prop_put<&P::put_LabelColor>("LabelColor", kOleColor, 0x6803000C),
    prop_get<&P::get_LabelColor>("LabelColor", kOleColor, 0x6803000C),
    prop_put<&P::put_LabelType>("LabelType", kLabelType, 0x6803000B),
    prop_get<&P::get_LabelType>("LabelType", kLabelType, 0x6803000B),
    prop_put<&P::put_LabelPosition>("LabelPosition", kLabelPosition, 0x6803000A),
    prop_get<&P::get_LabelPosition>("LabelPosition", kLabelPosition, 0x6803000A),
    prop_put<&P::put_FillStyle>("FillStyle", kFillStyle, 0x68030009),
    prop_get<&P::get_FillStyle>("FillStyle", kFillStyle, 0x68030009),
    prop_put<&P::put_StartColor>("StartColor", kOleColor, 0x68030008),
    prop_get<&P::get_StartColor>("StartColor", kOleColor, 0x68030008),
    prop_put<&P::put_EndColor>("EndColor", kOleColor, 0x68030007),
    prop_get<&P::get_EndColor>("EndColor", kOleColor, 0x68030007),
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

// The default interface is dual; the event interface only dispatches and has no members.
constexpr std::uint32_t kDualFlags =
    kIfHidden | kIfNonExtensible | kIfDual | kIfDispatchable | kIfOleAutomation;
constexpr std::uint32_t kEventFlags = kIfHidden | kIfNonExtensible | kIfDispatchable;

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

const InterfaceDesc kSinglePieInterface{"_qdxProgressPie", _qdxProgressPie::iid, kDualFlags,
                                        kMembers, std::size(kMembers)};
const InterfaceDesc kSinglePieEventInterface{"__qdxProgressPie", DIID___qdxProgressPie, kEventFlags,
                                             nullptr, 0};

const EnumDesc kLabelTypeEnum{"ppLabelType", GUID_ppLabelType, kLabelTypeMembers,
                              std::size(kLabelTypeMembers)};
const EnumDesc kLabelPositionEnum{"ppLabelPosition", GUID_ppLabelPosition, kLabelPositionMembers,
                                  std::size(kLabelPositionMembers)};
const EnumDesc kFillTypeEnum{"ppFillType", GUID_ppFillType, kFillTypeMembers,
                             std::size(kFillTypeMembers)};

}  // namespace qd::single
