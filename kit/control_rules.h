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
// NaN, Min only refuses v >= Max, so it takes one (the single pie asks for its own rule, which
// refuses it). A refused value is dropped with success.
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

    // Min refuses only v >= Max, so it takes a NaN; with NanMin::Refused (the single pie's
    // rule) it takes only a value below Max.
    enum class NanMin { Taken, Refused };
    template <typename C>
    static HRESULT put_Min(C& c, float v, NanMin nan = NanMin::Taken) {
        return guard([&] {
            if (nan == NanMin::Refused ? !(v < c.Max) : v >= c.Max)
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

    // Store, notify under the row's name, then `then`: the path of every setter without a
    // test of its own.
    template <typename C, typename T, typename Then>
    static HRESULT store(C& c, T C::*field, T v, Then then) {
        return guard([&] {
            c.*field = v;
            c.notify(name_of_field(C::Properties::rows, field));
            then();
        });
    }

    // A plain appearance property: store, notify, full redraw.
    template <typename C, typename T>
    static HRESULT put_appearance(C& c, T C::*field, T v) {
        return store(c, field, v, [&] { c.Redraw(true); });
    }

    // ---- The label's properties never redraw the control ------------------------------------

    template <typename C>
    static HRESULT put_LabelPosition(C& c, std::int32_t v) {
        return store(c, &C::LabelPosition, v, [&] { c.PlaceLabel(); });
    }

    template <typename C>
    static HRESULT put_LabelType(C& c, std::int32_t v) {
        return store(c, &C::LabelType, v, [&] {
            c.SetLabelText();
            c.PlaceLabel();
        });
    }

    template <typename C>
    static HRESULT put_LabelColor(C& c, OLE_COLOR v) {
        return store(c, &C::LabelColor, v, [&] { c.lblText().ForeColor(c.LabelColor); });
    }

    // A size below 6 is dropped with success.
    template <typename C>
    static HRESULT put_LabelSize(C& c, std::int16_t v) {
        if (!(v >= 6))
            return S_OK;
        return store(c, &C::LabelSize, v,
                     [&] { c.lblText().FontSize(static_cast<float>(c.LabelSize)); });
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

    // ---- Resizing ----------------------------------------------------------------------------

    // A side of the control below `least` becomes `grown`, the width first.
    static void grow_small_sides(ControlSiteCalls& control, float least, float grown) {
        if (control.Width() < least)
            control.Width(grown);
        if (control.Height() < least)
            control.Height(grown);
    }

    // The end of every resize: picBox covers the control, the control is drawn in full and the
    // label placed.
    template <typename C>
    static void cover_and_redraw(C& c) {
        ControlSiteCalls& control = c.site();
        PictureBoxCalls pic = c.picBox();
        pic.Top(0.0f);
        pic.Left(0.0f);
        pic.Width(control.Width());
        pic.Height(control.Height());
        c.Redraw(true);
        c.PlaceLabel();
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
