#include <qdprogress/qt/property_pages_dialog.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "qt/src/errors.h"
#include "qt/src/page_access.h"
#include "qt/src/page_tab.h"

namespace qd::qt {

namespace {

// The host's own page, which every class may list.
constexpr const char* kColourPage = "StandardColor";

}  // namespace

PropertyPagesDialog::PropertyPagesDialog(ControlWidget* control, QWidget* parent)
    : QDialog(parent),
      control_(control),
      tabs_(new QTabWidget(this)),
      buttons_(new QDialogButtonBox(
          QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this)) {
    setWindowTitle(tr("Properties"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons_);
    detail::ControlHost* host = control ? detail::PageAccess::host(*control) : nullptr;
    if (host) {
        for (const QString& page : host->facts().pages) {
            detail::PageTab* tab = nullptr;
            try {
                if (page == kColourPage)
                    tab = new detail::ColourPageTab(*control, this);
                else
                    tab =
                        new detail::ControlPageTab(*control, host->facts().page_class(page), this);
            } catch (const std::exception& e) {
                auto* failed = new QLabel(detail::error_of(e, {}).message, this);
                failed->setWordWrap(true);
                tabs_->addTab(failed, page);
                continue;
            }
            pages_.append(tab);
            tabs_->addTab(tab, tab->caption());
            connect(tab, &detail::PageTab::changedState, this, &PropertyPagesDialog::updateButtons);
        }
    }
    connect(buttons_, &QDialogButtonBox::accepted, this, &PropertyPagesDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &PropertyPagesDialog::reject);
    connect(buttons_->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &PropertyPagesDialog::apply);
    updateButtons();
}

PropertyPagesDialog::~PropertyPagesDialog() = default;

bool PropertyPagesDialog::apply() {
    lastError_ = {};
    for (detail::PageTab* page : pages_)
        if (page->changed())
            if (ControlError e = page->apply(); e && !lastError_)
                lastError_ = e;
    updateButtons();
    emit applied(lastError_);
    if (!lastError_)
        return true;
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), lastError_.message,
                                QMessageBox::Ok, this);
    box->setObjectName("refusal");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return false;
}

void PropertyPagesDialog::accept() {
    if (apply())
        QDialog::accept();
}

void PropertyPagesDialog::updateButtons() {
    bool changed = false;
    for (const detail::PageTab* page : pages_)
        changed = changed || page->changed();
    buttons_->button(QDialogButtonBox::Apply)->setEnabled(changed);
}

}  // namespace qd::qt
