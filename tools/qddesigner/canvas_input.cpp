// The canvas's gestures: mouse, keys, drops and the clipboard, each ending in one command.
#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

#include "host/persist/form_file.h"
#include "tools/qddesigner/commands.h"
#include "tools/qddesigner/form_canvas.h"
#include "tools/qddesigner/toolbox_panel.h"

namespace qd::designer {

namespace {

constexpr const char* kControlsMimeType = "application/x-qddesigner-controls";
constexpr int kDragThreshold = 3;

// The class's own name, the base of a new control's name: qdProgressPie for
// qdProgressControls.qdProgressPie.
std::string base_name(const std::string& progid) {
    const std::size_t dot = progid.rfind('.');
    const std::size_t slash = progid.rfind(':');
    const std::size_t cut = dot != std::string::npos ? dot : slash;
    return cut == std::string::npos ? progid : progid.substr(cut + 1);
}

}  // namespace

bool FormCanvas::placeControl(const QString& progid, QPoint at, QString* error) {
    if (running_) {
        if (error)
            *error = tr("the form is running; stop it first");
        return false;
    }
    qt::ControlWidget probe(progid);
    if (!probe.isValid() || probe.creationError()) {
        if (error)
            *error = probe.creationError().message;
        return false;
    }
    const QPoint p = snapped(at);
    const QSizeF extent = probe.designExtentTwips();
    DesignControl c{model_.freeName(base_name(progid.toStdString())),
                    progid.toStdString(),
                    {to_twips(p.x()), to_twips(p.y()), static_cast<float>(extent.width()),
                     static_cast<float>(extent.height())},
                    probe.saveProperties().toStdString()};
    const int index = static_cast<int>(model_.controls().size());
    undo_.push(new AddControlsCommand(model_, {{index, c}}, tr("Place %1").arg(progid)));
    setSelection({c.name});
    return true;
}

void FormCanvas::deleteSelection() {
    if (selection_.empty())
        return;
    undo_.push(new RemoveControlsCommand(model_, selection_, tr("Delete")));
}

void FormCanvas::copySelection() const {
    DesignForm clip;
    for (const DesignControl& c : model_.controls())
        if (std::find(selection_.begin(), selection_.end(), c.name) != selection_.end())
            clip.controls.push_back(c);
    if (clip.controls.empty())
        return;
    const QByteArray text = QByteArray::fromStdString(design_form_text(clip));
    auto* mime = new QMimeData;
    mime->setData(kControlsMimeType, text);
    mime->setText(QString::fromUtf8(text));
    QApplication::clipboard()->setMimeData(mime);
}

void FormCanvas::cutSelection() {
    copySelection();
    if (!selection_.empty())
        undo_.push(new RemoveControlsCommand(model_, selection_, tr("Cut")));
}

void FormCanvas::paste() {
    if (running_)
        return;
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    if (!mime || !mime->hasFormat(kControlsMimeType))
        return;
    std::vector<host::FormFileError> errors;
    const host::Form clip =
        host::parse_form(mime->data(kControlsMimeType).toStdString(), "clipboard", &errors);
    std::vector<IndexedControl> added;
    std::vector<std::string> names;
    int index = static_cast<int>(model_.controls().size());
    for (const host::FormControl& fc : clip.controls) {
        // A copy within the form lands a grid step away from its original, under a new name.
        const bool taken = model_.find(fc.name) != nullptr ||
                           std::find(names.begin(), names.end(), fc.name) != names.end();
        const float offset = taken ? to_twips(grid_) : 0;
        std::string name = taken ? model_.freeName(base_name(fc.progid)) : fc.name;
        while (std::find(names.begin(), names.end(), name) != names.end())
            name += "_";
        added.push_back({index++,
                         {name,
                          fc.progid,
                          {fc.left + offset, fc.top + offset, fc.width, fc.height},
                          host::format_property_file(fc.properties)}});
        names.push_back(name);
    }
    if (added.empty())
        return;
    undo_.push(new AddControlsCommand(model_, std::move(added), tr("Paste")));
    setSelection(names);
}

void FormCanvas::moveSelection(int dx, int dy) {
    std::vector<TwipsRect> after;
    for (const std::string& name : selection_) {
        TwipsRect place = model_.find(name)->place;
        place.left = to_twips(to_pixels(place.left) + dx);
        place.top = to_twips(to_pixels(place.top) + dy);
        after.push_back(place);
    }
    if (!after.empty())
        undo_.push(new PlaceControlsCommand(model_, selection_, after, tr("Move")));
}

TwipsRect FormCanvas::resizeControl(const std::string& name, QRect wanted) {
    qt::ControlWidget* w = widget(name);
    const DesignControl* c = model_.find(name);
    if (!w || !c)
        return {};
    const QRect before = pixel_rect(c->place);
    const QSize least = w->minimumSizeHint().expandedTo(QSize(1, 1));
    wanted.setWidth(std::max(wanted.width(), least.width()));
    wanted.setHeight(std::max(wanted.height(), least.height()));
    // The control decides its size; an edge that was not dragged stays where it was.
    w->setExtentTwips(QSizeF(to_twips(wanted.width()), to_twips(wanted.height())));
    const QSizeF took = w->extentTwips();
    TwipsRect place{to_twips(wanted.x()), to_twips(wanted.y()), static_cast<float>(took.width()),
                    static_cast<float>(took.height())};
    if (wanted.x() != before.x())
        place.left = to_twips(wanted.x() + wanted.width() - to_pixels(place.width));
    if (wanted.y() != before.y())
        place.top = to_twips(wanted.y() + wanted.height() - to_pixels(place.height));
    const std::string stored = w->saveProperties().toStdString();
    if (!(place == c->place) || stored != c->stored)
        undo_.push(new PlaceControlsCommand(model_, {name}, {place}, tr("Resize"), {stored}));
    else
        applyPlace(name);
    return model_.find(name)->place;
}

std::string FormCanvas::controlAt(QPoint p) const {
    const auto& controls = model_.controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        qt::ControlWidget* w = widget(it->name);
        if (w && w->geometry().contains(p))
            return it->name;
    }
    return {};
}

