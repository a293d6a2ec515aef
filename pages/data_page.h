// The Data property page of qdProgressControls: edits Value, Min and Max of the first selected
// control as text. It reaches the three properties by name through the control's dispatch
// interface, so the same page serves the pie and the bar.
#pragma once

#include "interfaces/progress/interfaces.h"
#include "pages/page_site_calls.h"
#include "platform/host.h"
#include "platform/object.h"
#include "qd/progress_controls.h"

namespace qd::progress {

class DataPage final
    : public ComObject<DataPage, DispatchImpl<_Data, kDataInterface>, IPropertyPage> {
  public:
    HRESULT SetPageSite(IPageSite* site) override;
    HRESULT GetLayout(const PageLayout** out) override;
    HRESULT SelectionChanged() override;
    HRESULT ApplyChanges() override;
    HRESULT FieldChanged(const char* field_name) override;

  private:
    void txtValue_Change();
    void txtMin_Change();
    void txtMax_Change();

    PageSiteCalls site_;
};

// The class factory's creator for Data.
HRESULT create_data_page(const Guid& iid, void** out);

}  // namespace qd::progress
