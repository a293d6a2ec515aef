#include "host/raster/font_face.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <unordered_map>
#include <vector>

namespace qd::host {

namespace {

constexpr double kDotsPerInch = 96.0;

// Decodes one UTF-8 sequence at text[*i], advancing *i; a malformed byte reads as U+FFFD.
char32_t next_code_point(std::string_view text, std::size_t* i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char c = byte(*i);
    if (c < 0x80) {
        ++*i;
        return c;
    }
    const int extra = (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0 || *i + extra >= text.size()) {
        ++*i;
        return 0xFFFD;
    }
    char32_t cp = c & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        const unsigned char cc = byte(*i + k);
        if ((cc & 0xC0) != 0x80) {
            ++*i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (cc & 0x3F);
    }
    *i += extra + 1;
    return cp;
}

// FreeType's character size in 26.6 pixels for a point size at 96 dpi.
long size_key(float points) {
    return std::lround(points * kDotsPerInch / 72.0 * 64.0);
}

}  // namespace

struct FontFace::Impl {
    // A rendered glyph as FreeType left it in its slot: the coverage rows, their place against
    // the pen and the baseline, and the advance. `loaded` is false for a character the face
    // could not load, which draws nothing and does not move the pen.
    struct Glyph {
        bool loaded = false;
        int left = 0, top = 0;
        int width = 0, rows = 0;
        std::int64_t advance = 0;             // 26.6
        std::vector<unsigned char> coverage;  // rows x width, no padding
    };

    struct SizeCache {
        long key = 0;
        std::array<std::int32_t, 128> ascii{};  // 26.6 advances, -1 until loaded
        std::unordered_map<char32_t, std::int32_t> others;
        int ascent = 0, height = 0;
        // Rendered glyphs, kept once drawn: a caption redrawn at every change renders none.
        std::array<std::unique_ptr<Glyph>, 128> ascii_glyphs;
        std::unordered_map<char32_t, std::unique_ptr<Glyph>> other_glyphs;
    };

    FT_Library library = nullptr;
    FT_Face face = nullptr;
    std::string path;
    long current_key = -1;  // the size set on the face
    std::vector<std::unique_ptr<SizeCache>> sizes;
    SizeCache* last = nullptr;

    Impl() {
        if (FT_Init_FreeType(&library) != 0) {
            library = nullptr;
            return;
        }
        path = find_sans_serif();
        if (path.empty() || FT_New_Face(library, path.c_str(), 0, &face) != 0) {
            face = nullptr;
            path.clear();
        }
    }
    ~Impl() {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }

    static std::string find_sans_serif() {
        std::string found;
        if (!FcInit())
            return found;
        FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif"));
        if (!pattern)
            return found;
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result;
        if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
            FcChar8* file = nullptr;
            if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file)
                found = reinterpret_cast<const char*>(file);
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pattern);
        // Only the file's path is kept: release fontconfig's configuration, which it would
        // otherwise hold (and report as leaked) until the process ends.
        FcFini();
        return found;
    }

    void set_size(long key) {
        if (key != current_key) {
            FT_Set_Char_Size(face, 0, key, 72, 72);  // key is already in pixels
            current_key = key;
        }
    }

    SizeCache& cache_for(long key) {
        if (last && last->key == key)
            return *last;
        for (auto& s : sizes)
            if (s->key == key)
                return *(last = s.get());
        auto s = std::make_unique<SizeCache>();
        s->key = key;
        s->ascii.fill(-1);
        set_size(key);
        s->ascent = static_cast<int>((face->size->metrics.ascender + 63) >> 6);
        s->height = static_cast<int>(
            (face->size->metrics.ascender - face->size->metrics.descender + 63) >> 6);
        // Every printable ASCII advance up front: a caption that changes with Value (digits,
        // signs, the percent sign) is then measured without loading a glyph.
        for (char32_t cp = 32; cp < 127; ++cp)
            s->ascii[cp] = load_advance(key, cp);
        sizes.push_back(std::move(s));
        return *(last = sizes.back().get());
    }

    std::int32_t load_advance(long key, char32_t cp) {
        set_size(key);
        if (FT_Load_Char(face, cp, FT_LOAD_DEFAULT) != 0)
            return 0;
        return static_cast<std::int32_t>(face->glyph->advance.x);
    }

    Glyph render(long key, char32_t cp) {
        set_size(key);
        Glyph g;
        if (FT_Load_Char(face, cp, FT_LOAD_RENDER) != 0)
            return g;
        const FT_GlyphSlot slot = face->glyph;
        const FT_Bitmap& bm = slot->bitmap;
        g.loaded = true;
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
        g.width = static_cast<int>(bm.width);
        g.rows = static_cast<int>(bm.rows);
        g.advance = slot->advance.x;
        g.coverage.resize(static_cast<std::size_t>(g.width) * g.rows);
        for (int r = 0; r < g.rows; ++r)
            std::copy_n(bm.buffer + static_cast<std::ptrdiff_t>(r) * bm.pitch, g.width,
                        g.coverage.begin() + static_cast<std::ptrdiff_t>(r) * g.width);
        return g;
    }

    const Glyph& glyph(SizeCache& s, char32_t cp) {
        std::unique_ptr<Glyph>& slot = cp < 128 ? s.ascii_glyphs[cp] : s.other_glyphs[cp];
        if (!slot)
            slot = std::make_unique<Glyph>(render(s.key, cp));
        return *slot;
    }

    std::int32_t advance(SizeCache& s, char32_t cp) {
        if (cp < 128) {
            if (s.ascii[cp] < 0)
                s.ascii[cp] = load_advance(s.key, cp);
            return s.ascii[cp];
        }
        auto it = s.others.find(cp);
        if (it == s.others.end())
            it = s.others.emplace(cp, load_advance(s.key, cp)).first;
        return it->second;
    }
};

