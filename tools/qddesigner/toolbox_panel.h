// The toolbox: the registry's control classes grouped by library, each with its bitmap; a
// library that failed to load shows its error. A class is placed by a click on the form after
// choosing it, or by dragging it onto the form. "Add library..." registers a module as
// `qdhost register` does and reads the registry again.
#pragma once

#include <QTreeWidget>
#include <QWidget>

#include "tools/qddesigner/toolbox_model.h"

namespace qd::designer {

// The drag's MIME type; the data is the class's ProgID.
inline constexpr const char* kClassMimeType = "application/x-qddesigner-class";

// The toolbox bitmap as a Qt picture (the host's 0x00BBGGRR pixels).
QImage to_qimage(const host::Image& image);

class ToolboxPanel : public QWidget {
    Q_OBJECT
  public:
    explicit ToolboxPanel(QWidget* parent = nullptr);

    // Reads the registry again and shows what it lists.
    void refresh();
    const std::vector<ToolboxLibrary>& libraries() const { return libraries_; }
    // The class of that ProgID, or null.
    const ToolboxClass* findClass(const std::string& progid) const;
    // The class chosen to be placed by the next click on the form; empty when none.
    QString chosenClass() const;
    void clearChoice();
    // Registers the module at `path`; false with the reason in *error.
    bool addLibrary(const QString& path, QString* error);

  signals:
    void classActivated(const QString& progid);  // a double click: place it now

  private:
    void chooseLibraryFile();

    QTreeWidget* tree_;
    std::vector<ToolboxLibrary> libraries_;
    std::vector<ToolboxLibrary> refused_;  // libraries "Add library..." could not register
};

}  // namespace qd::designer
