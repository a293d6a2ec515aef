#include "tools/qdhost/demo/gif_writer.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <unordered_map>

namespace qd::qdhost::demo {

namespace {

using host::Image;

std::string gif_error(const char* what, int code) {
    const char* text = GifErrorString(code);
    return std::string(what) + ": " + (text ? text : "unknown giflib error");
}

struct MapDeleter {
    void operator()(ColorMapObject* m) const { GifFreeMapObject(m); }
};
using ColourMap = std::unique_ptr<ColorMapObject, MapDeleter>;

struct Rect {
    int x, y, w, h;
};

// The smallest rectangle holding every pixel that differs between the frames (one pixel when
// none does: a GIF frame cannot be empty).
Rect changed_rect(const Image& before, const Image& after) {
    int x0 = after.width, y0 = after.height, x1 = -1, y1 = -1;
    for (int y = 0; y < after.height; ++y)
        for (int x = 0; x < after.width; ++x)
            if (before.at(x, y) != after.at(x, y)) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
    return x1 < 0 ? Rect{0, 0, 1, 1} : Rect{x0, y0, x1 - x0 + 1, y1 - y0 + 1};
}

Image crop(const Image& image, const Rect& r) {
    Image part(r.w, r.h, 0);
    for (int y = 0; y < r.h; ++y)
        std::copy_n(image.row(r.y + y) + r.x, r.w, part.row(y));
    return part;
}

int distance(const GifColorType& a, std::uint32_t c) {
    const int dr = a.Red - static_cast<int>(c & 0xFF);
    const int dg = a.Green - static_cast<int>((c >> 8) & 0xFF);
    const int db = a.Blue - static_cast<int>((c >> 16) & 0xFF);
    return dr * dr + dg * dg + db * db;
}

GifByteType nearest(const GifColorType* palette, std::size_t size, std::uint32_t c) {
    std::size_t best = 0;
    for (std::size_t k = 1; k < size; ++k)
        if (distance(palette[k], c) < distance(palette[best], c))
            best = k;
    return static_cast<GifByteType>(best);
}

// giflib's median cut over the whole frame.
bool quantise(const Image& frame, ColorMapObject* map, std::vector<GifByteType>* indices) {
    const std::size_t n = frame.pixels.size();
    std::vector<GifByteType> r(n), g(n), b(n);
    for (std::size_t i = 0; i < n; ++i) {
        r[i] = frame.pixels[i] & 0xFF;
        g[i] = (frame.pixels[i] >> 8) & 0xFF;
        b[i] = (frame.pixels[i] >> 16) & 0xFF;
    }
    int size = 256;
    return GifQuantizeBuffer(frame.width, frame.height, &size, r.data(), g.data(), b.data(),
                             indices->data(), map->Colors) == GIF_OK;
}

// The frame's palette. Controls draw flat fills and bands, so a frame has few colours, and
// those beyond 256 are mostly the anti-aliased edges of label text. The 256 most frequent
// colours are kept exactly (the paper, the fills) and the rare rest take the nearest of them;
// only when the rare colours cover a visible share of the frame does giflib's median cut
// choose the palette.
bool palette_frame(const Image& frame, ColourMap* map, std::vector<GifByteType>* indices) {
    const std::size_t n = frame.pixels.size();
    indices->assign(n, 0);
    map->reset(GifMakeMapObject(256, nullptr));
    if (!*map)
        return false;
    std::unordered_map<std::uint32_t, std::size_t> count;
    for (std::uint32_t p : frame.pixels)
        ++count[p & 0xFFFFFF];
    std::vector<std::pair<std::size_t, std::uint32_t>> by_count;
    for (const auto& [colour, c] : count)
        by_count.emplace_back(c, colour);
    std::sort(by_count.begin(), by_count.end(), std::greater<>());
    std::size_t rare = 0;
    for (std::size_t k = 256; k < by_count.size(); ++k)
        rare += by_count[k].first;
    if (rare * 50 > n)
        return quantise(frame, map->get(), indices);

    const std::size_t kept = std::min<std::size_t>(by_count.size(), 256);
    std::unordered_map<std::uint32_t, GifByteType> index_of;
    for (std::size_t k = 0; k < kept; ++k) {
        const std::uint32_t c = by_count[k].second;
        (*map)->Colors[k] = {static_cast<GifByteType>(c & 0xFF),
                             static_cast<GifByteType>((c >> 8) & 0xFF),
                             static_cast<GifByteType>((c >> 16) & 0xFF)};
        index_of.emplace(c, static_cast<GifByteType>(k));
    }
    for (std::size_t k = kept; k < by_count.size(); ++k)
        index_of.emplace(by_count[k].second, nearest((*map)->Colors, kept, by_count[k].second));
    for (std::size_t i = 0; i < n; ++i)
        (*indices)[i] = index_of.at(frame.pixels[i] & 0xFFFFFF);
    return true;
}

bool write_extension(GifFileType* gif, int delay_cs) {
    GraphicsControlBlock gcb{};
    gcb.DisposalMode = DISPOSE_DO_NOT;
    gcb.DelayTime = delay_cs;
    gcb.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType block[4];
    const size_t len = EGifGCBToExtension(&gcb, block);
    return EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(len), block) == GIF_OK;
}

// The application extension that makes viewers loop the animation forever.
bool write_loop(GifFileType* gif) {
    static const GifByteType kApp[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType kLoop[] = {1, 0, 0};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof kApp, kApp) == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof kLoop, kLoop) == GIF_OK &&
           EGifPutExtensionTrailer(gif) == GIF_OK;
}

}  // namespace