int FormCanvas::handleAt(QPoint p, std::string* name) const {
    for (const std::string& n : selection_) {
        qt::ControlWidget* w = widget(n);
        if (!w)
            continue;
        const auto handles = handle_rects(w->geometry());
        for (int i = 0; i < 8; ++i)
            if (handles[static_cast<std::size_t>(i)].adjusted(-1, -1, 1, 1).contains(p)) {
                *name = n;
                return i;
            }
    }
    return -1;
}

QRect FormCanvas::resized(QRect r, int handle, QPoint d) const {
    int l = r.left(), t = r.top(), rt = r.left() + r.width(), b = r.top() + r.height();
    const bool left = handle == 0 || handle == 6 || handle == 7;
    const bool right = handle == 2 || handle == 3 || handle == 4;
    const bool top = handle == 0 || handle == 1 || handle == 2;
    const bool bottom = handle == 4 || handle == 5 || handle == 6;
    auto snapv = [this](int v) { return snap_ ? (v + grid_ / 2) / grid_ * grid_ : v; };
    if (left)
        l = std::min(snapv(l + d.x()), rt - 1);
    if (right)
        rt = std::max(snapv(rt + d.x()), l + 1);
    if (top)
        t = std::min(snapv(t + d.y()), b - 1);
    if (bottom)
        b = std::max(snapv(b + d.y()), t + 1);
    return QRect(l, t, rt - l, b - t);
}

