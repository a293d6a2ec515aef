#include "tools/qddesigner/toolbox_panel.h"

#include <cstring>
#include <filesystem>

#include <QDrag>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "host/loader/loader.h"
#include "platform/registry.h"

namespace qd::designer {

namespace {

constexpr int kProgIdRole = Qt::UserRole + 1;

// A tree whose class items drag their ProgID.
class ClassTree : public QTreeWidget {
  public:
    using QTreeWidget::QTreeWidget;

  protected:
    void startDrag(Qt::DropActions) override {
        QTreeWidgetItem* item = currentItem();
        if (!item || item->data(0, kProgIdRole).toString().isEmpty())
            return;
        auto* mime = new QMimeData;
        mime->setData(kClassMimeType, item->data(0, kProgIdRole).toString().toUtf8());
        auto* drag = new QDrag(this);
        drag->setMimeData(mime);
        drag->setPixmap(item->icon(0).pixmap(32, 30));
        drag->exec(Qt::CopyAction);
    }
};

}  // namespace

QImage to_qimage(const host::Image& image) {
    if (image.empty())
        return {};
    QImage out(image.width, image.height, QImage::Format_RGBX8888);
    for (int y = 0; y < image.height; ++y)
        std::memcpy(out.scanLine(y), image.row(y), static_cast<std::size_t>(image.width) * 4);
    // The host leaves the fourth byte 0; RGBX ignores it, but a copy to ARGB must not.
    return out.convertToFormat(QImage::Format_RGB32);
}

ToolboxPanel::ToolboxPanel(QWidget* parent) : QWidget(parent), tree_(new ClassTree(this)) {
    tree_->setHeaderHidden(true);
    tree_->setDragEnabled(true);
    tree_->setIconSize(QSize(32, 30));
    tree_->setObjectName("toolboxTree");
    auto* add = new QPushButton(tr("Add library..."), this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(tree_);
    layout->addWidget(add);
    connect(add, &QPushButton::clicked, this, &ToolboxPanel::chooseLibraryFile);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const QString progid = item->data(0, kProgIdRole).toString();
        if (!progid.isEmpty())
            emit classActivated(progid);
    });
    refresh();
}

void ToolboxPanel::refresh() {
    tree_->clear();
    try {
        libraries_ = read_toolbox(registry_default_path());
        libraries_.insert(libraries_.end(), refused_.begin(), refused_.end());
    } catch (const RegistryError& e) {
        libraries_.clear();
        auto* item = new QTreeWidgetItem(tree_, {tr("registry: %1").arg(e.what())});
        item->setForeground(0, Qt::red);
        return;
    }
    for (const ToolboxLibrary& lib : libraries_) {
        auto* group = new QTreeWidgetItem(tree_, {QString::fromStdString(lib.name)});
        group->setToolTip(0, QString::fromStdString(lib.path));
        group->setFlags(Qt::ItemIsEnabled);
        if (!lib.error.empty()) {
            group->setForeground(0, Qt::red);
            auto* why = new QTreeWidgetItem(group, {QString::fromStdString(lib.error)});
            why->setForeground(0, Qt::red);
            why->setToolTip(0, QString::fromStdString(lib.error));
            why->setFlags(Qt::ItemIsEnabled);
        }
        for (const ToolboxClass& cls : lib.classes) {
            auto* item = new QTreeWidgetItem(group, {QString::fromStdString(cls.name)});
            item->setData(0, kProgIdRole, QString::fromStdString(cls.progid));
            item->setToolTip(0, QString::fromStdString(cls.progid));
            if (!cls.bitmap.empty())
                item->setIcon(0, QIcon(QPixmap::fromImage(
                                     to_qimage(cls.bitmap)
                                         .scaled(cls.bitmap.width * 2, cls.bitmap.height * 2))));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
        }
    }
    tree_->expandAll();
}

const ToolboxClass* ToolboxPanel::findClass(const std::string& progid) const {
    for (const ToolboxLibrary& lib : libraries_)
        for (const ToolboxClass& cls : lib.classes)
            if (cls.progid == progid)
                return &cls;
    return nullptr;
}

QString ToolboxPanel::chosenClass() const {
    QTreeWidgetItem* item = tree_->currentItem();
    return item && item->isSelected() ? item->data(0, kProgIdRole).toString() : QString();
}

void ToolboxPanel::clearChoice() {
    tree_->clearSelection();
}

bool ToolboxPanel::addLibrary(const QString& path, QString* error) {
    try {
        host::register_library(path.toStdString());
        std::erase_if(refused_,
                      [&](const ToolboxLibrary& l) { return l.path == path.toStdString(); });
    } catch (const host::LoaderError& e) {
        *error = QString::fromStdString(e.what());
        const std::filesystem::path file(path.toStdString());
        refused_.push_back({file.stem().string(), file.string(), e.what(), {}});
        refresh();
        return false;
    }
    refresh();
    return true;
}

void ToolboxPanel::chooseLibraryFile() {
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Add library"), {}, tr("Component libraries (*.so);;All files (*)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!addLibrary(path, &error))
        QMessageBox::warning(this, tr("Add library"), error);
}

}  // namespace qd::designer