bool write_gif(const std::string& path, const std::vector<Image>& frames, int delay_cs,
               int last_delay_cs, std::string* error) {
    if (frames.empty() || frames.front().empty()) {
        *error = "no frames to write";
        return false;
    }
    const int width = frames.front().width, height = frames.front().height;
    int code = 0;
    GifFileType* gif = EGifOpenFileName(path.c_str(), false, &code);
    if (!gif) {
        *error = gif_error(("cannot create " + path).c_str(), code);
        return false;
    }
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, width, height, 8, 0, nullptr) == GIF_OK && write_loop(gif);
    std::vector<GifByteType> indices;
    for (std::size_t f = 0; ok && f < frames.size(); ++f) {
        const Image& frame = frames[f];
        if (frame.width != width || frame.height != height) {
            *error = "frames differ in size";
            EGifCloseFile(gif, &code);
            return false;
        }
        // Only the part that changed since the previous frame is stored; it is drawn over it.
        const Rect r = f == 0 ? Rect{0, 0, width, height} : changed_rect(frames[f - 1], frame);
        const Image part = crop(frame, r);
        ColourMap map;
        ok = palette_frame(part, &map, &indices) &&
             write_extension(gif, f + 1 == frames.size() ? last_delay_cs : delay_cs) &&
             EGifPutImageDesc(gif, r.x, r.y, r.w, r.h, false, map.get()) == GIF_OK;
        for (int y = 0; ok && y < r.h; ++y)
            ok =
                EGifPutLine(gif, indices.data() + static_cast<std::size_t>(y) * r.w, r.w) == GIF_OK;
    }
    const int write_code = gif->Error;
    if (EGifCloseFile(gif, &code) != GIF_OK && ok) {
        *error = gif_error(("cannot write " + path).c_str(), code);
        return false;
    }
    if (!ok)
        *error = gif_error(("cannot write " + path).c_str(), write_code);
    return ok;
}

bool read_gif(const std::string& path, std::vector<Image>* frames, std::string* error) {
    int code = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &code);
    if (!gif) {
        *error = gif_error(("cannot open " + path).c_str(), code);
        return false;
    }
    if (DGifSlurp(gif) != GIF_OK) {
        *error = gif_error(("cannot read " + path).c_str(), gif->Error);
        DGifCloseFile(gif, &code);
        return false;
    }
    frames->clear();
    Image canvas(gif->SWidth, gif->SHeight, 0);
    for (int f = 0; f < gif->ImageCount; ++f) {
        const SavedImage& im = gif->SavedImages[f];
        const ColorMapObject* map = im.ImageDesc.ColorMap ? im.ImageDesc.ColorMap : gif->SColorMap;
        if (!map) {
            *error = "frame without a palette in " + path;
            DGifCloseFile(gif, &code);
            return false;
        }
        const GifImageDesc& d = im.ImageDesc;
        for (int y = 0; y < d.Height && d.Top + y < canvas.height; ++y)
            for (int x = 0; x < d.Width && d.Left + x < canvas.width; ++x) {
                const int index = im.RasterBits[static_cast<std::size_t>(y) * d.Width + x];
                const GifColorType c = map->Colors[index < map->ColorCount ? index : 0];
                canvas.row(d.Top + y)[d.Left + x] =
                    c.Red | (c.Green << 8) | (static_cast<std::uint32_t>(c.Blue) << 16);
            }
        frames->push_back(canvas);
    }
    DGifCloseFile(gif, &code);
    return true;
}

}  // namespace qd::qdhost::demo
