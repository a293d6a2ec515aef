// The form being designed: the one place that holds each control's name, class, place, extent
// and stored properties, the form's extent and header. The canvas shows it, the undo commands
// change it, and saving writes it. Every change is announced, so views follow.
#pragma once

#include <QObject>
#include <QString>

#include "tools/qddesigner/design_form.h"

namespace qd::designer {

class FormModel : public QObject {
    Q_OBJECT
  public:
    explicit FormModel(QObject* parent = nullptr);

    const DesignForm& form() const { return form_; }
    const std::vector<DesignControl>& controls() const { return form_.controls; }
    // The index of the control of that name; -1 when there is none.
    int indexOf(const std::string& name) const;
    const DesignControl* find(const std::string& name) const;

    // Replaces the whole form (New, Open).
    void reset(DesignForm form);

    // Inserts `control` at `index` (clamped to the end); its name must be free.
    void insert(int index, const DesignControl& control);
    // Removes the control of that name and returns it; false when there is none.
    bool remove(const std::string& name, DesignControl* removed = nullptr, int* index = nullptr);
    void setPlace(const std::string& name, const TwipsRect& place);
    void setStored(const std::string& name, const std::string& stored);
    void setExtent(std::optional<host::FormExtent> extent);

    // A name no control has: `base` followed by the first free number from 1.
    std::string freeName(const std::string& base) const;

  signals:
    void formReset();
    void controlInserted(const QString& name);
    void controlRemoved(const QString& name);
    void placeChanged(const QString& name);
    void storedChanged(const QString& name);
    void extentChanged();

  private:
    DesignForm form_;
};

}  // namespace qd::designer
