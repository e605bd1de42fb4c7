#pragma once
// The fonts of the information grid: "ＭＳ ゴシック" in the few sizes and
// weights the cell drawing uses, and the text measure that gives the cell
// drawing the real widths and heights.
//
// The layout was made for a font whose text height is its em size (no
// leading) and whose half-width characters are exactly half an em wide:
// six lines of 11 and 12 pixels fill a 70-pixel row. The substitute face is
// as wide but its ascent and descent add up to more than its em, so texts
// are given the em as their height and set on the design font's baseline;
// widths are the fractional design advances, not advances
// rounded character by character.
//
// A full viewport holds over a thousand short texts. Shaping each of them
// twice (to measure, then to draw) costs several times the whole paint
// budget, so texts are laid out here from per-character glyphs and advances
// of the fixed-pitch font, kept per font once looked up; a text with a
// character the font lacks is left to Qt's own layout (font fallback).

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QString>
#include <map>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "browse/infogrid/InfoGridGeometry.h"
#include "browse/infogrid/InfoGridTextMeasure.h"

namespace torvane {

class InfoGridFonts final : public TextMeasure {
 public:
  // The width of a text as drawn, in whole pixels.
  int Width(const QString& text, FontSpec font) const;
  // The height of every text in the font: its em size in pixels.
  int Height(FontSpec font) const;
  TextExtent Measure(std::string_view utf8, FontSpec font) const override;
  // The substitute's ascent and descent, at least the em.
  int DrawnLineHeight(FontSpec font) const override;

  // Draws text with its top-left corner at `at`.
  void Draw(QPainter& painter, QPoint at, const QString& text, FontSpec font) const;

  const QFont& Font(FontSpec font) const { return Face(font).font; }

 private:
  struct Glyph {
    quint32 index = 0;
    qreal advance = 0;
  };
  struct FontFace {
    explicit FontFace(const QFont& font);
    // The glyphs of text, or nothing when the font lacks one of its characters.
    bool Glyphs(const QString& text, std::vector<Glyph>& glyphs);

    QFont font;
    QFontMetricsF metrics;
    QRawFont raw;
    int height;    // the em
    int baseline;  // from the top of the text
    std::unordered_map<char16_t, std::optional<Glyph>> known;
  };

  FontFace& Face(FontSpec font) const;

  mutable std::map<std::pair<int, bool>, FontFace> faces_;
  mutable std::vector<Glyph> glyphs_;
  mutable QList<quint32> indexes_;
  mutable QList<QPointF> positions_;
};

}  // namespace torvane
