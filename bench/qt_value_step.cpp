// qt_value_step: a 1 % Value step on the Qt widgets with its repaint, beside QProgressBar's
// step and the floor (a plain widget that only draws a QImage), all in one run on the offscreen
// platform with the Fusion style, so the ratios compare like with like.
//
// Ours repaints what the control drew: setValue posts update(damage) and sending the window's
// posted update request paints and flushes it at once. "full" repaints the whole widget
// instead, as QProgressBar's measurement does with repaint().
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QProgressBar>

#include <qdprogress/qt/progress_bar.h>
#include <qdprogress/qt/progress_pie.h>

namespace {

// The floor: a widget whose paint only copies a QImage of its size.
class ImageWidget : public QWidget {
  public:
    explicit ImageWidget(QSize size) : image_(size, QImage::Format_RGBX8888) {
        image_.fill(Qt::gray);
        setFixedSize(size);
    }

  protected:
    void paintEvent(QPaintEvent* e) override {
        QPainter p(this);
        p.drawImage(e->rect().topLeft(), image_, e->rect());
    }

  private:
    QImage image_;
};

// Shows `w` at `size` and waits for its first frame.
void show(QWidget& w, QSize size) {
    w.setFixedSize(size);
    w.show();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

void paint_posted(QWidget& w) {
    // Every posted event, the repaint manager's update request among them: asking for one
    // receiver only would leave the rest to pile up and make each later search longer.
    (void)w;
    QCoreApplication::sendPostedEvents();
}

// Value 1 to 99 in 1 % steps; the way back to 0 (a full redraw) is not timed.
template <typename Widget, typename Repaint>
void steps(benchmark::State& state, Widget& w, Repaint repaint) {
    int value = 0;
    for (auto _ : state) {
        if (++value == 100) {
            state.PauseTiming();
            value = 1;
            w.setValue(0);
            repaint(w);
            state.ResumeTiming();
        }
        w.setValue(value);
        repaint(w);
    }
}

QSize size_of(const benchmark::State& state) {
    return {static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
}

// full: 0 paints the damage, 1 the whole widget; label 0 hides the label (its text is drawn
// afresh at every step, which is most of a step's time).
void BM_QtPieValueStep(benchmark::State& state) {
    qd::qt::ProgressPie pie;
    if (state.range(3) == 0)
        pie.setLabelPosition(qd::qt::ProgressPie::pNone);
    show(pie, size_of(state));
    steps(state, pie,
          [full = state.range(2)](QWidget& w) { full ? w.repaint() : paint_posted(w); });
}

void BM_QtBarValueStep(benchmark::State& state) {
    qd::qt::ProgressBar bar;
    if (state.range(3) == 0)
        bar.setLabelPosition(qd::qt::ProgressBar::pNone);
    show(bar, size_of(state));
    steps(state, bar,
          [full = state.range(2)](QWidget& w) { full ? w.repaint() : paint_posted(w); });
}

void BM_QProgressBarValueStep(benchmark::State& state) {
    QProgressBar bar;
    bar.setRange(0, 100);
    show(bar, size_of(state));
    steps(state, bar, [](QWidget& w) { w.repaint(); });
}

void BM_ImageWidgetRepaint(benchmark::State& state) {
    ImageWidget w(size_of(state));
    show(w, size_of(state));
    const QRect small(0, 0, 4, 26);
    const bool full = state.range(2) != 0;
    for (auto _ : state)
        full ? w.repaint() : w.repaint(small);
}

}  // namespace

BENCHMARK(BM_QtPieValueStep)
    ->ArgNames({"w", "h", "full", "label"})
    ->Args({200, 200, 0, 1})
    ->Args({200, 200, 1, 1})
    ->Args({200, 200, 0, 0});
BENCHMARK(BM_QtBarValueStep)
    ->ArgNames({"w", "h", "full", "label"})
    ->Args({354, 26, 0, 1})
    ->Args({354, 26, 1, 1})
    ->Args({354, 26, 0, 0});
BENCHMARK(BM_QProgressBarValueStep)->ArgNames({"w", "h"})->Args({200, 200})->Args({354, 26});
BENCHMARK(BM_ImageWidgetRepaint)
    ->ArgNames({"w", "h", "full"})
    ->Args({200, 200, 1})
    ->Args({354, 26, 1})
    ->Args({354, 26, 0});

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
