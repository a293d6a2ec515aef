// What a control relies on from its container: the drawing surface, the label, its own site,
// the property store, and the page site of a property page.
//
// The container implements these; a control only calls them. Every member returns S_OK or a
// failure code (for a refused value, the run-time error InvalidPropertyValue, 380, or
// InvalidProcedureCall, 5), and a failure leaves the object as it was before the call.
// Coordinates of the surface's figures and of the label are in the surface's current scale;
// the surface's own Left, Top, Width and Height are in the container's twips.
#pragma once

#include <cstddef>
#include <cstdint>

#include "foundation/colour.h"
#include "platform/com.h"
#include "platform/dispatch.h"
#include "platform/variant.h"

namespace qd {

// An optional argument of a figure call: `present` false stands for an omitted argument.
template <typename T>
struct Optional {
    bool present = false;
    T value{};
    static constexpr Optional none() { return {}; }
    static constexpr Optional of(T v) { return {true, v}; }
};
using OptionalSingle = Optional<float>;
using OptionalColor = Optional<OLE_COLOR>;

// The picture box `picBox`: a persistent picture kept until Cls.
struct IPictureBox : IUnknown {
    static constexpr Guid iid = {
        0x7A1D0F01, 0x51E3, 0x4C0B, {0x9A, 0x6D, 0x2E, 0x4B, 0x10, 0x83, 0x3C, 0x01}};

    // Clears the picture to the background colour.
    virtual HRESULT Cls() = 0;
    // Ellipse, arc or sector. Centre and radius in the current scale; `start` and `end` in
    // radians counter-clockwise from 3 o'clock within -2 pi..2 pi (else InvalidProcedureCall);
    // a negative angle also draws the radius to that end; `aspect` = vertical / horizontal
    // semi-axis, the radius being the horizontal one at aspect <= 1 and the vertical one above.
    // A whole ellipse or a sector with both radii is filled with FillColor in FillStyle; the
    // outline uses `color` or ForeColor, with DrawWidth, DrawStyle and DrawMode.
    virtual HRESULT Circle(float x, float y, float radius, OptionalColor color,
                           OptionalSingle start, OptionalSingle end, OptionalSingle aspect) = 0;
    // The box form of Line: the rectangle with corners (x1, y1) and (x2, y2), outlined in
    // ForeColor and filled with FillColor in FillStyle, clipped to the inner area.
    virtual HRESULT Line(float x1, float y1, float x2, float y2) = 0;

    virtual HRESULT put_ScaleMode(std::int16_t mode) = 0;  // 1 twips, 3 pixels
    virtual HRESULT get_ScaleMode(std::int16_t* mode) = 0;
    virtual HRESULT get_ScaleLeft(float* v) = 0;
    virtual HRESULT get_ScaleTop(float* v) = 0;
    virtual HRESULT get_ScaleWidth(float* v) = 0;
    virtual HRESULT get_ScaleHeight(float* v) = 0;

    virtual HRESULT put_FillColor(OLE_COLOR c) = 0;
    virtual HRESULT put_FillStyle(std::int16_t style) = 0;  // 0 solid, 1 transparent, 2-7 hatches
    virtual HRESULT put_ForeColor(OLE_COLOR c) = 0;
    virtual HRESULT put_DrawWidth(std::int16_t width) = 0;    // pixels, >= 1
    virtual HRESULT put_DrawStyle(std::int16_t style) = 0;    // 0-6; 5 draws no line
    virtual HRESULT put_DrawMode(std::int16_t mode) = 0;      // 1-16 raster operations; 13 copy pen
    virtual HRESULT put_BorderStyle(std::int16_t style) = 0;  // 0 none, 1 sunken edge

    virtual HRESULT get_Left(float* v) = 0;
    virtual HRESULT put_Left(float v) = 0;
    virtual HRESULT get_Top(float* v) = 0;
    virtual HRESULT put_Top(float v) = 0;
    virtual HRESULT get_Width(float* v) = 0;
    virtual HRESULT put_Width(float v) = 0;
    virtual HRESULT get_Height(float* v) = 0;
    virtual HRESULT put_Height(float v) = 0;

