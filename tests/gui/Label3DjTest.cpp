// TLabel3Dj: the angle rule, the rotated text's placement, the embossing
// passes and frames as drawn pixels, and the link behaviour.
#include <QEnterEvent>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "controls/ui/DesignFonts.h"
#include "controls/ui/Label3Dj.h"
#include "controls/ui/Label3DjRotation.h"

using torvane::TLabel3Dj;
using TextStyle = TLabel3Dj::TTextStyle;

namespace {

const QColor kBackground(255, 255, 255);
const QColor kText(0, 0, 0);
const QColor kShadow(0, 0, 200);
const QColor kHighlight(0, 180, 0);
const QColor kGreyText(150, 150, 150);

// A label whose every drawn pixel is one of the colours above: no
// antialiasing, a plain background, distinct shadow and highlight colours.
void PrepareForPixels(TLabel3Dj& label) {
  QFont font(QStringLiteral("IPAGothic"));
  font.setPixelSize(20);
  font.setStyleStrategy(QFont::NoAntialias);
  label.setFont(font);
  label.SetAutoSize(false);
  label.resize(120, 50);
  label.SetAlignment(TLabel3Dj::TAlignment::taCenter);
  label.SetLayout(TLabel3Dj::TTextLayout::tlCenter);
  label.SetColor(kBackground);
  label.SetFontColor(kText);
  QPalette palette = label.palette();
  palette.setColor(QPalette::Active, QPalette::Dark, kShadow);
  palette.setColor(QPalette::Active, QPalette::Light, kHighlight);
  palette.setColor(QPalette::Disabled, QPalette::WindowText, kGreyText);
  label.setPalette(palette);
  label.SetCaption(QStringLiteral("Ab漢字"));
}

QImage Render(TLabel3Dj& label) {
  QImage image(label.size(), QImage::Format_RGB32);
  image.fill(Qt::magenta);
  label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);  // no window background
  return image;
}

struct Pass {
  QPoint offset;
  QColor colour;
};

// What the label must look like: the passes in order, each a copy of the
// plain text's ink moved by its offset, then the text itself on top.
QImage Composed(const QImage& plain, const std::vector<Pass>& passes, const QColor& textColour) {
  const auto ink = [&plain](QPoint at) { return plain.rect().contains(at) && QColor(plain.pixel(at)) == kText; };
  QImage expected(plain.size(), QImage::Format_RGB32);
  for (int y = 0; y < plain.height(); ++y) {
    for (int x = 0; x < plain.width(); ++x) {
      const QPoint at(x, y);
      QColor colour = kBackground;
      for (const Pass& pass : passes) {
        if (ink(at - pass.offset)) colour = pass.colour;
      }
      if (ink(at)) colour = textColour;
      expected.setPixel(at, colour.rgb());
    }
  }
  return expected;
}

int Differences(const QImage& a, const QImage& b) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
  }
  return count;
}

QRect InkBounds(const QImage& image, const QColor& colour) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (QColor(image.pixel(x, y)) == colour) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

}  // namespace

