// qdxProgressPieControl 8.0: the dual interface, enumerations and identifiers that a C++ client
// of the single pie compiles against. Members are in slot order; late-bound clients reach the
// same members by dispatch identifier or by name.
//
// This library defines its enumerations on its own: the names match those of
// qdProgressControls, the members do not (pp prefix, and ppFillType has only two).
#pragma once

#include <cstdint>

#include <qdprogress/colour.h>
#include <qdprogress/control_slots.h>
#include <qdprogress/dispatch.h>

namespace qd::single {

inline constexpr Guid LIBID_qdxProgressPieControl = {
    0x6F8593D9, 0x1FDC, 0x4755, {0x92, 0x01, 0xB5, 0x5C, 0x1F, 0x5F, 0x2B, 0xA4}};
inline constexpr Guid CLSID_qdxProgressPie = {
    0x690085C5, 0x4CE7, 0x449F, {0xAF, 0x29, 0xA5, 0x10, 0x03, 0x40, 0x61, 0xE8}};
inline constexpr Guid DIID___qdxProgressPie = {
    0x2EDF4B80, 0x2156, 0x4CA5, {0xB4, 0xAE, 0x4E, 0xC9, 0xB4, 0x25, 0x3D, 0x7E}};
inline constexpr Guid GUID_ppLabelType = {
    0x7C379834, 0x8C22, 0x4012, {0x97, 0x5A, 0xFA, 0x24, 0x24, 0x1B, 0x10, 0x5E}};
inline constexpr Guid GUID_ppLabelPosition = {
    0xA75A8F31, 0xE0AF, 0x43B0, {0x96, 0x98, 0xC4, 0xEF, 0xC1, 0x3E, 0xC6, 0x3D}};
inline constexpr Guid GUID_ppFillType = {
    0x5B4959C1, 0x3C5A, 0x49F5, {0x9B, 0x00, 0x93, 0x69, 0xC5, 0x6A, 0x53, 0xD5}};

enum ppLabelType : std::int32_t { ppValue = 0, ppFraction = 1, ppPercent = 2 };
enum ppLabelPosition : std::int32_t {
    ppNone = 0,
    ppUpLeft = 1,
    ppUpRight = 2,
    ppLowLeft = 3,
    ppLowRight = 4,
    ppCenter = 5
};
enum ppFillType : std::int32_t { ppSingleColor = 0, ppGradient = 1 };

struct _qdxProgressPie : IDispatch {
    static constexpr Guid iid = {
        0x25E3BDD9, 0x7722, 0x4A17, {0x86, 0xC8, 0xCA, 0x19, 0xE9, 0x3C, 0x5F, 0x8A}};
    virtual HRESULT Refresh() = 0;
    QD_LABEL_SLOTS
    virtual HRESULT put_FillStyle(std::int32_t v) = 0;
    virtual HRESULT get_FillStyle(std::int32_t* v) = 0;
    virtual HRESULT put_StartColor(OLE_COLOR v) = 0;
    virtual HRESULT get_StartColor(OLE_COLOR* v) = 0;
    virtual HRESULT put_EndColor(OLE_COLOR v) = 0;
    virtual HRESULT get_EndColor(OLE_COLOR* v) = 0;
    virtual HRESULT put_FillType(std::int32_t v) = 0;
    virtual HRESULT get_FillType(std::int32_t* v) = 0;
    QD_OUTLINE_SLOTS
    QD_RANGE_SLOTS

  protected:
    ~_qdxProgressPie() = default;
};

}  // namespace qd::single