  protected:
    ~IPictureBox() = default;
};

// Every member of IPictureBox as an override, for the class body of a surface that implements
// them all (the model, raster and traced picture boxes), so the member list is written once.
#define QD_PICTURE_BOX_OVERRIDES                                                              \
    HRESULT Cls() override;                                                                   \
    HRESULT Circle(float x, float y, float radius, OptionalColor color, OptionalSingle start, \
                   OptionalSingle end, OptionalSingle aspect) override;                       \
    HRESULT Line(float x1, float y1, float x2, float y2) override;                            \
    HRESULT put_ScaleMode(std::int16_t mode) override;                                        \
    HRESULT get_ScaleMode(std::int16_t* mode) override;                                       \
    HRESULT get_ScaleLeft(float* v) override;                                                 \
    HRESULT get_ScaleTop(float* v) override;                                                  \
    HRESULT get_ScaleWidth(float* v) override;                                                \
    HRESULT get_ScaleHeight(float* v) override;                                               \
    HRESULT put_FillColor(OLE_COLOR c) override;                                              \
    HRESULT put_FillStyle(std::int16_t style) override;                                       \
    HRESULT put_ForeColor(OLE_COLOR c) override;                                              \
    HRESULT put_DrawWidth(std::int16_t width) override;                                       \
    HRESULT put_DrawStyle(std::int16_t style) override;                                       \
    HRESULT put_DrawMode(std::int16_t mode) override;                                         \
    HRESULT put_BorderStyle(std::int16_t style) override;                                     \
    HRESULT get_Left(float* v) override;                                                      \
    HRESULT put_Left(float v) override;                                                       \
    HRESULT get_Top(float* v) override;                                                       \
    HRESULT put_Top(float v) override;                                                        \
    HRESULT get_Width(float* v) override;                                                     \
    HRESULT put_Width(float v) override;                                                      \
    HRESULT get_Height(float* v) override;                                                    \
    HRESULT put_Height(float v) override;

// The label `lblText`, a child of the picture box; geometry in the picture box's scale.
struct ILabel : IUnknown {
    static constexpr Guid iid = {
        0x7A1D0F02, 0x51E3, 0x4C0B, {0x9A, 0x6D, 0x2E, 0x4B, 0x10, 0x83, 0x3C, 0x01}};

    virtual HRESULT put_Caption(const char* text) = 0;  // UTF-8, copied
    virtual HRESULT put_ForeColor(OLE_COLOR c) = 0;
    virtual HRESULT put_FontSize(float points) = 0;
    virtual HRESULT put_Alignment(std::int16_t a) = 0;  // 0 left, 1 right, 2 centre
    virtual HRESULT put_BackStyle(std::int16_t s) = 0;  // 0 transparent, 1 opaque
    virtual HRESULT put_Visible(VARIANT_BOOL v) = 0;
    virtual HRESULT put_Left(float v) = 0;
    virtual HRESULT put_Top(float v) = 0;
    virtual HRESULT get_Width(float* v) = 0;
    virtual HRESULT get_Height(float* v) = 0;

  protected:
    ~ILabel() = default;
};

// Every member of ILabel as an override, for the class body of a label that implements them
// all (the model, raster and traced labels).
#define QD_LABEL_OVERRIDES                          \
    HRESULT put_Caption(const char* text) override; \
    HRESULT put_ForeColor(OLE_COLOR c) override;    \
    HRESULT put_FontSize(float points) override;    \
    HRESULT put_Alignment(std::int16_t a) override; \
    HRESULT put_BackStyle(std::int16_t s) override; \
    HRESULT put_Visible(VARIANT_BOOL v) override;   \
    HRESULT put_Left(float v) override;             \
    HRESULT put_Top(float v) override;              \
    HRESULT get_Width(float* v) override;           \
    HRESULT get_Height(float* v) override;

// The control's place in its container.
struct IControlSite : IUnknown {
    static constexpr Guid iid = {
        0x7A1D0F03, 0x51E3, 0x4C0B, {0x9A, 0x6D, 0x2E, 0x4B, 0x10, 0x83, 0x3C, 0x01}};

    // The control's outer extent, in twips.
    virtual HRESULT get_Width(float* v) = 0;
    virtual HRESULT put_Width(float v) = 0;
    virtual HRESULT get_Height(float* v) = 0;
    virtual HRESULT put_Height(float v) = 0;
    // Tells the container that property `name` changed (so it marks the form dirty).
    virtual HRESULT PropertyChanged(const char* name) = 0;
    // The two child controls the container placed in the control (AddRef'ed out parameters).
    virtual HRESULT get_picBox(IPictureBox** out) = 0;
    virtual HRESULT get_lblText(ILabel** out) = 0;

  protected:
    ~IControlSite() = default;
};

// The container's property store.
struct IPropertyStore : IUnknown {
    static constexpr Guid iid = {
        0x7A1D0F04, 0x51E3, 0x4C0B, {0x9A, 0x6D, 0x2E, 0x4B, 0x10, 0x83, 0x3C, 0x01}};

