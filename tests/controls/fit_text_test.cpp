// A name fitted to its box: whole in the box's font, else in the largest smaller
// font down to 8 points, over more lines where the box has them (between words,
// never inside one), and only past the least font shortened with "…" on one line.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <cmath>

#include "controls/platform/fit_text.h"
#include "controls/platform/fonts.h"
#include "tests/support/qt_printers.h"

namespace tavolora::controls {
namespace {

QFont sans(int pixels, bool bold = false) {
    QFont font = form_font(QStringLiteral("Verdana"), 8.25, bold);
    font.setPixelSize(pixels);
    return font;
}

qreal width_of(const QString& text, const QFont& font) { return QFontMetricsF(font).horizontalAdvance(text); }

// Every line of a fitted text within the room's width.
void expect_within(const FittedText& fitted, QSize room) {
    for (const QString& line : fitted.text.split(QLatin1Char('\n')))
        EXPECT_LE(width_of(line.trimmed(), fitted.font), room.width()) << line.toStdString();
}

// Shortened with "…" on one line, at the least font, within the room.
void expect_shortened_on_one_line(const FittedText& fitted, QSize room) {
    EXPECT_TRUE(fitted.shortened);
    EXPECT_EQ(fitted.font.pixelSize(), 11);
    EXPECT_FALSE(fitted.text.contains(QLatin1Char('\n')));
    EXPECT_TRUE(fitted.text.endsWith(QChar(0x2026)));
    expect_within(fitted, room);
}

TEST(FitText, ATextThatFitsKeepsItsFontAndLosesOnlyItsPadding) {
    const QFont font = sans(13);
    const FittedText fitted = fit_text(QStringLiteral("Anna          "), font, QSize(200, 20));
    EXPECT_EQ(fitted.text, QStringLiteral("Anna"));
    EXPECT_EQ(fitted.font, font);
    EXPECT_FALSE(fitted.shortened);
    EXPECT_EQ(fit_text(QStringLiteral("   "), font, QSize(200, 20)).text, QString());
}

TEST(FitText, ATooWideTextTakesTheLargestSmallerFontThatHoldsIt) {
    const QString name = QStringLiteral("WWWWWWWWWWWWWW");
    const QSize room(static_cast<int>(std::ceil(width_of(name, sans(12)))), 20);
    ASSERT_GT(width_of(name, sans(13)), room.width());
    const FittedText fitted = fit_text(name, sans(19), room);
    EXPECT_EQ(fitted.text, name);
    EXPECT_EQ(fitted.font.pixelSize(), 12);
    EXPECT_FALSE(fitted.shortened);
    // A font given in points shrinks as well, keeping its family and weight.
    QFont points = sans(13, true);
    points.setPointSizeF(14.25);
    const FittedText bold = fit_text(name, points, room);
    EXPECT_TRUE(bold.font.bold());
    EXPECT_LE(width_of(name, bold.font), room.width());
}

TEST(FitText, PastTheLeastFontTheTextIsShortenedWithAnEllipsis) {
    EXPECT_EQ(least_fitted_pixel_size(), 11);  // 8 points at 96 dots an inch
    const QString name = QStringLiteral("WWWWWWWWWWWWWWWWWWWW");
    const QSize room(100, 16);
    const FittedText fitted = fit_text(name, sans(13), room);
    EXPECT_EQ(fitted.font.pixelSize(), 11);
    EXPECT_TRUE(fitted.shortened);
    EXPECT_TRUE(fitted.text.endsWith(QChar(0x2026)));
    EXPECT_TRUE(name.startsWith(fitted.text.chopped(1)));
    expect_within(fitted, room);

    // A font already below the least is never made larger: it is shortened as it is.
    const FittedText small = fit_text(name, sans(9), room);
    EXPECT_EQ(small.font.pixelSize(), 9);
    EXPECT_TRUE(small.shortened);
}

TEST(FitText, OnMoreLinesWordsStayWholeBeforeAnyWordIsBroken) {
    const QFont font = sans(13, true);
    // Two words on two lines at the box's own font; the blank stays at the line's end.
    const QString two = QStringLiteral("Quattordici ab");
    const QSize narrow(static_cast<int>(std::ceil(width_of(QStringLiteral("Quattordici"), font))), 40);
    const FittedText words = fit_text(two, font, narrow, 2);
    EXPECT_EQ(words.text, QStringLiteral("Quattordici \nab"));
    EXPECT_EQ(words.font, font);
    EXPECT_EQ(QString(words.text).remove(QLatin1Char('\n')), two);

    // One word that fits one line at a smaller font is not broken at a larger one.
    const QString one = QStringLiteral("Massimilianone");
    const QSize room(static_cast<int>(std::ceil(width_of(one, sans(11, true)))), 40);
    const FittedText whole = fit_text(one, font, room, 2);
    EXPECT_EQ(whole.text, one);
    EXPECT_EQ(whole.font.pixelSize(), 11);

    // A word no font holds on one line is never cut over two: it is shortened on one
    // line at the least font, as a name is wherever it has one line.
    const QString wide = QStringLiteral("WWWWWWWWWWWWWW");
    const QSize box(static_cast<int>(std::ceil(width_of(QStringLiteral("WWWWWWW"), sans(11, true)))), 41);
    const FittedText shortened = fit_text(wide, font, box, 2);
    EXPECT_EQ(shortened.text, fit_text(wide, font, box, 1).text);
    expect_shortened_on_one_line(shortened, box);
}

TEST(FitText, WordsTheLinesCannotHoldAreShortenedOnOneLine) {
    const QString name = QStringLiteral("WWWW WWWW WWWW WWWW");
    const QFont font = sans(13);
    // Room for two lines of five letters at the least font, not for four words.
    const QSize room(static_cast<int>(std::ceil(width_of(QStringLiteral("WWWWW"), sans(11)))),
                     static_cast<int>(std::ceil(QFontMetricsF(sans(11)).height() + QFontMetricsF(sans(11)).lineSpacing())));
    expect_shortened_on_one_line(fit_text(name, font, room, 3), room);
}

TEST(FitText, WidgetsShowANameAsItIsWithinTheirRoom) {
    const QFont font = sans(13);
    QLabel label;
    label.setFont(font);
    label.resize(60, 20);
    show_fitted(label, QStringLiteral("<b>Lia</b>"), font);
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
    EXPECT_EQ(label.text().left(3), QStringLiteral("<b>"));
    EXPECT_LE(width_of(label.text(), label.font()), label.contentsRect().width());
    // A shorter name later is drawn in the label's own font again.
    show_fitted(label, QStringLiteral("Lia"), font);
    EXPECT_EQ(label.font(), font);
    EXPECT_EQ(label.text(), QStringLiteral("Lia"));

    QRadioButton option;
    option.resize(120, 20);
    show_fitted(option, QStringLiteral("Gianni & Pinotto & Co."), font);
    EXPECT_TRUE(option.text().startsWith(QStringLiteral("Gianni && P"))) << option.text().toStdString();
    EXPECT_LE(width_of(QString(option.text()).replace(QStringLiteral("&&"), QStringLiteral("&")), option.font()),
              text_room(option).width());
    EXPECT_LT(text_room(option).width(), option.width());  // the mark takes its room

    // A text box keeps its text; its font shrinks to the least, then the box scrolls.
    QLineEdit box;
    box.resize(80, 22);
    box.setText(QStringLiteral("WWWWWW"));
    fit_font(box, font);
    EXPECT_LT(box.font().pixelSize(), 13);
    EXPECT_LE(width_of(box.text(), box.font()), text_room(box).width());
    box.setText(QStringLiteral("WWWWWWWWWWWWWWWWWWWW"));
    fit_font(box, font);
    EXPECT_EQ(box.font().pixelSize(), 11);
    EXPECT_EQ(box.text(), QStringLiteral("WWWWWWWWWWWWWWWWWWWW"));
}

}  // namespace
}  // namespace tavolora::controls
