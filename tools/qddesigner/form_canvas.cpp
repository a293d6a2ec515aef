#include "tools/qddesigner/form_canvas.h"

#include <algorithm>
#include <cmath>

#include <QPaintEvent>
#include <QPainter>

#include "host/raster/system_colours.h"

namespace qd::designer {

namespace {

constexpr float kTwipsPerPixel = 15;
constexpr float kMarginTwips = 120;  // as the host's form picture leaves around its controls
constexpr int kHandle = 6;

QColor button_face() {
    std::uint32_t bgr = 0;
    host::resolve_colour(host::kSysButtonFace, &bgr);
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

}  // namespace

int to_pixels(float twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

float to_twips(int pixels) {
    return static_cast<float>(pixels) * kTwipsPerPixel;
}

QRect pixel_rect(const TwipsRect& place) {
    return {to_pixels(place.left), to_pixels(place.top), to_pixels(place.width),
            to_pixels(place.height)};
}

std::array<QRect, 8> handle_rects(const QRect& r) {
    const int l = r.left(), t = r.top(), cx = r.left() + r.width() / 2,
              cy = r.top() + r.height() / 2, rt = r.left() + r.width(), b = r.top() + r.height();
    const QPoint centres[8] = {{l, t},  {cx, t}, {rt, t}, {rt, cy},
                               {rt, b}, {cx, b}, {l, b},  {l, cy}};
    std::array<QRect, 8> out;
    for (int i = 0; i < 8; ++i)
        out[static_cast<std::size_t>(i)] =
            QRect(centres[i].x() - kHandle / 2, centres[i].y() - kHandle / 2, kHandle, kHandle);
    return out;
}

// Drawn above the controls: the selection's outlines and handles, the rubber band.
class SelectionOverlay : public QWidget {
  public:
    explicit SelectionOverlay(FormCanvas* canvas) : QWidget(canvas), canvas_(canvas) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (canvas_->running_)
            return;
        QPainter p(this);
        for (const std::string& name : canvas_->selection_) {
            qt::ControlWidget* w = canvas_->widget(name);
            if (!w)
                continue;
            p.setPen(QPen(Qt::darkBlue, 1, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(w->geometry().adjusted(-1, -1, 0, 0));
            p.setPen(Qt::black);
            p.setBrush(name == canvas_->selection_.front() ? Qt::darkBlue : Qt::white);
            for (const QRect& h : handle_rects(w->geometry()))
                p.drawRect(h.adjusted(0, 0, -1, -1));
        }
        if (canvas_->drag_ == FormCanvas::Drag::Band) {
            p.setPen(QPen(Qt::black, 1, Qt::DashLine));
            p.setBrush(QColor(0, 0, 128, 32));
            p.drawRect(canvas_->band_.normalized());
        }
    }

  private:
    FormCanvas* canvas_;
};

FormCanvas::FormCanvas(FormModel& model, QUndoStack& undo, QWidget* parent)
    : QWidget(parent), model_(model), undo_(undo), overlay_(new SelectionOverlay(this)) {
    setObjectName("formCanvas");
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    connect(&model_, &FormModel::formReset, this, &FormCanvas::rebuild);
    connect(&model_, &FormModel::controlInserted, this,
            [this](const QString& n) { createWidget(n.toStdString()); });
    connect(&model_, &FormModel::controlRemoved, this,
            [this](const QString& n) { removeWidget(n.toStdString()); });
    connect(&model_, &FormModel::placeChanged, this,
            [this](const QString& n) { applyPlace(n.toStdString()); });
    connect(&model_, &FormModel::storedChanged, this,
            [this](const QString& n) { applyStored(n.toStdString()); });
    connect(&model_, &FormModel::extentChanged, this, &FormCanvas::fitToForm);
    rebuild();
}

void FormCanvas::setClassChooser(std::function<QString()> chosen, std::function<void()> clear) {
    chosen_ = std::move(chosen);
    clearChoice_ = std::move(clear);
}

qt::ControlWidget* FormCanvas::widget(const std::string& name) const {
    const auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second.data();
}

void FormCanvas::setSelection(std::vector<std::string> names) {
    std::erase_if(names, [this](const std::string& n) { return !widget(n); });
    if (names == selection_)
        return;
    selection_ = std::move(names);
    overlay_->update();
    emit selectionChanged();
}

void FormCanvas::selectAll() {
    std::vector<std::string> all;
    for (const DesignControl& c : model_.controls())
        all.push_back(c.name);
    setSelection(all);
}

void FormCanvas::setSnapToGrid(bool on) {
    snap_ = on;
    update();
}

void FormCanvas::setRunning(bool on) {
    running_ = on;
    if (on)
        drag_ = Drag::None;
    overlay_->update();
    update();
}

host::FormExtent FormCanvas::formExtent() const {
    if (model_.form().extent)
        return *model_.form().extent;
    float right = 0, bottom = 0;
    for (const DesignControl& c : model_.controls()) {
        right = std::max(right, c.place.left + c.place.width);
        bottom = std::max(bottom, c.place.top + c.place.height);
    }
    return {right + kMarginTwips, bottom + kMarginTwips};
}

QStringList FormCanvas::takeFailures() {
    return std::exchange(failures_, {});
}

void FormCanvas::rebuild() {
    for (auto& [name, w] : widgets_)
        delete w.data();
    widgets_.clear();
    selection_.clear();
    // Copies: creating a widget may drop a control the host cannot create.
    std::vector<std::string> names;
    for (const DesignControl& c : model_.controls())
        names.push_back(c.name);
    for (const std::string& name : names)
        createWidget(name);
    fitToForm();
    emit selectionChanged();
}

void FormCanvas::createWidget(const std::string& name) {
    const DesignControl* c = model_.find(name);
    if (!c)
        return;
    const QString progid = QString::fromStdString(c->progid);
    auto* w = c->stored.empty()
                  ? new qt::ControlWidget(progid, this)
                  : new qt::ControlWidget(progid, QByteArray::fromStdString(c->stored), this);
    if (!w->isValid() || w->creationError()) {
        const qt::ControlError e = w->creationError();
        failures_ << tr("control %1 (%2): 0x%3 %4; the control is not loaded")
                         .arg(QString::fromStdString(name), progid)
                         .arg(static_cast<unsigned>(e.code), 8, 16, QChar('0'))
                         .arg(e.message);
        delete w;
        emit controlFailed(failures_.back());
        // The form keeps only what the host can show, as `qdhost render` does.
        model_.remove(name);
        return;
    }
    w->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    widgets_[name] = w;
    applyPlace(name);
    w->show();
    overlay_->raise();
    // The model holds what the control holds: its extent after Resize, what it writes.
    const std::string written = w->saveProperties().toStdString();
    if (!c->stored.empty() || !written.empty())
        model_.setStored(name, written);
    fitToForm();
}

void FormCanvas::removeWidget(const std::string& name) {
    const auto it = widgets_.find(name);
    if (it == widgets_.end())
        return;
    delete it->second.data();
    widgets_.erase(it);
    if (std::find(selection_.begin(), selection_.end(), name) != selection_.end()) {
        std::erase(selection_, name);
        emit selectionChanged();
    }
    overlay_->update();
    fitToForm();
}

void FormCanvas::applyPlace(const std::string& name) {
    qt::ControlWidget* w = widget(name);
    const DesignControl* c = model_.find(name);
    if (!w || !c)
        return;
    // A move raises no Resize: the control's Resize may change what it stores.
    if (w->extentTwips() != QSizeF(c->place.width, c->place.height) ||
        w->size() != pixel_rect(c->place).size())
        w->setExtentTwips(QSizeF(c->place.width, c->place.height));
    const QSizeF took = w->extentTwips();
    // The widget took the size of the extent the control kept; only its place is the form's.
    w->move(pixel_rect(c->place).topLeft());
    if (took != QSizeF(c->place.width, c->place.height))
        model_.setPlace(name, {c->place.left, c->place.top, static_cast<float>(took.width()),
                               static_cast<float>(took.height())});
    overlay_->update();
    fitToForm();
}

void FormCanvas::applyStored(const std::string& name) {
    qt::ControlWidget* w = widget(name);
    const DesignControl* c = model_.find(name);
    if (w && c && w->saveProperties().toStdString() != c->stored)
        w->restoreProperties(QByteArray::fromStdString(c->stored));
}

void FormCanvas::fitToForm() {
    const host::FormExtent extent = formExtent();
    const QSize size(std::max(to_pixels(extent.width), 1), std::max(to_pixels(extent.height), 1));
    if (size != this->size()) {
        setFixedSize(size);
        overlay_->setGeometry(rect());
    }
    overlay_->update();
}

void FormCanvas::resizeEvent(QResizeEvent*) {
    overlay_->setGeometry(rect());
}

void FormCanvas::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(event->rect(), button_face());
    if (!snap_ || running_)
        return;
    p.setPen(QColor(0x80, 0x80, 0x80));
    const QRect r = event->rect();
    for (int y = r.top() / grid_ * grid_; y <= r.bottom(); y += grid_)
        for (int x = r.left() / grid_ * grid_; x <= r.right(); x += grid_)
            p.drawPoint(x, y);
}

QPoint FormCanvas::snapped(QPoint p) const {
    if (!snap_)
        return p;
    auto snap = [this](int v) {
        return static_cast<int>(std::lround(static_cast<double>(v) / grid_)) * grid_;
    };
    return {snap(p.x()), snap(p.y())};
}

}  // namespace qd::designer