void FormCanvas::mousePressEvent(QMouseEvent* event) {
    if (running_ || event->button() != Qt::LeftButton)
        return;
    setFocus();
    const QPoint at = event->position().toPoint();
    pressAt_ = at;
    const QString chosen = chosen_ ? chosen_() : QString();
    if (!chosen.isEmpty()) {
        QString error;
        if (!placeControl(chosen, at, &error))
            emit controlFailed(tr("%1: %2").arg(chosen, error));
        if (clearChoice_)
            clearChoice_();
        return;
    }
    std::string name;
    handle_ = handleAt(at, &name);
    if (handle_ >= 0) {
        drag_ = Drag::Resize;
        resizing_ = name;
        startRects_ = {{name, widget(name)->geometry()}};
        return;
    }
    name = controlAt(at);
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (name.empty()) {
        if (!ctrl)
            setSelection({});
        drag_ = Drag::Band;
        band_ = QRect(at, at);
        return;
    }
    std::vector<std::string> selection = selection_;
    const bool selected = std::find(selection.begin(), selection.end(), name) != selection.end();
    if (ctrl && selected) {
        std::erase(selection, name);
        setSelection(selection);
        return;
    }
    if (ctrl)
        selection.push_back(name);
    else if (!selected)
        selection = {name};
    setSelection(selection);
    drag_ = Drag::Move;
    startRects_.clear();
    for (const std::string& n : selection_)
        startRects_[n] = widget(n)->geometry();
}

void FormCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const QPoint d = at - pressAt_;
    if (drag_ == Drag::Band) {
        band_ = QRect(pressAt_, at);
        overlay_->update();
    } else if (drag_ == Drag::Move && d.manhattanLength() >= kDragThreshold) {
        for (const auto& [name, start] : startRects_)
            if (qt::ControlWidget* w = widget(name))
                w->move(snapped(start.topLeft() + d));
        overlay_->update();
    } else if (drag_ == Drag::Resize) {
        if (qt::ControlWidget* w = widget(resizing_))
            w->setGeometry(resized(startRects_[resizing_], handle_, d));
        overlay_->update();
    }
}

void FormCanvas::mouseReleaseEvent(QMouseEvent* event) {
    finishDrag(event->position().toPoint());
}

void FormCanvas::finishDrag(QPoint at) {
    const Drag drag = std::exchange(drag_, Drag::None);
    const QPoint d = at - pressAt_;
    if (drag == Drag::Band) {
        const QRect band = QRect(pressAt_, at).normalized();
        std::vector<std::string> picked = selection_;
        for (const DesignControl& c : model_.controls())
            if (band.intersects(widget(c.name)->geometry()) &&
                std::find(picked.begin(), picked.end(), c.name) == picked.end())
                picked.push_back(c.name);
        setSelection(picked);
        overlay_->update();
    } else if (drag == Drag::Move && d.manhattanLength() >= kDragThreshold) {
        std::vector<std::string> names;
        std::vector<TwipsRect> after;
        for (const auto& [name, start] : startRects_) {
            TwipsRect place = model_.find(name)->place;
            const QPoint p = snapped(start.topLeft() + d);
            place.left = to_twips(p.x());
            place.top = to_twips(p.y());
            names.push_back(name);
            after.push_back(place);
        }
        undo_.push(new PlaceControlsCommand(model_, names, after, tr("Move")));
    } else if (drag == Drag::Resize) {
        resizeControl(resizing_, resized(startRects_[resizing_], handle_, d));
    }
}

void FormCanvas::keyPressEvent(QKeyEvent* event) {
    if (running_ || selection_.empty())
        return QWidget::keyPressEvent(event);
    const int step = event->modifiers() & Qt::ShiftModifier ? 1 : grid_;
    switch (event->key()) {
        case Qt::Key_Left:
            return moveSelection(-step, 0);
        case Qt::Key_Right:
            return moveSelection(step, 0);
        case Qt::Key_Up:
            return moveSelection(0, -step);
        case Qt::Key_Down:
            return moveSelection(0, step);
        default:
            QWidget::keyPressEvent(event);
    }
}

void FormCanvas::dragEnterEvent(QDragEnterEvent* event) {
    if (!running_ && event->mimeData()->hasFormat(kClassMimeType))
        event->acceptProposedAction();
}

void FormCanvas::dropEvent(QDropEvent* event) {
    const QString progid = QString::fromUtf8(event->mimeData()->data(kClassMimeType));
    QString error;
    if (!placeControl(progid, event->position().toPoint(), &error))
        emit controlFailed(tr("%1: %2").arg(progid, error));
    event->acceptProposedAction();
}

}  // namespace qd::designer
