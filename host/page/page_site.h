// The container's side of a property page: the page's site with its selection, its Changed
// flag and its text fields. A host opens a page on a site, selects the controls it edits, lets
// the user type into the fields and applies:
//
//   auto page = create_object<IPropertyPage>("qdProgressControls.Data");  // host/loader
//   auto site = PageSite::create();
//   site->open(page.get());
//   site->select({pie, bar});               // raises SelectionChanged; item 0 is pie
//   site->set_text("txtValue", "150");      // raises txtValue's change handler
//   site->apply();                          // raises ApplyChanges
//   write_png(file, render_page(*site.get()));  // host/page/page_render.h, host/raster
//   site->close();                          // the page and the site hold each other until then
#pragma once

#include <string>
#include <vector>

#include "platform/host.h"
#include "platform/object.h"

namespace qd::host {

class PageSite;

// A text field of the page. Setting a different text raises the page's change handler for it
// and returns that handler's result.
class TextField final : public ComObject<TextField, ITextField> {
  public:
    TextField(PageSite* owner, std::string name) : owner_(owner), name_(std::move(name)) {}

    HRESULT get_Text(Variant* out) override;
    HRESULT put_Text(const char* text) override;

    const std::string& name() const { return name_; }
    const std::string& text() const { return text_; }
    void detach() { owner_ = nullptr; }

  private:
    PageSite* owner_;  // not owned; cleared when the site closes
    std::string name_;
    std::string text_;
};

// The controls the page edits, fixed when the selection is made; item 0 is the first.
class SelectedControls final : public ComObject<SelectedControls, ISelectedControls> {
  public:
    explicit SelectedControls(std::vector<ComPtr<IDispatch>> controls)
        : controls_(std::move(controls)) {}

    HRESULT get_Count(std::int32_t* out) override;
    HRESULT Item(std::int32_t index, IDispatch** out) override;

  private:
    std::vector<ComPtr<IDispatch>> controls_;
};

class PageSite final : public ComObject<PageSite, IPageSite> {
  public:
    static ComPtr<PageSite> create();
    ~PageSite() override;

    // Places `page` in this site: makes a text field for each text-field child of its layout
    // and calls SetPageSite. Fails when a page is already open or the page fails.
    HRESULT open(IPropertyPage* page);
    // Detaches the page (SetPageSite(null)) and drops it, the fields and the selection.
    void close();

    // Sets the controls the page edits (any number, the first is item 0) and raises the
    // page's SelectionChanged; returns its result.
    HRESULT select(std::vector<ComPtr<IDispatch>> controls);
    // Raises the page's ApplyChanges; a successful apply leaves nothing to apply, so it clears
    // Changed. A failed one keeps Changed set and returns the page's failure.
    HRESULT apply();
    // Types `text` into field `name`, as the user would; E_INVALIDARG for an unknown field.
    HRESULT set_text(const std::string& name, const std::string& text);
    // The text of field `name`; E_INVALIDARG for an unknown field.
    HRESULT text(const std::string& name, std::string* out) const;
    bool changed() const { return changed_; }
    // The open page's layout, or null when no page is open.
    const PageLayout* layout() const { return layout_; }

    // IPageSite, as the page calls it.
    HRESULT get_SelectedControls(ISelectedControls** out) override;
    HRESULT get_Changed(VARIANT_BOOL* out) override;
    HRESULT put_Changed(VARIANT_BOOL v) override;
    HRESULT get_Field(const char* name, ITextField** out) override;

  private:
    friend class TextField;
    HRESULT field_changed(const std::string& name);
    TextField* find_field(const std::string& name) const;

    ComPtr<IPropertyPage> page_;
    const PageLayout* layout_ = nullptr;
    std::vector<ComPtr<TextField>> fields_;
    ComPtr<SelectedControls> selection_;
    bool changed_ = false;
};

}  // namespace qd::host
