// The control's property dialog: a tab for each page its class lists, in order (the host's
// colour page and the control's own pages), with OK, Cancel and Apply. Apply is enabled while a
// field has changed; a refused value is shown in a message naming the field and the error, and
// the page applies the rest as it always does.
//
//   qd::qt::PropertyPagesDialog dialog(pie);
//   dialog.exec();
#pragma once

#include <QDialog>
#include <QList>

#include <qdprogress/qt/control_widget.h>
#include <qdprogress/qt/export.h>

class QDialogButtonBox;
class QTabWidget;

namespace qd::qt {

namespace detail {
class PageTab;
}

class QD_QT_EXPORT PropertyPagesDialog : public QDialog {
    Q_OBJECT
  public:
    explicit PropertyPagesDialog(ControlWidget* control, QWidget* parent = nullptr);
    ~PropertyPagesDialog() override;

    QTabWidget* tabs() const { return tabs_; }
    QDialogButtonBox* buttons() const { return buttons_; }
    // The last refusal an apply met (empty when the last apply had none).
    ControlError lastError() const { return lastError_; }

  public slots:
    // Applies every page with changes; false when one refused a value (the message is open).
    bool apply();
    void accept() override;

  signals:
    void applied(const qd::qt::ControlError& error);

  private:
    void updateButtons();

    ControlWidget* control_;
    QTabWidget* tabs_;
    QDialogButtonBox* buttons_;
    QList<detail::PageTab*> pages_;
    ControlError lastError_;
};

}  // namespace qd::qt
