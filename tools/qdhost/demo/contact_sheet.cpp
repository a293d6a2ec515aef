#include "tools/qdhost/demo/contact_sheet.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "host/raster/compose.h"
#include "host/raster/font_face.h"

namespace qd::qdhost::demo {

namespace {

using host::Image;

// Layout, in pixels, and type sizes, in points.
constexpr int kSheetWidth = 1240;
constexpr int kMargin = 28;
constexpr int kCellGap = 18;     // between cells, across and down
constexpr int kCaptionGap = 6;   // between a tile and its caption
constexpr int kSectionGap = 26;  // above a section's heading
constexpr float kTitlePoints = 17;
constexpr float kHeadingPoints = 13;
constexpr float kCaptionPoints = 8.5f;
constexpr float kValuePoints = 9;

constexpr std::uint32_t kPaper = 0xFFFFFF;
constexpr std::uint32_t kInk = 0x302820;    // near black
constexpr std::uint32_t kMuted = 0x807870;  // grey
constexpr std::uint32_t kRule = 0xDDDDDD;

struct Section {
    std::string name;
    std::vector<std::size_t> tiles;
    int cell_w = 0, cell_h = 0, columns = 1;
};

std::vector<Section> sections_of(const std::vector<Tile>& tiles, const std::vector<Image>& views) {
    std::vector<Section> sections;
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        if (sections.empty() || sections.back().name != tiles[i].section)
            sections.push_back(Section{tiles[i].section, {}});
        Section& s = sections.back();
        s.tiles.push_back(i);
        s.cell_w = std::max(s.cell_w, views[i].width);
        s.cell_h = std::max(s.cell_h, views[i].height);
    }
    return sections;
}

class Writer {
  public:
    explicit Writer(Image& sheet) : sheet_(sheet), font_(host::FontFace::shared()) {}

    int line_height(float points) { return font_.measure("Ag", points).height; }
    double width(const std::string& text, float points) {
        return font_.measure(text, points).width;
    }

    // Draws `text` with its top at `top`, centred on `centre_x` when `centred`, else from x.
    void text(const std::string& text, double x, int top, float points, std::uint32_t colour,
              bool centred = false) {
        const host::TextMetrics m = font_.measure(text, points);
        const double left = centred ? x - m.width / 2 : x;
        font_.draw(sheet_, left, top + m.ascent, text, points, colour, 0, 0, sheet_.width - 1,
                   sheet_.height - 1);
    }

  private:
    Image& sheet_;
    host::FontFace& font_;
};

void fill_rect(Image& im, int x, int y, int w, int h, std::uint32_t colour) {
    for (int row = std::max(y, 0); row < std::min(y + h, im.height); ++row)
        std::fill(im.row(row) + std::max(x, 0), im.row(row) + std::min(x + w, im.width), colour);
}

}  // namespace

Image contact_sheet(const std::vector<Tile>& tiles, const std::vector<Image>& views) {
    std::vector<Section> sections = sections_of(tiles, views);

    // Measure first: the sheet's height follows from the rows of every section.
    Image probe(1, 1, kPaper);
    Writer measure(probe);
    const int title_h = measure.line_height(kTitlePoints);
    const int heading_h = measure.line_height(kHeadingPoints);
    const int caption_h = measure.line_height(kCaptionPoints) + measure.line_height(kValuePoints);
    int height = kMargin + title_h + 4;
    for (Section& s : sections) {
        // A cell is wide enough for its tile and for its caption.
        for (std::size_t i : s.tiles) {
            const int text_w = static_cast<int>(
                std::ceil(std::max(measure.width(tiles[i].property, kCaptionPoints),
                                   measure.width(tiles[i].value, kValuePoints))));
            s.cell_w = std::max(s.cell_w, text_w);
        }
        s.columns = std::max(1, (kSheetWidth - 2 * kMargin + kCellGap) / (s.cell_w + kCellGap));
        const int rows = static_cast<int>((s.tiles.size() + s.columns - 1) / s.columns);
        height +=
            kSectionGap + heading_h + 10 + rows * (s.cell_h + kCaptionGap + caption_h + kCellGap);
    }
    height += kMargin - kCellGap;

    Image sheet(kSheetWidth, height, kPaper);
    Writer write(sheet);
    int y = kMargin;
    write.text("Progress controls: every control and option", kMargin, y, kTitlePoints, kInk);
    y += title_h + 4;
    for (const Section& s : sections) {
        y += kSectionGap;
        write.text(s.name, kMargin, y, kHeadingPoints, kInk);
        y += heading_h + 3;
        fill_rect(sheet, kMargin, y, kSheetWidth - 2 * kMargin, 1, kRule);
        y += 7;
        // Rows are centred across the sheet.
        const int used = s.columns * s.cell_w + (s.columns - 1) * kCellGap;
        const int left = (kSheetWidth - used) / 2;
        for (std::size_t k = 0; k < s.tiles.size(); ++k) {
            const std::size_t i = s.tiles[k];
            const int col = static_cast<int>(k % s.columns);
            const int row = static_cast<int>(k / s.columns);
            const int cell_x = left + col * (s.cell_w + kCellGap);
            const int cell_y = y + row * (s.cell_h + kCaptionGap + caption_h + kCellGap);
            const Image& view = views[i];
            // Tiles sit on the bottom line of their cell, centred across it, so captions align.
            host::blit(sheet, view, cell_x + (s.cell_w - view.width) / 2,
                       cell_y + s.cell_h - view.height);
            const double centre = cell_x + s.cell_w / 2.0;
            const int caption_y = cell_y + s.cell_h + kCaptionGap;
            write.text(tiles[i].property, centre, caption_y, kCaptionPoints, kMuted, true);
            write.text(tiles[i].value, centre, caption_y + measure.line_height(kCaptionPoints),
                       kValuePoints, kInk, true);
        }
        const int rows = static_cast<int>((s.tiles.size() + s.columns - 1) / s.columns);
        y += rows * (s.cell_h + kCaptionGap + caption_h + kCellGap) - kCellGap;
    }
    return sheet;
}

}  // namespace qd::qdhost::demo
