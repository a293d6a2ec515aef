// The setters and container events that the three controls share, written once.
//
// A control that uses these befriends ControlRules and speaks one vocabulary: fields Value, Min,
// Max, LabelPosition, LabelType, LabelColor, LabelSize; its site in site_; the steps
// notify(name), Redraw(full) (a full pass clears and repaints, an incremental one paints what
// is new), SetLabelText(), PlaceLabel(), OnResize(); and its property table Properties::rows.
// Every routine is one guard: a failing host call or an arithmetic fault ends it at that step
// and comes back as its result code, with the steps before it left done.
//
// The range tests are written so that a NaN fails exactly the tests it must: Value refuses a
// NaN, Min only refuses v >= Max, so it takes one. A refused value is dropped with success.
#pragma once

#include "foundation/progress_caption.h"
#include "kit/property_table.h"
#include "platform/host_calls.h"

namespace qd {

struct ControlRules {
    template <typename C>
    static HRESULT put_Value(C& c, float v) {
        return guard([&] {
            if (!(c.Min <= v && v <= c.Max))
                return;
            c.Value = v;
            c.notify("Value");
            c.Redraw(false);
        });
    }

    template <typename C>
    static HRESULT put_Min(C& c, float v) {
        return guard([&] {
            if (v >= c.Max)
                return;
            c.Min = v;
            c.notify("Min");
            if (c.Min > c.Value) {
                c.Value = c.Min;
                c.notify("Value");
            }
            c.Redraw(false);
        });
    }

    template <typename C>
    static HRESULT put_Max(C& c, float v) {
        return guard([&] {
            if (!(v > c.Min))
                return;
            c.Max = v;
            c.notify("Max");
            if (c.Max < c.Value) {
                c.Value = c.Max;
                c.notify("Value");
            }
            c.Redraw(false);
        });
    }

    // A plain appearance property: store, notify, full redraw.
    template <typename C, typename T>
    static HRESULT put_appearance(C& c, T C::*field, T v) {
        return guard([&] {
            c.*field = v;
            c.notify(name_of_field(C::Properties::rows, field));
            c.Redraw(true);
        });
    }

    // ---- The label's properties never redraw the control ------------------------------------

    template <typename C>
    static HRESULT put_LabelPosition(C& c, std::int32_t v) {
        return guard([&] {
            c.LabelPosition = v;
            c.notify("LabelPosition");
            c.PlaceLabel();
        });
    }

    template <typename C>
    static HRESULT put_LabelType(C& c, std::int32_t v) {
        return guard([&] {
            c.LabelType = v;
            c.notify("LabelType");
            c.SetLabelText();
            c.PlaceLabel();
        });
    }

    template <typename C>
    static HRESULT put_LabelColor(C& c, OLE_COLOR v) {
        return guard([&] {
            c.LabelColor = v;
            c.notify("LabelColor");
            c.lblText().ForeColor(c.LabelColor);
        });
    }

    template <typename C>
    static HRESULT put_LabelSize(C& c, std::int16_t v) {
        return guard([&] {
            if (!(v >= 6))
                return;
            c.LabelSize = v;
            c.notify("LabelSize");
            c.lblText().FontSize(static_cast<float>(c.LabelSize));
        });
    }

    // Size, colour, then the caption LabelType asks for (none for an unknown type).
    template <typename C>
    static void SetLabelText(C& c) {
        LabelCalls label = c.lblText();
        label.FontSize(static_cast<float>(c.LabelSize));
        label.ForeColor(c.LabelColor);
        if (const auto caption = progress_caption(c.LabelType, c.Value, c.Max))
            label.Caption(*caption);
    }

    // ---- The container's events ---------------------------------------------------------------

    template <typename C>
    static HRESULT SetSite(C& c, IControlSite* site) {
        if (!site)
            return E_POINTER;
        return guard([&] { c.site_.attach(site); });
    }

    template <typename C>
    static HRESULT InitProperties(C& c) {
        return guard([&] { init_properties(c, C::Properties::rows); });
    }

    template <typename C>
    static HRESULT ReadProperties(C& c, IPropertyStore* store) {
        if (!store)
            return E_POINTER;
        return guard([&] {
            PropertyStoreCalls bag(store);
            read_properties(c, C::Properties::rows, bag);
        });
    }

    template <typename C>
    static HRESULT WriteProperties(const C& c, IPropertyStore* store) {
        if (!store)
            return E_POINTER;
        return guard([&] {
            PropertyStoreCalls bag(store);
            write_properties(c, C::Properties::rows, bag);
        });
    }

    // The site, raising when the container has not placed the control yet: a call that comes
    // before SetSite has no surface to talk to.
    template <typename C>
    static ControlSiteCalls& site(C& c) {
        if (!c.site_.attached())
            raise(E_UNEXPECTED);
        return c.site_;
    }
};

}  // namespace qd

// The members the three controls implement alike, for the public part of their class bodies:
// Refresh, the label's four properties, Value, Max, the range getters and the container
// events but InitProperties and put_Min (the single pie has its own of both).
#define QD_SHARED_CONTROL_MEMBERS                             \
    HRESULT Refresh() override {                              \
        return guard([&] { Redraw(true); });                  \
    }                                                         \
    HRESULT put_LabelSize(std::int16_t v) override {          \
        return qd::ControlRules::put_LabelSize(*this, v);     \
    }                                                         \
    HRESULT get_LabelSize(std::int16_t* v) override {         \
        return return_value(LabelSize, v);                    \
    }                                                         \
    HRESULT put_LabelColor(OLE_COLOR v) override {            \
        return qd::ControlRules::put_LabelColor(*this, v);    \
    }                                                         \
    HRESULT get_LabelColor(OLE_COLOR* v) override {           \
        return return_value(LabelColor, v);                   \
    }                                                         \
    HRESULT put_LabelType(std::int32_t v) override {          \
        return qd::ControlRules::put_LabelType(*this, v);     \
    }                                                         \
    HRESULT get_LabelType(std::int32_t* v) override {         \
        return return_value(LabelType, v);                    \
    }                                                         \
    HRESULT put_LabelPosition(std::int32_t v) override {      \
        return qd::ControlRules::put_LabelPosition(*this, v); \
    }                                                         \
    HRESULT get_LabelPosition(std::int32_t* v) override {     \
        return return_value(LabelPosition, v);                \
    }                                                         \
    HRESULT put_Max(float v) override {                       \
        return qd::ControlRules::put_Max(*this, v);           \
    }                                                         \
    HRESULT get_Max(float* v) override {                      \
        return return_value(Max, v);                          \
    }                                                         \
    HRESULT get_Min(float* v) override {                      \
        return return_value(Min, v);                          \
    }                                                         \
    HRESULT get_Value(float* v) override {                    \
        return return_value(Value, v);                        \
    }                                                         \
    HRESULT put_Value(float v) override {                     \
        return qd::ControlRules::put_Value(*this, v);         \
    }                                                         \
    HRESULT SetSite(IControlSite* site) override {            \
        return qd::ControlRules::SetSite(*this, site);        \
    }                                                         \
    HRESULT ReadProperties(IPropertyStore* s) override {      \
        return qd::ControlRules::ReadProperties(*this, s);    \
    }                                                         \
    HRESULT WriteProperties(IPropertyStore* s) override {     \
        return qd::ControlRules::WriteProperties(*this, s);   \
    }                                                         \
    HRESULT Resize() override {                               \
        return guard([&] { OnResize(); });                    \
    }

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
