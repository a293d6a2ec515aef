#include "qt/src/page_tab.h"

#include <QColorDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "host/loader/loader.h"
#include "qt/src/class_facts.h"
#include "qt/src/errors.h"
#include "qt/src/page_access.h"
#include "qt/src/view_paint.h"

namespace qd::qt::detail {

namespace {

QRect place_of(const PageChildDesc& child) {
    const auto px = [](float twips) {
        return static_cast<int>(std::lround(twips / kTwipsPerPixel));
    };
    return {px(child.left), px(child.top), px(child.width), px(child.height)};
}

}  // namespace

ControlPageTab::ControlPageTab(ControlWidget& control, const std::string& page_class,
                               QWidget* parent)
    : PageTab(parent), control_(control) {
    ComPtr<IPropertyPage> page;
    try {
        page = host::create_object<IPropertyPage>(page_class);
    } catch (const host::LoaderError& e) {
        throw host::ContainerError(e.code(), e.what());
    }
    site_ = host::PageSite::create();
    if (const HRESULT hr = site_->open(page.get()); failed(hr))
        throw host::ContainerError(hr, "the page " + page_class + " cannot be opened");
    selected_ =
        ComPtr<RecordingDispatch>(new RecordingDispatch(PageAccess::host(control)->dispatch()));
    if (const HRESULT hr = site_->select({ComPtr<IDispatch>(selected_.get())}); failed(hr)) {
        site_->close();
        throw host::ContainerError(hr, "the page " + page_class + " cannot show the control");
    }
    build(*site_->layout());
    reload_fields();
}

ControlPageTab::~ControlPageTab() {
    site_->close();
}

void ControlPageTab::build(const PageLayout& layout) {
    caption_ = QString::fromUtf8(layout.caption);
    setMinimumSize(
        place_of({"", PageChildDesc::Kind::Label, "", 0, 0, layout.width, layout.height, 0})
            .size());
    for (std::size_t i = 0; i < layout.child_count; ++i) {
        const PageChildDesc& child = layout.children[i];
        QWidget* made = nullptr;
        switch (child.kind) {
            case PageChildDesc::Kind::Label:
                made = new QLabel(QString::fromUtf8(child.caption), this);
                break;
            case PageChildDesc::Kind::TextField: {
                auto* edit = new QLineEdit(this);
                const std::string name = child.name;
                connect(edit, &QLineEdit::textEdited, this, [this, name](const QString& text) {
                    site_->set_text(name, text.toStdString());
                    edited_ = true;
                    emit changedState();
                });
                fields_[name] = edit;
                made = edit;
                break;
            }
            case PageChildDesc::Kind::Picture: {
                auto* picture = new QLabel(this);
                if (layout.picture)
                    picture->setPixmap(QPixmap::fromImage(bitmap_image(*layout.picture)));
                made = picture;
                break;
            }
        }
        made->setObjectName(QString::fromUtf8(child.name));
        made->setGeometry(place_of(child));
    }
}

void ControlPageTab::reload_fields() {
    for (auto& [name, edit] : fields_) {
        std::string text;
        site_->text(name, &text);
        edit->setText(QString::fromStdString(text));
    }
}

QString ControlPageTab::caption() const {
    return caption_;
}

bool ControlPageTab::changed() const {
    return edited_ && site_->changed();
}

ControlError ControlPageTab::apply() {
    selected_->take_failed_member();
    const HRESULT hr = site_->apply();
    PageAccess::changed(control_);
    edited_ = failed(hr);
    emit changedState();
    if (succeeded(hr))
        return {};
    const std::string member = selected_->take_failed_member();
    ControlError error = error_of(host::ContainerError(hr, {}), member);
    // The field that holds the refused property: the page names its fields after them.
    QString field = QString::fromStdString(member);
    if (const auto it = fields_.find("txt" + member); it != fields_.end())
        field = it->second->objectName();
    error.message = tr("%1: %2").arg(field, error.message);
    return error;
}

ColourPageTab::ColourPageTab(ControlWidget& control, QWidget* parent)
    : PageTab(parent), control_(control) {
    auto* form = new QFormLayout(this);
    for (const PropertyInfo& p : control.properties()) {
        if (p.kind != PropertyInfo::Kind::Colour || p.readOnly)
            continue;
        auto* swatch = new QPushButton(this);
        swatch->setObjectName(p.name);
        swatch->setMinimumWidth(80);
        swatches_[p.name] = swatch;
        paint_swatch(p.name);
        const QString name = p.name;
        connect(swatch, &QPushButton::clicked, this, [this, name] {
            auto* dialog = new QColorDialog(control_.controlProperty(name).value<QColor>(), this);
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            dialog->setObjectName(name + "Dialog");
            connect(dialog, &QColorDialog::colorSelected, this,
                    [this, name](const QColor& c) { choose(name, c); });
            dialog->open();
        });
        form->addRow(p.name + ":", swatch);
    }
}

void ColourPageTab::choose(const QString& property, const QColor& colour) {
    if (!swatches_.contains(property))
        return;
    pending_[property] = colour;
    paint_swatch(property);
    emit changedState();
}

void ColourPageTab::paint_swatch(const QString& property) {
    const auto it = pending_.find(property);
    const QColor colour =
        it != pending_.end() ? it->second : control_.controlProperty(property).value<QColor>();
    QPixmap square(48, 14);
    square.fill(colour);
    swatches_[property]->setIcon(QIcon(square));
    swatches_[property]->setIconSize(square.size());
    swatches_[property]->setText(colour.name());
}

ControlError ColourPageTab::apply() {
    ControlError first;
    for (const auto& [property, colour] : pending_)
        if (ControlError e = control_.setControlProperty(property, colour); e && !first)
            first = e;
    pending_.clear();
    for (const auto& [property, swatch] : swatches_)
        paint_swatch(property);
    emit changedState();
    return first;
}

}  // namespace qd::qt::detail
