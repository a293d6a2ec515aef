// The groups of vtable slots that the controls' dual interfaces have alike, each in its slot
// order, for the interface declarations (progress_controls.h, single_pie.h). A group stands
// where its slots are: expanding it in place keeps every interface's layout.
#pragma once

#include <cstdint>

#include <qdprogress/colour.h>
#include <qdprogress/dispatch.h>

// LabelSize, LabelColor, LabelType, LabelPosition: every control's, after Refresh.
#define QD_LABEL_SLOTS                                     \
    virtual HRESULT put_LabelSize(std::int16_t v) = 0;     \
    virtual HRESULT get_LabelSize(std::int16_t* v) = 0;    \
    virtual HRESULT put_LabelColor(OLE_COLOR v) = 0;       \
    virtual HRESULT get_LabelColor(OLE_COLOR* v) = 0;      \
    virtual HRESULT put_LabelType(std::int32_t v) = 0;     \
    virtual HRESULT get_LabelType(std::int32_t* v) = 0;    \
    virtual HRESULT put_LabelPosition(std::int32_t v) = 0; \
    virtual HRESULT get_LabelPosition(std::int32_t* v) = 0;

// FillStyle, FillColorStart, FillColorEnd, FillColorMid, FillType: the pie's and the bar's fill.
#define QD_THREE_COLOUR_FILL_SLOTS                        \
    virtual HRESULT put_FillStyle(std::int32_t v) = 0;    \
    virtual HRESULT get_FillStyle(std::int32_t* v) = 0;   \
    virtual HRESULT put_FillColorStart(OLE_COLOR v) = 0;  \
    virtual HRESULT get_FillColorStart(OLE_COLOR* v) = 0; \
    virtual HRESULT put_FillColorEnd(OLE_COLOR v) = 0;    \
    virtual HRESULT get_FillColorEnd(OLE_COLOR* v) = 0;   \
    virtual HRESULT put_FillColorMid(OLE_COLOR v) = 0;    \
    virtual HRESULT get_FillColorMid(OLE_COLOR* v) = 0;   \
    virtual HRESULT put_FillType(std::int32_t v) = 0;     \
    virtual HRESULT get_FillType(std::int32_t* v) = 0;

// BorderColor, BorderWidth, BorderShow: the two pies' circular outline.
#define QD_OUTLINE_SLOTS                                \
    virtual HRESULT put_BorderColor(OLE_COLOR v) = 0;   \
    virtual HRESULT get_BorderColor(OLE_COLOR* v) = 0;  \
    virtual HRESULT put_BorderWidth(float v) = 0;       \
    virtual HRESULT get_BorderWidth(float* v) = 0;      \
    virtual HRESULT put_BorderShow(VARIANT_BOOL v) = 0; \
    virtual HRESULT get_BorderShow(VARIANT_BOOL* v) = 0;

// Max, Min, Value: every control's last slots (Min and Value with the getter first).
#define QD_RANGE_SLOTS                       \
    virtual HRESULT put_Max(float v) = 0;    \
    virtual HRESULT get_Max(float* v) = 0;   \
    virtual HRESULT get_Min(float* v) = 0;   \
    virtual HRESULT put_Min(float v) = 0;    \
    virtual HRESULT get_Value(float* v) = 0; \
    virtual HRESULT put_Value(float v) = 0;
