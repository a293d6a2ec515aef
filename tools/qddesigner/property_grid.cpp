#include "tools/qddesigner/property_grid.h"

#include <algorithm>

#include <QColorDialog>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "tools/qddesigner/commands.h"

namespace qd::designer {

namespace {

constexpr int kNameColumn = 0, kValueColumn = 1;

using Kind = qt::PropertyInfo::Kind;

// An OLE colour (0x00BBGGRR) as Qt shows it, and back.
QColor ole_colour(const QVariant& v) {
    if (v.metaType().id() == QMetaType::QColor)
        return v.value<QColor>();
    const auto bgr = static_cast<std::uint32_t>(v.toLongLong());
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

QVariant colour_value(const QColor& c, const QVariant& like) {
    if (like.metaType().id() == QMetaType::QColor)
        return c;
    return static_cast<int>(static_cast<unsigned>(c.red()) | static_cast<unsigned>(c.green()) << 8 |
                            static_cast<unsigned>(c.blue()) << 16);
}

QIcon swatch(const QColor& c) {
    QPixmap pixmap(16, 12);
    pixmap.fill(c);
    return QIcon(pixmap);
}

}  // namespace

QString error_text(const qt::ControlError& error) {
    const auto code = static_cast<std::uint32_t>(error.code);
    QString text = error.message.isEmpty() ? QObject::tr("refused") : error.message;
    if ((code & 0xFFFF0000u) == 0x800A0000u)
        return QObject::tr("%1 (error %2, 0x%3)")
            .arg(text)
            .arg(code & 0xFFFF)
            .arg(code, 8, 16, QChar('0'));
    return QObject::tr("%1 (0x%2)").arg(text).arg(code, 8, 16, QChar('0'));
}

PropertyGrid::PropertyGrid(FormModel& model, QUndoStack& undo, QWidget* parent)
    : QWidget(parent),
      model_(model),
      undo_(undo),
      table_(new QTableWidget(this)),
      alphabetical_(new QCheckBox(tr("Alphabetical"), this)) {
    setObjectName("propertyGrid");
    table_->setColumnCount(2);
    table_->setHorizontalHeaderLabels({tr("Property"), tr("Value")});
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(kNameColumn, QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(kValueColumn, QHeaderView::Stretch);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(alphabetical_);
    layout->addWidget(table_);
    connect(alphabetical_, &QCheckBox::toggled, this, [this] { rebuild(); });
    // An undo or redo of a property edit, or the property pages, change what the grid shows.
    connect(&model_, &FormModel::storedChanged, this, [this](const QString& name) {
        if (std::find(names_.begin(), names_.end(), name.toStdString()) != names_.end())
            refresh();
    });
}

void PropertyGrid::setAlphabetical(bool on) {
    alphabetical_->setChecked(on);
}

void PropertyGrid::setControls(std::vector<std::string> names,
                               std::vector<qt::ControlWidget*> widgets) {
    const bool one_class =
        !widgets.empty() && std::all_of(widgets.begin(), widgets.end(), [&](auto* w) {
            return w->classId() == widgets.front()->classId();
        });
    names_ = one_class ? std::move(names) : std::vector<std::string>{};
    widgets_ = one_class ? std::move(widgets) : std::vector<qt::ControlWidget*>{};
    rebuild();
}

void PropertyGrid::rebuild() {
    table_->setRowCount(0);
    properties_.clear();
    if (widgets_.empty())
        return;
    properties_ = widgets_.front()->properties();
    if (alphabetical_->isChecked())
        std::stable_sort(properties_.begin(), properties_.end(), [](const auto& a, const auto& b) {
            return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
        });
    table_->setRowCount(static_cast<int>(properties_.size()));
    for (int row = 0; row < properties_.size(); ++row) {
        const qt::PropertyInfo& info = properties_[row];
        table_->setItem(row, kNameColumn, new QTableWidgetItem(info.name));
        // The editor, and under it the error of a refused value, in red, hidden while none.
        auto* cell = new QWidget;
        auto* stack = new QVBoxLayout(cell);
        stack->setContentsMargins(0, 0, 0, 0);
        stack->setSpacing(0);
        stack->addWidget(editorFor(info));
        auto* error = new QLabel(cell);
        error->setObjectName("error_" + info.name);
        error->setStyleSheet("color: red");
        error->setWordWrap(true);
        error->hide();
        stack->addWidget(error);
        table_->setCellWidget(row, kValueColumn, cell);
        showValue(row);
    }
}

QWidget* PropertyGrid::editorFor(const qt::PropertyInfo& info) {
    QWidget* editor = nullptr;
    const QString name = info.name;
    switch (info.kind) {
        case Kind::Enumeration: {
            auto* box = new QComboBox;
            for (int i = 0; i < info.enumNames.size(); ++i)
                box->addItem(
                    QStringLiteral("%1 - %2").arg(info.enumValues.value(i)).arg(info.enumNames[i]),
                    info.enumValues.value(i));
            connect(box, &QComboBox::activated, this,
                    [this, box, name](int i) { edit(name, box->itemData(i).toInt()); });
            editor = box;
            break;
        }
        case Kind::Boolean: {
            auto* check = new QCheckBox;
            connect(check, &QCheckBox::clicked, this, [this, name](bool on) { edit(name, on); });
            editor = check;
            break;
        }
        case Kind::Colour: {
            auto* button = new QPushButton;
            button->setStyleSheet("text-align: left");
            connect(button, &QPushButton::clicked, this, [this, name] {
                const QVariant now = widgets_.front()->controlProperty(name);
                const QColor c = QColorDialog::getColor(ole_colour(now), this, name);
                if (c.isValid())
                    edit(name, colour_value(c, now));
            });
            editor = button;
            break;
        }
        default: {
            auto* line = new QLineEdit;
            connect(line, &QLineEdit::editingFinished, this, [this, line, name] {
                if (line->isModified())
                    edit(name, line->text());
                line->setModified(false);
            });
            editor = line;
        }
    }
    editor->setObjectName("edit_" + name);
    editor->setEnabled(!info.readOnly);
    return editor;
}

void PropertyGrid::showValue(int row) {
    const qt::PropertyInfo& info = properties_[row];
    const QVariant v = widgets_.front()->controlProperty(info.name);
    QWidget* editor =
        table_->cellWidget(row, kValueColumn)->findChild<QWidget*>("edit_" + info.name);
    const QSignalBlocker block(editor);
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        const int i = box->findData(v.toInt());
        box->setCurrentIndex(i);
        if (i < 0)
            box->setEditText(v.toString());
    } else if (auto* check = qobject_cast<QCheckBox*>(editor)) {
        check->setChecked(v.toBool());
    } else if (auto* button = qobject_cast<QPushButton*>(editor)) {
        const QColor c = ole_colour(v);
        button->setIcon(swatch(c));
        button->setText(
            QStringLiteral("&&H%1")
                .arg(static_cast<qulonglong>(colour_value(c, 0).toInt()), 8, 16, QChar('0'))
                .toUpper());
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        if (!line->hasFocus() || !line->isModified())
            line->setText(v.isValid() ? v.toString() : QString());
    }
}

QLabel* PropertyGrid::errorLabel(int row) const {
    return table_->cellWidget(row, kValueColumn)
        ->findChild<QLabel*>("error_" + properties_[row].name);
}

int PropertyGrid::rowOf(const QString& name) const {
    for (int row = 0; row < properties_.size(); ++row)
        if (properties_[row].name == name)
            return row;
    return -1;
}

void PropertyGrid::refresh() {
    for (int row = 0; row < properties_.size(); ++row)
        showValue(row);
}

QString PropertyGrid::errorText(const QString& name) const {
    const int row = rowOf(name);
    return row < 0 ? QString() : errorLabel(row)->text();
}

bool PropertyGrid::edit(const QString& name, const QVariant& value) {
    const int row = rowOf(name);
    if (row < 0)
        return false;
    std::vector<std::string> before;
    for (qt::ControlWidget* w : widgets_)
        before.push_back(w->saveProperties().toStdString());
    qt::ControlError refused;
    for (qt::ControlWidget* w : widgets_)
        if ((refused = w->setControlProperty(name, value)))
            break;
    if (refused) {
        // Every control keeps what it had, also those that took the value before one refused.
        for (std::size_t i = 0; i < widgets_.size(); ++i)
            if (widgets_[i]->saveProperties().toStdString() != before[i])
                widgets_[i]->restoreProperties(QByteArray::fromStdString(before[i]));
        errorLabel(row)->setText(error_text(refused));
        errorLabel(row)->show();
        refresh();
        return false;
    }
    errorLabel(row)->clear();
    errorLabel(row)->hide();
    std::vector<std::string> after;
    for (qt::ControlWidget* w : widgets_)
        after.push_back(w->saveProperties().toStdString());
    if (after != before)
        undo_.push(new StoreControlsCommand(model_, names_, before, after, tr("Set %1").arg(name)));
    refresh();
    return true;
}

}  // namespace qd::designer
