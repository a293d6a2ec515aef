// Thin wrappers that call a property page's site from inside the page: each call checks its
// result and raises a failure as a RuntimeError, so a handler reads as straight steps and a
// failing host call ends it at that step.
#pragma once

#include <string>

#include "platform/host.h"

namespace qd::progress {

class PageSiteCalls {
  public:
    void attach(IPageSite* site) { site_ = ComPtr<IPageSite>(site); }
    void detach() { site_.reset(); }

    // Item 0 of the site's SelectedControls, asked afresh on every call.
    ComPtr<IDispatch> first_selected() {
        ComPtr<ISelectedControls> selection;
        check(site()->get_SelectedControls(selection.put()));
        ComPtr<IDispatch> first;
        check(selection->Item(0, first.put()));
        if (!first)
            raise(E_POINTER);
        return first;
    }

    void Changed(bool v) { check(site()->put_Changed(v ? VARIANT_TRUE : VARIANT_FALSE)); }

    std::string Text(const char* field) {
        Variant text;
        check(this->field(field)->get_Text(&text));
        return text.to_text();
    }
    void Text(const char* field, const std::string& text) {
        check(this->field(field)->put_Text(text.c_str()));
    }

  private:
    // A page that has not been placed in a site has nobody to ask.
    IPageSite* site() {
        if (!site_)
            raise(E_UNEXPECTED);
        return site_.get();
    }
    ComPtr<ITextField> field(const char* name) {
        ComPtr<ITextField> f;
        check(site()->get_Field(name, f.put()));
        if (!f)
            raise(E_POINTER);
        return f;
    }

    ComPtr<IPageSite> site_;
};

}  // namespace qd::progress
