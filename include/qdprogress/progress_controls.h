// qdProgressControls 9.0: the dual interfaces, enumerations and identifiers that a C++ client
// compiles against. Members are in slot order; late-bound clients reach the same members by
// dispatch identifier or by name.
#pragma once

#include <cstdint>

#include <qdprogress/colour.h>
#include <qdprogress/control_slots.h>
#include <qdprogress/dispatch.h>

namespace qd::progress {

inline constexpr Guid LIBID_qdProgressControls = {
    0xAB6DAD56, 0xEFF5, 0x41FC, {0x87, 0x46, 0xEA, 0x36, 0xB9, 0x3C, 0x32, 0x84}};
inline constexpr Guid CLSID_qdProgressPie = {
    0x3F0F6AD6, 0x1B6C, 0x46D0, {0xA6, 0xC5, 0xC9, 0x22, 0xA1, 0xC5, 0x58, 0xF9}};
inline constexpr Guid CLSID_qdProgressBar = {
    0xBB04102C, 0xD69F, 0x41D6, {0x8B, 0x93, 0x51, 0x84, 0x04, 0xB6, 0xFC, 0x0E}};
inline constexpr Guid CLSID_Data = {
    0x9B6183C3, 0x65F9, 0x46EF, {0xBD, 0x27, 0x9E, 0xF5, 0x3B, 0xB1, 0x8B, 0x98}};
inline constexpr Guid DIID___qdProgressPie = {
    0xEF0EA253, 0x6E1B, 0x4571, {0x9B, 0x2E, 0x9D, 0x68, 0xDC, 0x17, 0xA5, 0x31}};
inline constexpr Guid DIID___qdProgressBar = {
    0x91F39718, 0xF0A7, 0x49FD, {0xA0, 0xFA, 0x9C, 0x98, 0x57, 0x4A, 0x78, 0xB1}};

enum ppLabelType : std::int32_t { pValueOnly = 0, pFraction = 1, pPercent = 2 };
enum ppLabelPosition : std::int32_t {
    pNone = 0,
    pUpLeft = 1,
    pUpRight = 2,
    pLowLeft = 3,
    pLowRight = 4,
    pCenter = 5
};
enum ppFillType : std::int32_t {
    pSingleColor = 0,
    p2ColorGradient = 1,
    p3ColorGradient = 2,
    pRandom = 3
};
enum ppBorderStyle : std::int32_t { pFlat = 0, p3D = 1 };
// The bar's positions; pNone and pCenter have other values than the pie's.
namespace bar_position {
enum ppBarLabelPosition : std::int32_t { pNone = 0, pLeft = 1, pRight = 2, pCenter = 3 };
}
using bar_position::ppBarLabelPosition;

// The fill styles all three controls share. The enumerators live in their own namespace, so
// they are written FillStyle::Cross and still pass as the int32 the FillStyle property takes.
namespace fill_style {
enum FillStyle : std::int32_t {
    Solid = 0,
    Transparent = 1,
    HorizontalLine = 2,
    VerticalLine = 3,
    UpwardDiagonal = 4,
    DownwardDiagonal = 5,
    Cross = 6,
    DiagonalCross = 7,
};
}
using fill_style::FillStyle;

struct _qdProgressPie : IDispatch {
    static constexpr Guid iid = {
        0x8310EC6C, 0x9F1F, 0x43EB, {0xB0, 0xBE, 0xC8, 0x08, 0xC4, 0xD7, 0x9D, 0xF5}};
    virtual HRESULT Refresh() = 0;
    virtual HRESULT put_Aspect(float v) = 0;
    virtual HRESULT get_Aspect(float* v) = 0;
    QD_LABEL_SLOTS
    QD_THREE_COLOUR_FILL_SLOTS
    QD_OUTLINE_SLOTS
    QD_RANGE_SLOTS

  protected:
    ~_qdProgressPie() = default;
};

struct _qdProgressBar : IDispatch {
    static constexpr Guid iid = {
        0x5C255292, 0x21BC, 0x439B, {0xA7, 0x7E, 0xA8, 0x8F, 0xB8, 0x7B, 0x2B, 0x21}};
    virtual HRESULT Refresh() = 0;
    QD_LABEL_SLOTS
    QD_THREE_COLOUR_FILL_SLOTS
    virtual HRESULT put_BorderStyle(std::int32_t v) = 0;
    virtual HRESULT get_BorderStyle(std::int32_t* v) = 0;
    QD_RANGE_SLOTS

  protected:
    ~_qdProgressBar() = default;
};

// The Data property page's interface: no members of its own.
struct _Data : IDispatch {
    static constexpr Guid iid = {
        0x020EB2AB, 0x989C, 0x4751, {0x8A, 0xAE, 0x70, 0x14, 0x01, 0xAA, 0x54, 0xF1}};

  protected:
    ~_Data() = default;
};

}  // namespace qd::progress
