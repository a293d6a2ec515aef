#include "host/page/page_site.h"

#include <new>

namespace qd::host {

namespace {

// The platform's "index out of range" for a collection item.
constexpr HRESULT DISP_E_BADINDEX = static_cast<HRESULT>(0x8002000Bu);

}  // namespace

// ---- TextField -------------------------------------------------------------------------------

HRESULT TextField::get_Text(Variant* out) {
    if (!out)
        return E_POINTER;
    return guard([&] { *out = Variant(std::string_view(text_)); });
}

HRESULT TextField::put_Text(const char* text) {
    if (!text)
        return E_POINTER;
    if (text_ == text)
        return S_OK;
    const HRESULT hr = guard([&] { text_ = text; });
    if (failed(hr) || !owner_)
        return hr;
    return owner_->field_changed(name_);
}

// ---- SelectedControls ------------------------------------------------------------------------

HRESULT SelectedControls::get_Count(std::int32_t* out) {
    if (!out)
        return E_POINTER;
    *out = static_cast<std::int32_t>(controls_.size());
    return S_OK;
}

HRESULT SelectedControls::Item(std::int32_t index, IDispatch** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (index < 0 || static_cast<std::size_t>(index) >= controls_.size())
        return DISP_E_BADINDEX;
    *out = ComPtr<IDispatch>(controls_[index]).detach();
    return S_OK;
}

// ---- PageSite --------------------------------------------------------------------------------

ComPtr<PageSite> PageSite::create() {
    PageSite* site = new PageSite;
    return ComPtr<PageSite>(site);
}

PageSite::~PageSite() {
    for (const auto& f : fields_)
        f->detach();
}

HRESULT PageSite::open(IPropertyPage* page) {
    if (!page)
        return E_POINTER;
    if (page_)
        return E_UNEXPECTED;
    const PageLayout* layout = nullptr;
    HRESULT hr = page->GetLayout(&layout);
    if (failed(hr))
        return hr;
    if (!layout)
        return E_POINTER;
    hr = guard([&] {
        for (std::size_t i = 0; i < layout->child_count; ++i) {
            const PageChildDesc& child = layout->children[i];
            if (child.kind == PageChildDesc::Kind::TextField)
                fields_.push_back(ComPtr<TextField>(new TextField(this, child.name)));
        }
    });
    if (succeeded(hr)) {
        page_ = ComPtr<IPropertyPage>(page);
        layout_ = layout;
        hr = page->SetPageSite(this);
    }
    if (failed(hr))
        close();
    return hr;
}

void PageSite::close() {
    if (page_)
        page_->SetPageSite(nullptr);
    page_.reset();
    layout_ = nullptr;
    for (const auto& f : fields_)
        f->detach();
    fields_.clear();
    selection_.reset();
    changed_ = false;
}

HRESULT PageSite::select(std::vector<ComPtr<IDispatch>> controls) {
    if (!page_)
        return E_UNEXPECTED;
    const HRESULT hr = guard(
        [&] { selection_ = ComPtr<SelectedControls>(new SelectedControls(std::move(controls))); });
    if (failed(hr))
        return hr;
    return page_->SelectionChanged();
}

HRESULT PageSite::apply() {
    if (!page_)
        return E_UNEXPECTED;
    const HRESULT hr = page_->ApplyChanges();
    if (succeeded(hr))
        changed_ = false;
    return hr;
}

HRESULT PageSite::set_text(const std::string& name, const std::string& text) {
    TextField* f = find_field(name);
    if (!f)
        return E_INVALIDARG;
    return f->put_Text(text.c_str());
}

HRESULT PageSite::text(const std::string& name, std::string* out) const {
    if (!out)
        return E_POINTER;
    const TextField* f = find_field(name);
    if (!f)
        return E_INVALIDARG;
    return guard([&] { *out = f->text(); });
}

HRESULT PageSite::get_SelectedControls(ISelectedControls** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!selection_)
        return E_UNEXPECTED;  // no selection made yet
    *out = ComPtr<ISelectedControls>(selection_.get()).detach();
    return S_OK;
}

HRESULT PageSite::get_Changed(VARIANT_BOOL* out) {
    return return_value(changed_ ? VARIANT_TRUE : VARIANT_FALSE, out);
}

HRESULT PageSite::put_Changed(VARIANT_BOOL v) {
    changed_ = v != VARIANT_FALSE;
    return S_OK;
}

HRESULT PageSite::get_Field(const char* name, ITextField** out) {
    if (!name || !out)
        return E_POINTER;
    *out = nullptr;
    TextField* f = find_field(name);
    if (!f)
        return E_INVALIDARG;
    *out = ComPtr<ITextField>(f).detach();
    return S_OK;
}

HRESULT PageSite::field_changed(const std::string& name) {
    if (!page_)
        return S_OK;
    return page_->FieldChanged(name.c_str());
}

TextField* PageSite::find_field(const std::string& name) const {
    for (const auto& f : fields_)
        if (f->name() == name)
            return f.get();
    return nullptr;
}

}  // namespace qd::host
