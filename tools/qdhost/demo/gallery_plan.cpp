#include "tools/qdhost/demo/gallery_plan.h"

#include <cstdint>
#include <initializer_list>

namespace qd::qdhost::demo {

namespace {

// An enumeration member: its value and its name in the control's type library.
struct Member {
    std::int32_t value;
    const char* name;
};

// The fill styles, shared by all three controls.
constexpr Member kFillStyles[] = {
    {0, "Solid"},          {1, "Transparent"},      {2, "HorizontalLine"}, {3, "VerticalLine"},
    {4, "UpwardDiagonal"}, {5, "DownwardDiagonal"}, {6, "Cross"},          {7, "DiagonalCross"},
};

constexpr Member kFillTypes[] = {
    {0, "pSingleColor"}, {1, "p2ColorGradient"}, {2, "p3ColorGradient"}, {3, "pRandom"}};
constexpr Member kLabelTypes[] = {{0, "pValueOnly"}, {1, "pFraction"}, {2, "pPercent"}};
constexpr Member kPieLabelPositions[] = {{0, "pNone"},    {1, "pUpLeft"},   {2, "pUpRight"},
                                         {3, "pLowLeft"}, {4, "pLowRight"}, {5, "pCenter"}};
constexpr Member kBarLabelPositions[] = {{0, "pNone"}, {1, "pLeft"}, {2, "pRight"}, {3, "pCenter"}};
constexpr Member kBorderStyles[] = {{0, "pFlat"}, {1, "p3D"}};

constexpr Member kSingleFillTypes[] = {{0, "ppSingleColor"}, {1, "ppGradient"}};
constexpr Member kSingleLabelTypes[] = {{0, "ppValue"}, {1, "ppFraction"}, {2, "ppPercent"}};
constexpr Member kSingleLabelPositions[] = {{0, "ppNone"},    {1, "ppUpLeft"},   {2, "ppUpRight"},
                                            {3, "ppLowLeft"}, {4, "ppLowRight"}, {5, "ppCenter"}};

// Extents in twips (15 a pixel).
constexpr host::ControlExtent kPieExtent{2100, 2100};
constexpr host::ControlExtent kBarExtent{3900, 450};

// One control class's tiles, named "<prefix>-<what>-<value>.png".
class SectionBuilder {
  public:
    SectionBuilder(std::vector<Tile>& tiles, std::string section, std::string prefix,
                   std::string progid, host::ControlExtent extent)
        : tiles_(tiles),
          section_(std::move(section)),
          prefix_(std::move(prefix)),
          progid_(std::move(progid)),
          extent_(extent) {}

    void add(const std::string& what, const std::string& property, const std::string& value,
             std::vector<Setting> settings, const host::ControlExtent* extent = nullptr) {
        tiles_.push_back(Tile{prefix_ + "-" + what + ".png", section_, property, value, progid_,
                              extent ? *extent : extent_, std::move(settings)});
    }

    // A tile per member of an enumerated property, with `extra` settings applied first.
    template <std::size_t N>
    void each(const char* slug, const char* property, const Member (&members)[N],
              std::initializer_list<Setting> extra = {}) {
        for (const Member& m : members) {
            std::vector<Setting> settings(extra);
            settings.push_back({property, Variant(m.value)});
            add(std::string(slug) + "-" + m.name, property, m.name, std::move(settings));
        }
    }

    // The fill styles by number and name: "fillstyle-4-UpwardDiagonal".
    void fill_styles(std::initializer_list<Setting> extra) {
        for (const Member& m : kFillStyles) {
            std::vector<Setting> settings(extra);
            settings.push_back({"FillStyle", Variant(m.value)});
            add("fillstyle-" + std::to_string(m.value) + "-" + m.name,
                "FillStyle " + std::to_string(m.value), m.name, std::move(settings));
        }
    }

