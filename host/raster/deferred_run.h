// Figures held back and written together: close to one write per pixel for a whole pass.
//
// A full redraw of a pie is a clear, a ring and a hundred sectors of one ellipse, each painting
// over part of the one before; a bar's is a clear and a hundred boxes. Drawn one by one, most
// pixels are written several times. The picture box instead queues such figures while they
// are plain copies of one colour (the last one drawn wins at every pixel) and writes them when
// anything else touches or reads the picture: a block of rows at a time, small enough to stay in
// the cache, the clear first and then each figure's part in call order, so memory sees each
// pixel written once. A figure leaves out, row by row, the pixels of the figure that follows it,
// which would paint over them: the bands of a pie overlap their neighbours, and each band's
// pixels are then written once in the cache as well. The pixels are exactly those of drawing
// the figures in order.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "host/raster/coverage.h"
#include "host/raster/ellipse_rows.h"
#include "host/raster/image.h"

namespace qd::host {

class DeferredRun {
  public:
    // The thread's run. One picture at a time holds figures back: a picture that queues while
    // another owns the run writes the other's first, so a thousand pictures cost one run.
    static DeferredRun& shared() {
        thread_local DeferredRun run;
        return run;
    }

    const void* owner() const { return owner_; }
    void set_owner(const void* owner) { owner_ = owner; }
    // Drops what is queued without writing it (its picture is going).
    void discard();
    bool empty() const { return ops_.empty() && rects_.empty() && !clear_pending_; }
    // Whether a clear is queued: the run holds a whole pass.
    bool clears() const { return clear_pending_; }
    // Whether `n` more figures fit.
    bool has_room(std::size_t n) const { return ops_.size() + rects_.size() + n <= kMaxOps; }

    // A clear of the whole picture to `pixel`: everything queued before it is hidden.
    void clear(std::uint32_t pixel);
    // A sector of the ellipse (a, b about cx, cy) set up on the cached rows, as the cached
    // sector path fills it. False (nothing queued) when the run is full or queued sectors use
    // another ellipse.
    bool add_sector(const CachedSector& s, double cx, double cy, double a, double b,
                    std::uint32_t pixel);
    // The sector as the general span loop (sector_spans) fills it.
    bool add_wedge(double cx, double cy, double a, double b, const Wedge& wedge, const Clip& clip,
                   std::uint32_t pixel);
    // Whether a sector of this ellipse may join the queue: no queued sector uses another.
    bool takes_ellipse(double cx, double cy, double a, double b) const;
    // The whole ring between the ellipses (ao, bo) and (ai, bi), as ring_spans draws it.
    bool add_ring(double cx, double cy, double ao, double bo, double ai, double bi,
                  const Clip& clip, std::uint32_t pixel);
    // Columns x0..x1 of rows y0..y1, already clipped. Inline: a bar's pass queues a hundred.
    bool add_rect(int x0, int y0, int x1, int y1, std::uint32_t pixel) {
        if (!has_room(1))
            return false;
        if (x0 > x1 || y0 > y1)
            return true;
        if (ops_.empty()) {
            rects_.push_back({x0, x1, y0, y1, pixel});
            return true;
        }
        Op& op = ops_.emplace_back();
        op.kind = Kind::Rect;
        op.pixel = pixel;
        op.x0 = x0, op.x1 = x1, op.y0 = y0, op.y1 = y1;
        return true;
    }

    // Columns x0..x1 of rows y0..y1, clipped here to a picture of `width` x `height`; nothing
    // to queue (true) when the clipped rect is empty.
    bool add_clipped_rect(long long x0, long long y0, long long x1, long long y1, int width,
                          int height, std::uint32_t pixel) {
        x0 = std::max(x0, 0LL), x1 = std::min<long long>(x1, width - 1);
        y0 = std::max(y0, 0LL), y1 = std::min<long long>(y1, height - 1);
        if (x0 > x1 || y0 > y1)
            return true;
        return add_rect(static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1),
                        static_cast<int>(y1), pixel);
    }

    // Writes everything queued into `image` (the picture it was queued for) and empties the run.
    void flush(Image& image, const EllipseRows& rows);

  private:
    enum class Kind : std::uint8_t { Sector, Wedge, Ring, Rect };
    struct Op {
        Kind kind;
        std::uint32_t pixel;
        int y0, y1;  // rows touched, clipped
        int nlo = 0, nhi = 0;
        FixedRay lo[2], hi[2];          // a cached sector's rays
        InnerRows lo_inner, hi_inner;   // and the rows they need no clamping on
        double cx, cy, ao, bo, ai, bi;  // a ring; a general sector's ellipse is (ao, bo)
        int x0, x1;                     // a rect
        int wedge;                      // a general sector's, in wedges_
    };
    // A rect queued before any other figure (a bar's pass), held compactly.
    struct Rect {
        int x0, x1, y0, y1;
        std::uint32_t pixel;
    };
    struct Span {
        int x0, x1;
    };
    static constexpr std::size_t kMaxOps = 512;
    // Room for a run of rects without a growth check: a push is a count and five stores.
    struct RectList {
        Rect items[kMaxOps];
        std::size_t count = 0;
        bool empty() const { return count == 0; }
        std::size_t size() const { return count; }
        void clear() { count = 0; }
        void push_back(const Rect& r) { items[count++] = r; }
        const Rect* begin() const { return items; }
        const Rect* end() const { return items + count; }
    };

    // Whether one more figure fits; the compact rects then join the figures, ahead of it.
    bool room() {
        move_rects_to_ops();
        return has_room(1);
    }
    void move_rects_to_ops();
    // The spans of `op` on row y (any kind): at most two.
    int op_spans(const Op& op, int y, const EllipseRows& rows, int width, Span out[2]) const;
    // Paints rows y0..y1 of the figure, leaving out what `next` (the figure after it, or null)
    // paints over.
    void paint_rows(Image& image, const Op& op, const Op* next, int y0, int y1,
                    const EllipseRows& rows) const;
    // A sector followed by another of the cached rows: both rays of each stepped together.
    static void paint_band_pair(Image& image, const Op& op, const Op& next, int y0, int y1,
                                const EllipseRows& rows);
    // A run of rects alone (the bar's): rows between the rects' first and last rows are alike,
    // so each kind of row is painted once and copied. False when the rows come in too many kinds.
    template <typename Rects>
    bool write_rect_rows(Image& image, int y0, int y1, const Rects& rects) const;

    DeferredRun();

    const void* owner_ = nullptr;
    std::vector<Op> ops_;
    RectList rects_;  // queued while ops_ is empty; then every figure goes to ops_
    std::vector<Wedge> wedges_;
    bool clear_pending_ = false;
    std::uint32_t clear_pixel_ = 0;
    bool has_sectors_ = false;
    bool rects_only_ = true;  // no figure but rects queued
    double ecx_ = 0, ecy_ = 0, ea_ = 0, eb_ = 0;
};

}  // namespace qd::host