class Label3DjTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { torvane::InstallFontSubstitutions(); }

  void EscapementIsKeptWithinAFullTurn() {
    TLabel3Dj label;
    const std::vector<std::pair<int, int>> cases = {{-30, 330}, {720, 360}, {400, 40},    {-360, 0},
                                                    {90, 90},   {361, 1},   {-3601, 359}, {360, 360}};
    for (const auto& [set, stored] : cases) {
      label.SetEscapement(set);
      QVERIFY2(label.Escapement() == stored, qPrintable(QStringLiteral("%1 -> %2").arg(set).arg(label.Escapement())));
    }
  }

  void RotatedTextStartsWhereItsBoxBegins() {
    struct Case {
      int degrees, dx, dy, width, height;
    };
    // Text 100 wide and 20 high.
    const std::vector<Case> cases = {
        {90, 0, 100, 20, 100}, {180, 100, 20, 100, 20}, {270, 20, 0, 20, 100},
        {45, 0, 70, 84, 84},   {135, 70, 84, 84, 84},   {315, 14, 0, 84, 84},
    };
    for (const Case& c : cases) {
      const auto placement = torvane::PlaceRotatedText(c.degrees, 100, 20);
      QVERIFY2(
          placement.dx == c.dx && placement.dy == c.dy && placement.width == c.width && placement.height == c.height,
          qPrintable(QStringLiteral("%1 degrees: %2,%3 %4x%5")
                         .arg(c.degrees)
                         .arg(placement.dx)
                         .arg(placement.dy)
                         .arg(placement.width)
                         .arg(placement.height)));
    }
  }

  void AutoSizedRotatedLabelTurnsItsBoxAndTextCounterClockwise() {
    TLabel3Dj label;
    PrepareForPixels(label);
    label.SetTextStyle(TextStyle::tsNone);
    label.SetCaption(QStringLiteral("l...."));
    label.SetAutoSize(true);
    const QSize upright = label.size();
    label.SetEscapement(90);
    QCOMPARE(label.size(), upright.transposed());

    // Turned counter-clockwise the text runs upwards: the tall first letter
    // lies across the bottom, the dots rise along the baseline side (right).
    const QImage image = Render(label);
    const QRect ink = InkBounds(image, kText);
    QVERIFY(!ink.isEmpty());
    QVERIFY(ink.width() < ink.height());
    const QRect topQuarter = InkBounds(image.copy(0, ink.top(), image.width(), ink.height() / 4), kText);
    QVERIFY(!topQuarter.isEmpty());
    QVERIFY(topQuarter.left() > ink.center().x());
  }

  void EmbossingPassesAreCopiesOfTheTextMovedByTheirOffsets() {
    struct Case {
      const char* name;
      TextStyle style;
      int shift;
      std::vector<Pass> passes;
    };
    const std::vector<Case> cases = {
        {"raised", TextStyle::tsRaised, 1, {{{1, 1}, kShadow}}},
        {"raised ignores shift", TextStyle::tsRaised, 3, {{{1, 1}, kShadow}}},
        {"light raised", TextStyle::tsLightRaised, 1, {{{1, 1}, kShadow}, {{-1, -1}, kHighlight}}},
        {"recessed", TextStyle::tsRecessed, 1, {{{1, 1}, kHighlight}}},
        {"heavy recessed", TextStyle::tsHeavyRecessed, 1, {{{1, 1}, kHighlight}, {{-1, -1}, kShadow}}},
        {"shadow 3", TextStyle::tsShadow, 3, {{{3, 3}, kShadow}}},
        {"shadow default", TextStyle::tsShadow, 1, {{{1, 1}, kShadow}}},
    };
    TLabel3Dj label;
    PrepareForPixels(label);
    label.SetTextStyle(TextStyle::tsNone);
    const QImage plain = Render(label);
    QVERIFY(!InkBounds(plain, kText).isEmpty());
    for (const Case& c : cases) {
      label.SetShift(c.shift);
      label.SetTextStyle(c.style);
      const int differences = Differences(Render(label), Composed(plain, c.passes, kText));
      QVERIFY2(differences == 0, qPrintable(QStringLiteral("%1: %2 pixels differ").arg(c.name).arg(differences)));
    }
  }

  void DisabledLabelKeepsItsEmbossingButGreysItsText() {
    TLabel3Dj label;
    PrepareForPixels(label);
    label.SetTextStyle(TextStyle::tsNone);
    const QImage plain = Render(label);
    label.SetTextStyle(TextStyle::tsLightRaised);
    label.setEnabled(false);
    QCOMPARE(Differences(Render(label), Composed(plain, {{{1, 1}, kShadow}, {{-1, -1}, kHighlight}}, kGreyText)), 0);
  }

  void FramesColourTheirEdges() {
    TLabel3Dj label;
    PrepareForPixels(label);
    label.SetCaption(QString());
    const QRgb grey = QColor(128, 128, 128).rgb();
    const QRgb white = QColor(255, 255, 255).rgb();
    const QRgb red = QColor(Qt::red).rgb();
    label.SetColor(QColor(10, 10, 10));
    const int right = label.width() - 1;
    const int bottom = label.height() - 1;

    QImage image = Render(label);
    QCOMPARE(image.pixel(0, 0), QColor(10, 10, 10).rgb());  // no frame unless asked

    label.SetBorder(true);
    image = Render(label);
    for (const QPoint at : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom), QPoint(40, 0)})
      QCOMPARE(image.pixel(at), red);
    QCOMPARE(image.pixel(1, 1), QColor(10, 10, 10).rgb());

    label.SetBorderType(TLabel3Dj::TBorderType::btRecessed);
    image = Render(label);
    QCOMPARE(image.pixel(40, 0), grey);
    QCOMPARE(image.pixel(0, 20), grey);
    QCOMPARE(image.pixel(40, bottom), white);
    QCOMPARE(image.pixel(right, 20), white);

    label.SetBorderType(TLabel3Dj::TBorderType::btRaised);
    image = Render(label);
    QCOMPARE(image.pixel(40, 0), white);
    QCOMPARE(image.pixel(right, 20), grey);

    label.SetBorderWidth(0);
    QCOMPARE(Render(label).pixel(40, 0), QColor(10, 10, 10).rgb());
  }

  void TransparentLabelLeavesItsBackgroundAlone() {
    TLabel3Dj label;
    PrepareForPixels(label);
    label.SetCaption(QString());
    label.SetTransparent(true);
    QCOMPARE(Render(label).pixel(5, 5), QColor(Qt::magenta).rgb());
  }

  void EllipsisTurnsAutoSizeOff() {
    TLabel3Dj label;
    QVERIFY(label.AutoSize());
    label.SetEllipsesStyle(TLabel3Dj::TEllipsesStyle::esEnd);
    QVERIFY(!label.AutoSize());
  }

  void LinkLabelHighlightsOnHoverAndOpensItsAddress() {
    TLabel3Dj label;
    label.SetFontColor(Qt::darkGreen);
    label.SetCaption(QStringLiteral("www.example.jp"));
    label.SetLabelStyle(TLabel3Dj::TLabelStyle::lsWWWAddress);
    label.SetAddress(QStringLiteral("www.example.jp"));
    std::vector<QUrl> opened;
    label.SetUrlOpener([&opened](const QUrl& url) {
      opened.push_back(url);
      return false;  // a failing opener is swallowed
    });
    QSignalSpy entered(&label, &TLabel3Dj::MouseEnter);
    QSignalSpy exited(&label, &TLabel3Dj::MouseExit);
    QSignalSpy clicked(&label, &TLabel3Dj::Click);

    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&label, &enter);
    QVERIFY(label.font().underline());
    QCOMPARE(label.FontColor(), QColor(Qt::red));
    QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(opened.size(), 1u);
    QCOMPARE(opened[0].toString(), QStringLiteral("http://www.example.jp"));
    QCOMPARE(clicked.count(), 1);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    QVERIFY(!label.font().underline());
    QCOMPARE(label.FontColor(), QColor(Qt::darkGreen));
    QCOMPARE(entered.count(), 1);
    QCOMPARE(exited.count(), 1);

    label.SetLabelStyle(TLabel3Dj::TLabelStyle::lsEMailAddress);
    label.SetAddress(QStringLiteral("info@example.jp"));
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(opened.back().toString(), QStringLiteral("mailto:info@example.jp"));

    label.SetAddress(QString());
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(opened.size(), 2u);
    QCOMPARE(clicked.count(), 3);
  }

  void PlainLabelReportsTheMouseButOpensNothing() {
    TLabel3Dj label;
    label.SetCaption(QStringLiteral("label"));
    label.SetAddress(QStringLiteral("www.example.jp"));
    int opened = 0;
    label.SetUrlOpener([&opened](const QUrl&) { return ++opened > 0; });
    QSignalSpy entered(&label, &TLabel3Dj::MouseEnter);
    QSignalSpy clicked(&label, &TLabel3Dj::Click);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&label, &enter);
    QTest::mouseClick(&label, Qt::LeftButton);
    QVERIFY(!label.font().underline());
    QCOMPARE(entered.count(), 1);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(opened, 0);
  }
};

QTEST_MAIN(Label3DjTest)
#include "Label3DjTest.moc"
