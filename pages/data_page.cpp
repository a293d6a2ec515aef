#include "pages/data_page.h"

#include <cstring>
#include <string>

#include "pages/data_page_layout.h"

namespace qd::progress {

namespace {

// Each range property and the field that shows it, in the order both handlers walk them:
// Value first, so an apply checks the new Value against the range the control had before.
struct RangeField {
    const char* property;
    const char* field;
};
constexpr RangeField kRangeFields[] = {
    {"Value", "txtValue"},
    {"Min", "txtMin"},
    {"Max", "txtMax"},
};

}  // namespace

HRESULT DataPage::SetPageSite(IPageSite* site) {
    if (site)
        site_.attach(site);
    else
        site_.detach();
    return S_OK;
}

HRESULT DataPage::GetLayout(const PageLayout** out) {
    if (!out)
        return E_POINTER;
    *out = &kDataPageLayout;
    return S_OK;
}

// Fills each field from the first selected control. The change handlers stay live, so the
// host reports the new texts as changes and the page ends up marked changed.
HRESULT DataPage::SelectionChanged() {
    return guard([&] {
        for (const RangeField& f : kRangeFields) {
            const ComPtr<IDispatch> control = site_.first_selected();
            Variant value;
            check(dispatch_get(control.get(), f.property, &value));
            site_.Text(f.field, value.to_text());
        }
    });
}

// Sends every field, changed or not, to the first selected control as text; the control's
// dispatch layer turns the text into its number (letters fail there and stop the apply) and
// its setter applies its own range checks.
HRESULT DataPage::ApplyChanges() {
    return guard([&] {
        for (const RangeField& f : kRangeFields) {
            const std::string text = site_.Text(f.field);
            const ComPtr<IDispatch> control = site_.first_selected();
            check(dispatch_put(control.get(), f.property, Variant(std::string_view(text))));
        }
    });
}

HRESULT DataPage::FieldChanged(const char* field_name) {
    if (!field_name)
        return E_POINTER;
    if (std::strcmp(field_name, "txtValue") == 0)
        return guard([&] { txtValue_Change(); });
    if (std::strcmp(field_name, "txtMin") == 0)
        return guard([&] { txtMin_Change(); });
    if (std::strcmp(field_name, "txtMax") == 0)
        return guard([&] { txtMax_Change(); });
    return E_INVALIDARG;
}

void DataPage::txtValue_Change() {
    site_.Changed(true);
}

void DataPage::txtMin_Change() {
    site_.Changed(true);
}

void DataPage::txtMax_Change() {
    site_.Changed(true);
}

HRESULT create_data_page(const Guid& iid, void** out) {
    return DataPage::create_instance(iid, out);
}

}  // namespace qd::progress
