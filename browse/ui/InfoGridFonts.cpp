#include "browse/ui/InfoGridFonts.h"

#include <QtMath>
#include <algorithm>

#include "controls/ui/DesignFonts.h"

namespace torvane {
namespace {

// The part of the em above the baseline in the design font (220 of its 256
// units): the substitute's texts sit on the same baseline, so that a line
// partly covered by the next one's background loses what it lost in the
// design.
constexpr qreal kDesignAscent = 220.0 / 256.0;

}  // namespace

InfoGridFonts::FontFace::FontFace(const QFont& font)
    : font(font),
      metrics(font),
      raw(QRawFont::fromFont(font)),
      height(font.pixelSize()),
      baseline(qRound(font.pixelSize() * kDesignAscent)) {}

bool InfoGridFonts::FontFace::Glyphs(const QString& text, std::vector<Glyph>& glyphs) {
  glyphs.clear();
  for (const QChar c : text) {
    auto found = known.find(c.unicode());
    if (found == known.end()) {
      std::optional<Glyph> glyph;
      const QList<quint32> index = raw.glyphIndexesForString(QString(c));
      if (!c.isSurrogate() && index.size() == 1 && index[0] != 0)
        glyph = Glyph{index[0], raw.advancesForGlyphIndexes(index, QRawFont::UseDesignMetrics).value(0).x()};
      found = known.emplace(c.unicode(), glyph).first;
    }
    if (!found->second) return false;
    glyphs.push_back(*found->second);
  }
  return true;
}

InfoGridFonts::FontFace& InfoGridFonts::Face(FontSpec font) const {
  const auto key = std::make_pair(font.points, font.bold);
  auto found = faces_.find(key);
  if (found == faces_.end()) {
    // Pixel sizes, not point sizes: the cell layout is in pixels of a 96-dpi
    // screen whatever the device's resolution.
    found = faces_.emplace(key, FontFace(DesignFont(kGothicFace, PointsToPixels(font.points), font.bold))).first;
  }
  return found->second;
}

int InfoGridFonts::Width(const QString& text, FontSpec font) const {
  FontFace& face = Face(font);
  if (!face.Glyphs(text, glyphs_)) return qRound(face.metrics.horizontalAdvance(text));
  qreal width = 0;
  for (const Glyph& glyph : glyphs_) width += glyph.advance;
  return qRound(width);
}

int InfoGridFonts::Height(FontSpec font) const { return Face(font).height; }

int InfoGridFonts::DrawnLineHeight(FontSpec font) const {
  const FontFace& face = Face(font);
  return std::max(face.height, qCeil(face.metrics.ascent() + face.metrics.descent()));
}

TextExtent InfoGridFonts::Measure(std::string_view utf8, FontSpec font) const {
  return {Width(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())), font), Height(font)};
}

void InfoGridFonts::Draw(QPainter& painter, QPoint at, const QString& text, FontSpec font) const {
  FontFace& face = Face(font);
  const int baseline = at.y() + face.baseline;
  if (!face.Glyphs(text, glyphs_)) {
    painter.setFont(face.font);
    painter.drawText(QPoint(at.x(), baseline), text);
    return;
  }
  indexes_.clear();
  positions_.clear();
  qreal x = at.x();
  for (const Glyph& glyph : glyphs_) {
    indexes_.push_back(glyph.index);
    positions_.push_back(QPointF(x, baseline));
    x += glyph.advance;
  }
  QGlyphRun run;
  run.setRawFont(face.raw);
  run.setGlyphIndexes(indexes_);
  run.setPositions(positions_);
  painter.drawGlyphRun(QPointF(0, 0), run);
}

}  // namespace torvane