    // The stored value of `key`, or *default_value when the key is missing; with no default
    // (null) a missing key reads as an Empty value.
    virtual HRESULT ReadProperty(const char* key, const Variant* default_value, Variant* out) = 0;
    // Stores `value` under `key` (no default is passed, so the key is always kept).
    virtual HRESULT WriteProperty(const char* key, const Variant& value) = 0;

  protected:
    ~IPropertyStore() = default;
};

// The events a container raises on a control.
struct IControl : IUnknown {
    static constexpr Guid iid = {
        0x7A1D0F05, 0x51E3, 0x4C0B, {0x9A, 0x6D, 0x2E, 0x4B, 0x10, 0x83, 0x3C, 0x01}};

    // Places the control in its container before any other event; the control keeps the site
    // and its two children until it is released.
    virtual HRESULT SetSite(IControlSite* site) = 0;
    virtual HRESULT InitProperties() = 0;
    virtual HRESULT ReadProperties(IPropertyStore* store) = 0;
    virtual HRESULT WriteProperties(IPropertyStore* store) = 0;
    virtual HRESULT Resize() = 0;

  protected:
    ~IControl() = default;
};

// ---- Property pages -------------------------------------------------------------------------

// A text field of a page; setting Text to a different text raises the page's change handler.
struct ITextField : IUnknown {
    static constexpr Guid iid = {
        0x7A1D0F06, 0x51E3, 0x4C0B, {0x9A, 0x6D, 0x2E, 0x4B, 0x10, 0x83, 0x3C, 0x01}};
    virtual HRESULT get_Text(Variant* out) = 0;  // a String variant
    virtual HRESULT put_Text(const char* text) = 0;

  protected:
    ~ITextField() = default;
};

// The controls a page edits; item 0 is the first selected.
struct ISelectedControls : IUnknown {
    static constexpr Guid iid = {
        0x7A1D0F07, 0x51E3, 0x4C0B, {0x9A, 0x6D, 0x2E, 0x4B, 0x10, 0x83, 0x3C, 0x01}};
    virtual HRESULT get_Count(std::int32_t* out) = 0;
    virtual HRESULT Item(std::int32_t index,
                         IDispatch** out) = 0;  // DISP_E_BADINDEX-like failure past the end

  protected:
    ~ISelectedControls() = default;
};

// A child control of a page, as the page lays it out (positions and sizes in twips).
struct PageChildDesc {
    const char* name;
    enum class Kind : std::int16_t { Label, TextField, Picture } kind;
    const char* caption;
    float left, top, width, height;
    std::int16_t tab_index;
};

// The page's place in the container's property dialog.
struct IPageSite : IUnknown {
    static constexpr Guid iid = {
        0x7A1D0F08, 0x51E3, 0x4C0B, {0x9A, 0x6D, 0x2E, 0x4B, 0x10, 0x83, 0x3C, 0x01}};
    virtual HRESULT get_SelectedControls(ISelectedControls** out) = 0;
    virtual HRESULT get_Changed(VARIANT_BOOL* out) = 0;
    virtual HRESULT put_Changed(VARIANT_BOOL v) = 0;
    // The text field child of that name (txtValue, txtMin, txtMax).
    virtual HRESULT get_Field(const char* name, ITextField** out) = 0;

  protected:
    ~IPageSite() = default;
};

// How a property page looks: what the container needs to lay it out and draw it. Static data
// of the page's module, valid while the page object is alive.
struct PageLayout {
    const char* caption;            // the page's tab caption
    float width, height;            // design size, in twips
    const PageChildDesc* children;  // in tab order
    std::size_t child_count;
    const BitmapDesc* picture;  // the bitmap of the page's Picture child, or null
};

// A property page as its container drives it.
struct IPropertyPage : IUnknown {
    static constexpr Guid iid = {
        0x7A1D0F09, 0x51E3, 0x4C0B, {0x9A, 0x6D, 0x2E, 0x4B, 0x10, 0x83, 0x3C, 0x01}};
    // Places the page in its site before any other call; null detaches it (the page then drops
    // its reference to the site, which breaks the site-page reference cycle).
    virtual HRESULT SetPageSite(IPageSite* site) = 0;
    // The page's layout; *out is static data, not owned by the caller.
    virtual HRESULT GetLayout(const PageLayout** out) = 0;
    // The selection was set or changed: the page fills its fields from the selected controls.
    virtual HRESULT SelectionChanged() = 0;
    // The user applies the page: it writes its fields to the selected controls.
    virtual HRESULT ApplyChanges() = 0;
    // The text of field `field_name` changed: raises that field's change handler.
    // E_INVALIDARG for a name that is not one of the page's fields.
    virtual HRESULT FieldChanged(const char* field_name) = 0;

  protected:
    ~IPropertyPage() = default;
};

}  // namespace qd