FontFace& FontFace::shared() {
    static FontFace face;
    return face;
}

FontFace::FontFace() : impl_(std::make_unique<Impl>()) {}
FontFace::~FontFace() = default;

bool FontFace::available() const {
    return impl_->face != nullptr;
}

const char* FontFace::path() const {
    return impl_->path.c_str();
}

TextMetrics FontFace::measure(std::string_view utf8, float points) {
    TextMetrics m;
    const double px = points * kDotsPerInch / 72.0;
    if (!available()) {
        // An estimate of a typical sans-serif face.
        std::size_t count = 0;
        for (std::size_t i = 0; i < utf8.size();) {
            next_code_point(utf8, &i);
            ++count;
        }
        m.width = 0.55 * px * static_cast<double>(count);
        m.ascent = static_cast<int>(std::ceil(0.93 * px));
        m.height = static_cast<int>(std::ceil(1.17 * px));
        return m;
    }
    const long key = size_key(points);
    Impl::SizeCache& s = impl_->cache_for(key);
    std::int64_t total = 0;
    for (std::size_t i = 0; i < utf8.size();)
        total += impl_->advance(s, next_code_point(utf8, &i));
    m.width = static_cast<double>(total) / 64.0;
    m.ascent = s.ascent;
    m.height = s.height;
    return m;
}

void FontFace::draw(Image& image, double x, int baseline, std::string_view utf8, float points,
                    std::uint32_t pixel, int clip_x0, int clip_y0, int clip_x1, int clip_y1) {
    if (!available())
        return;
    clip_x0 = std::max(clip_x0, 0);
    clip_y0 = std::max(clip_y0, 0);
    clip_x1 = std::min(clip_x1, image.width - 1);
    clip_y1 = std::min(clip_y1, image.height - 1);
    if (clip_x0 > clip_x1 || clip_y0 > clip_y1)
        return;
    Impl::SizeCache& s = impl_->cache_for(size_key(points));
    std::int64_t pen = std::llround(x * 64.0);
    const int fr = pixel & 0xFF, fg = (pixel >> 8) & 0xFF, fb = (pixel >> 16) & 0xFF;
    for (std::size_t i = 0; i < utf8.size();) {
        const Impl::Glyph& g = impl_->glyph(s, next_code_point(utf8, &i));
        if (!g.loaded)
            continue;
        const int gx = static_cast<int>(pen >> 6) + g.left;
        const int gy = baseline - g.top;
        // The glyph's rows and columns inside the clip.
        const int r0 = std::max(0, clip_y0 - gy), r1 = std::min(g.rows, clip_y1 - gy + 1);
        const int c0 = std::max(0, clip_x0 - gx), c1 = std::min(g.width, clip_x1 - gx + 1);
        for (int r = r0; r < r1; ++r) {
            const unsigned char* src = g.coverage.data() + static_cast<std::ptrdiff_t>(r) * g.width;
            std::uint32_t* row = image.row(gy + r);
            for (int c = c0; c < c1; ++c) {
                const int cov = src[c];
                if (cov == 0)
                    continue;
                const std::uint32_t d = row[gx + c];
                const auto mix = [&](int fgc, int shift) {
                    const int dc = (d >> shift) & 0xFF;
                    return static_cast<std::uint32_t>(dc + ((fgc - dc) * cov + 127) / 255) << shift;
                };
                row[gx + c] = mix(fr, 0) | mix(fg, 8) | mix(fb, 16);
            }
        }
        pen += g.advance;
    }
}

}  // namespace qd::host
