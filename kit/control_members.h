// The parts of a control's class body that the three controls write alike, as macros for the
// class bodies: the members whose rules are ControlRules', the shared steps, and each group of
// plain properties (kit/property_groups.h has the same groups' rows).
//
// A plain property's setter stores, notifies and redraws in full (ControlRules::put_appearance);
// its getter hands the field back. QD_PLAIN_PROPERTY writes the two and the field for one
// property, in the public part of a class body, which it leaves public; the field is private.
#pragma once

#include "kit/control_rules.h"
#include "platform/dispatch.h"
#include "platform/object.h"

namespace qd {

// What a control is as a component object: its class, its dual interface I described by
// `desc`, and the container's IControl.
template <typename Self, typename I, const InterfaceDesc& desc>
using ControlObject = ComObject<Self, DispatchImpl<I, desc>, IControl>;

}  // namespace qd

// clang-format off

#define QD_PLAIN_PROPERTY(T, Name)                                                            \
    HRESULT put_##Name(T v) override { return appearance(&Self::Name, v); }                   \
    HRESULT get_##Name(T* v) override { return return_value(Name, v); }                       \
                                                                                              \
  private:                                                                                    \
    T Name = 0;                                                                               \
                                                                                              \
  public:

// A property whose setter is ControlRules' own rule of the same name.
#define QD_RULED_PROPERTY(T, Name)                                                            \
    HRESULT put_##Name(T v) override { return qd::ControlRules::put_##Name(*this, v); }       \
    HRESULT get_##Name(T* v) override { return return_value(Name, v); }

// The members the three controls implement alike, for the public part of their class bodies:
// Refresh, the label's four properties, Value, Max, the range getters, FillType, FillStyle and
// the container events but InitProperties and put_Min (the single pie has its own of both).
#define QD_SHARED_CONTROL_MEMBERS                                                             \
    HRESULT Refresh() override { return guard([&] { Redraw(true); }); }                       \
    QD_RULED_PROPERTY(std::int16_t, LabelSize)                                                \
    QD_RULED_PROPERTY(OLE_COLOR, LabelColor)                                                  \
    QD_RULED_PROPERTY(std::int32_t, LabelType)                                                \
    QD_RULED_PROPERTY(std::int32_t, LabelPosition)                                            \
    QD_RULED_PROPERTY(float, Max)                                                             \
    QD_RULED_PROPERTY(float, Value)                                                           \
    HRESULT get_Min(float* v) override { return return_value(Min, v); }                       \
    HRESULT SetSite(IControlSite* site) override {                                            \
        return qd::ControlRules::SetSite(*this, site);                                        \
    }                                                                                         \
    HRESULT ReadProperties(IPropertyStore* s) override {                                      \
        return qd::ControlRules::ReadProperties(*this, s);                                    \
    }                                                                                         \
    HRESULT WriteProperties(IPropertyStore* s) override {                                     \
        return qd::ControlRules::WriteProperties(*this, s);                                   \
    }                                                                                         \
    HRESULT Resize() override { return guard([&] { OnResize(); }); }                          \
    QD_PLAIN_PROPERTY(std::int32_t, FillType)                                                 \
    QD_PLAIN_PROPERTY(std::int32_t, FillStyle)

// The fields ControlRules and the shared members read, the site among them, for the private
// part.
#define QD_SHARED_CONTROL_FIELDS                                                              \
    float Value = 0;                                                                          \
    float Min = 0;                                                                            \
    float Max = 0;                                                                            \
    std::int32_t LabelPosition = 0;                                                           \
    std::int32_t LabelType = 0;                                                               \
    OLE_COLOR LabelColor = 0;                                                                 \
    std::int16_t LabelSize = 0;                                                               \
    ControlSiteCalls site_;

// The groups of plain properties, members and fields: the two pies' circular outline, the
// pie's and the bar's three-colour gradient.
#define QD_OUTLINE_MEMBERS                                                                    \
    QD_PLAIN_PROPERTY(OLE_COLOR, BorderColor)                                                 \
    QD_PLAIN_PROPERTY(float, BorderWidth)                                                     \
    QD_PLAIN_PROPERTY(VARIANT_BOOL, BorderShow)
#define QD_GRADIENT_MEMBERS                                                                   \
    QD_PLAIN_PROPERTY(OLE_COLOR, FillColorStart)                                              \
    QD_PLAIN_PROPERTY(OLE_COLOR, FillColorMid)                                                \
    QD_PLAIN_PROPERTY(OLE_COLOR, FillColorEnd)

// clang-format on

// The steps the three controls share, for the private part of their class bodies: the site
// and its children, the change notification, the label's text and the plain appearance
// setter (store, notify, full redraw).
#define QD_SHARED_CONTROL_STEPS(Self)                             \
    friend struct qd::ControlRules;                               \
    ControlSiteCalls& site() {                                    \
        return qd::ControlRules::site(*this);                     \
    }                                                             \
    PictureBoxCalls picBox() {                                    \
        return site().picBox();                                   \
    }                                                             \
    LabelCalls lblText() {                                        \
        return site().lblText();                                  \
    }                                                             \
    void notify(const char* name) {                               \
        site().PropertyChanged(name);                             \
    }                                                             \
    void SetLabelText() {                                         \
        qd::ControlRules::SetLabelText(*this);                    \
    }                                                             \
    template <typename T>                                         \
    HRESULT appearance(T Self::*field, T v) {                     \
        return qd::ControlRules::put_appearance(*this, field, v); \
    }

// The shared part of a control's class body, at its end: the shared members, the property
// table's declaration (N rows, defined with the table), then privately the shared steps and
// fields. It leaves the access private.
#define QD_SHARED_CONTROL_PART(Class, N)             \
  public:                                            \
    using Self = Class;                              \
    struct Properties {                              \
        static const qd::PropertyRow<Class> rows[N]; \
    };                                               \
    QD_SHARED_CONTROL_MEMBERS                        \
                                                     \
  private:                                           \
    QD_SHARED_CONTROL_STEPS(Class)                   \
    QD_SHARED_CONTROL_FIELDS
