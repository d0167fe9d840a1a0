// The one declaration of a control's stored properties: reading, writing and the
// change notices' names all follow from a control's rows.
#include <gtest/gtest.h>

#include <optional>

#include "controls/platform/fonts.h"
#include "controls/platform/stored_properties.h"
#include "tests/support/qt_printers.h"

namespace tavolora::controls {
namespace {

// A control with one property of each kind the controls store.
struct Sample {
    int style = 0;
    qint16 height = 0;
    qint16 angle = 0;
    std::uint32_t colour = 0;
    bool shown = false;
    float scale = 0;
    QString caption;
    std::optional<QFont> font;
    int tip = 0;

    template <class Self, class Row>
    static void rows(Self& self, Row&& row) {
        row({"iStyle", "Style"}, self.style, 3, kAsRead);
        row("Height", self.height, qint16{18}, kAsRead);
        row("Angle", clamped(self.angle), 180, kAsRead);
        row("Colour", self.colour, std::uint32_t{0x8000000Fu}, kAsRead);
        row("Shown", self.shown, true, kAsRead);
        row("Scale", self.scale, 0.0F, kAsRead);
        row("Caption", self.caption, QStringLiteral("Sample"), kAsRead);
        row("Font", self.font, form_font(QStringLiteral("Verdana"), 8.25), kAsRead);
        row({"ttTip", "Tip"}, self.tip, 1, kWrittenAlways);
    }
    void read(const PropertyBag& bag) { rows(*this, StoreReader{bag}); }
    void write(PropertyBag& bag) const { rows(*this, StoreWriter{bag}); }
    const char* notice(const void* member) {
        return names_of(member, [this](auto&& row) { rows(*this, row); }).notice;
    }
};

TEST(StoredProperties, AnEmptyStoreGivesTheReadingDefaultsAndOnlyTheAlwaysWrittenComeBack) {
    Sample s;
    s.read(PropertyBag());
    EXPECT_EQ(s.style, 3);
    EXPECT_EQ(s.height, 18);
    EXPECT_EQ(s.angle, 180);
    EXPECT_EQ(s.colour, 0x8000000Fu);
    EXPECT_TRUE(s.shown);
    EXPECT_EQ(s.caption, QStringLiteral("Sample"));
    ASSERT_TRUE(s.font.has_value());
    EXPECT_EQ(*s.font, form_font(QStringLiteral("Verdana"), 8.25));
    EXPECT_EQ(s.tip, 1);
    PropertyBag bag;
    s.write(bag);
    EXPECT_EQ(bag.size(), 1);
    EXPECT_EQ(bag.read(QStringLiteral("ttTip"), qint64(0)), PropertyValue(qint64(1)));

    // A member that holds no font is written as its reading default: nothing stored.
    s.font.reset();
    PropertyBag again;
    s.write(again);
    EXPECT_FALSE(again.holds(QStringLiteral("Font")));
}

TEST(StoredProperties, ValuesComeBackUnderTheStoresSpellingInTheirMembersWidth) {
    PropertyBag bag;
    bag.write_always(QStringLiteral("ISTYLE"), qint64(7));  // any letter case
    bag.write_always(QStringLiteral("Height"), qint64(65536 + 20));
    bag.write_always(QStringLiteral("Angle"), qint64(40000));
    bag.write_always(QStringLiteral("Colour"), qint64(0x00123456));
    bag.write_always(QStringLiteral("Shown"), qint64(0));     // a number where a flag is kept
    bag.write_always(QStringLiteral("Scale"), qint64(2));     // and where a fraction is
    bag.write_always(QStringLiteral("Caption"), qint64(5));   // a value of the wrong kind: the default
    bag.write_always(QStringLiteral("ttTip"), qint64(3));
    Sample s;
    s.read(bag);
    EXPECT_EQ(s.style, 7);
    EXPECT_EQ(s.height, 20);     // the low bits
    EXPECT_EQ(s.angle, 32767);   // clamped
    EXPECT_EQ(s.colour, 0x00123456u);
    EXPECT_FALSE(s.shown);
    EXPECT_EQ(s.scale, 2.0F);
    EXPECT_EQ(s.caption, QStringLiteral("Sample"));
    EXPECT_EQ(s.tip, 3);

    PropertyBag out;
    s.write(out);
    EXPECT_EQ(out.read(QStringLiteral("iStyle"), qint64(0)), PropertyValue(qint64(7)));
    EXPECT_EQ(out.read(QStringLiteral("Angle"), qint64(0)), PropertyValue(qint64(32767)));
    EXPECT_EQ(out.read(QStringLiteral("Shown"), true), PropertyValue(false));
    EXPECT_EQ(out.read(QStringLiteral("Scale"), 0.0), PropertyValue(2.0));
    EXPECT_FALSE(out.holds(QStringLiteral("Caption")));
    EXPECT_FALSE(out.holds(QStringLiteral("Style")));  // the notice's spelling is never stored
}

TEST(StoredProperties, ASettersNoticeCarriesItsRowsNoticeName) {
    Sample s;
    EXPECT_STREQ(s.notice(&s.style), "Style");
    EXPECT_STREQ(s.notice(&s.angle), "Angle");
    EXPECT_STREQ(s.notice(&s.font), "Font");
    EXPECT_STREQ(s.notice(&s.tip), "Tip");
}

}  // namespace
}  // namespace tavolora::controls