  private:
    std::vector<Tile>& tiles_;
    std::string section_, prefix_, progid_;
    host::ControlExtent extent_;
};

// Hatches show best over one plain colour: the gaps of a hatch keep the background.
// The label turns dark there, and where it stands beside the fill: the default yellow is
// hard to read on light grey.
const Setting kPlainFill{"FillType", Variant(std::int32_t{0})};
const Setting kMidBlue{"FillColorStart", Variant(std::int32_t{0xD08040})};
const Setting kSingleMidBlue{"StartColor", Variant(std::int32_t{0xD08040})};
const Setting kDarkLabel{"LabelColor", Variant(std::int32_t{0x202020})};
// Red to green, on which dark text reads well everywhere.
const Setting kWarmFill{"FillType", Variant(std::int32_t{1})};

void pie_tiles(std::vector<Tile>& tiles) {
    SectionBuilder pie(tiles, "qdProgressPie", "pie", kPieProgId, kPieExtent);
    pie.add("default", "new control", "defaults", {});
    pie.each("fill", "FillType", kFillTypes);
    pie.fill_styles({kPlainFill, kMidBlue, kDarkLabel});
    pie.each("label", "LabelType", kLabelTypes);
    pie.each("position", "LabelPosition", kPieLabelPositions,
             {{"LabelSize", Variant(std::int16_t{12})}, kWarmFill, kDarkLabel});
    pie.add("border-hidden", "BorderShow", "False", {{"BorderShow", Variant::boolean(false)}});
    pie.add("border-wide", "BorderWidth", "4, dark grey",
            {{"BorderWidth", Variant(4.0f)}, {"BorderColor", Variant(std::int32_t{0x404040})}});
}

void pie_extent_tiles(std::vector<Tile>& tiles) {
    // The pie follows its extent: a circle in a square, an ellipse otherwise.
    static constexpr host::ControlExtent kWide{3000, 1500}, kTall{1500, 2400}, kFlat{3300, 900},
        kSmall{900, 900};
    SectionBuilder pie(tiles, "qdProgressPie at other extents", "pie", kPieProgId, kPieExtent);
    pie.add("aspect-wide", "extent", "200 x 100 px", {}, &kWide);
    pie.add("aspect-tall", "extent", "100 x 160 px", {}, &kTall);
    pie.add("aspect-flat", "extent", "220 x 60 px", {{"LabelSize", Variant(std::int16_t{10})}},
            &kFlat);
    pie.add("aspect-small", "extent", "60 x 60 px", {{"LabelSize", Variant(std::int16_t{8})}},
            &kSmall);
}

void bar_tiles(std::vector<Tile>& tiles) {
    SectionBuilder bar(tiles, "qdProgressBar", "bar", kBarProgId, kBarExtent);
    bar.add("default", "new control", "defaults", {});
    bar.each("frame", "BorderStyle", kBorderStyles);
    bar.each("fill", "FillType", kFillTypes);
    bar.fill_styles({kPlainFill, kMidBlue, kDarkLabel});
    bar.each("label", "LabelType", kLabelTypes);
    bar.each("position", "LabelPosition", kBarLabelPositions, {kWarmFill, kDarkLabel});
}

void single_pie_tiles(std::vector<Tile>& tiles) {
    SectionBuilder single(tiles, "qdxProgressPie", "singlepie", kSinglePieProgId, kPieExtent);
    single.add("default", "new control", "defaults", {});
    single.each("fill", "FillType", kSingleFillTypes);
    single.fill_styles({{"FillType", Variant(std::int32_t{0})}, kSingleMidBlue, kDarkLabel});
    single.each("label", "LabelType", kSingleLabelTypes);
    single.each("position", "LabelPosition", kSingleLabelPositions,
                {{"LabelSize", Variant(std::int16_t{12})}, kDarkLabel});
}

}  // namespace

std::vector<Tile> gallery_tiles() {
    std::vector<Tile> tiles;
    pie_tiles(tiles);
    pie_extent_tiles(tiles);
    bar_tiles(tiles);
    single_pie_tiles(tiles);
    return tiles;
}

}  // namespace qd::qdhost::demo
