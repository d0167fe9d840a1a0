#include "controls/button/tooltip.h"

#include <QBitmap>
#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <algorithm>

#include "controls/platform/exposed.h"
#include "controls/platform/fonts.h"

namespace tavolora::controls {

namespace {

// The tip's measures, in pixels.
constexpr int kMaxTextWidth = 300;  // longer texts wrap at word boundaries
constexpr int kIconSize = 16;
constexpr int kIconGap = 5;       // between the title icon and the title
constexpr int kStandardPadX = 3;  // inside the frame of the plain rectangle
constexpr int kStandardPadY = 2;
constexpr int kStandardTitleGap = 2;  // between the title row and the text
constexpr int kBalloonPad = 8;        // inside the outline of the balloon
constexpr int kBalloonTitleGap = 4;
constexpr int kCorner = 8;       // the balloon's corner radius
constexpr int kStemHeight = 12;  // from the body's edge to the stem's point
constexpr int kStemBase = 14;    // the stem's width where it meets the body
constexpr int kStemInset = 16;   // the stem's point from the body's left edge, where the screen allows
// The tip keeps clear of the pointer's arrow: its top (or the stem's point) lies this
// far below the pointer's hot spot, or, above the pointer, its bottom this far above.
constexpr int kBelowPointer = 20;
constexpr int kAbovePointer = 4;

QFont tip_font(bool bold) {
    return form_font(QStringLiteral("Tahoma"), 8, bold);
}

// The title icons: 1 information, 2 warning, 3 error; other numbers draw none.
bool has_glyph(int icon) {
    return icon >= 1 && icon <= 3;
}

void draw_glyph(QPainter& p, int icon, QPoint at) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(at);
    const QRectF disc(0.5, 0.5, kIconSize - 1, kIconSize - 1);
    switch (icon) {
        case 1:  // a blue disc with a white "i"
            p.setPen(QPen(QColor(24, 66, 150), 1));
            p.setBrush(QColor(52, 116, 206));
            p.drawEllipse(disc);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(8, 4.6), 1.5, 1.5);
            p.drawRoundedRect(QRectF(6.8, 7, 2.4, 5.8), 0.8, 0.8);
            break;
        case 2: {  // an amber triangle with a black "!"
            const QPointF corners[3] = {{8, 0.8}, {15.3, 14.8}, {0.7, 14.8}};
            p.setPen(QPen(QColor(140, 96, 0), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(QColor(252, 206, 46));
            p.drawPolygon(corners, 3);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(24, 24, 24));
            p.drawRoundedRect(QRectF(7, 5, 2, 5.6), 0.7, 0.7);
            p.drawEllipse(QPointF(8, 12.4), 1.1, 1.1);
            break;
        }
        case 3:  // a red disc with a white cross
            p.setPen(QPen(QColor(136, 22, 18), 1));
            p.setBrush(QColor(214, 50, 40));
            p.drawEllipse(disc);
            p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(5.2, 5.2), QPointF(10.8, 10.8));
            p.drawLine(QPointF(10.8, 5.2), QPointF(5.2, 10.8));
            break;
        default:
            break;
    }
    p.restore();
}

// The tip's contents, measured: the title row (icon and bold title) and the text.
struct Contents {
    QSize title_row;  // empty without a title row
    QSize text;
    int gap = 0;  // between the two
    QSize size() const {
        return {std::max(title_row.width(), text.width()), title_row.height() + gap + text.height()};
    }
};

Contents measure(const TooltipWindow& built, bool balloon) {
    Contents c;
    if (built.title_sent) {
        const QFontMetrics bold(tip_font(true));
        const int title_width = built.title.isEmpty() ? 0 : bold.horizontalAdvance(built.title);
        const int icon_width = has_glyph(built.icon) ? kIconSize + (title_width > 0 ? kIconGap : 0) : 0;
        const int height =
            std::max(has_glyph(built.icon) ? kIconSize : 0, title_width > 0 ? bold.height() : 0);
        c.title_row = QSize(icon_width + title_width, height);
    }
    const QFontMetrics plain(tip_font(false));
    c.text =
        plain.boundingRect(QRect(0, 0, kMaxTextWidth, 100000), Qt::AlignLeft | Qt::TextWordWrap, built.text)
            .size();
    if (!c.title_row.isEmpty() && !c.text.isEmpty()) c.gap = balloon ? kBalloonTitleGap : kStandardTitleGap;
    return c;
}

}  // namespace

TipWindow::TipWindow(QWidget* owner, const TooltipWindow& built, Colour text_colour, Colour back_colour)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput),
      owner_(owner),
      built_(built),
      text_colour_(text_colour),
      back_colour_(back_colour) {
    // The tip never takes the focus or the mouse: the pointer over it stays over the
    // button beneath, so the tip does not chase itself away.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    delay_.setSingleShot(true);
    delay_.setInterval(ButtonTooltip::kHoverDelayMs);
    connect(&delay_, &QTimer::timeout, this, [this] {
        if (owner_ && owner_->isVisible() && !put_away_) pop_up(QCursor::pos());
    });
    if (owner) owner->installEventFilter(this);
    const Contents c = measure(built_, balloon());
    const int pad_x = balloon() ? kBalloonPad : kStandardPadX;
    const int pad_y = balloon() ? kBalloonPad : kStandardPadY;
    const QSize inside = c.size();
    body_ = QRect(0, 0, inside.width() + 2 * pad_x + 2, inside.height() + 2 * pad_y + 2);
    if (balloon()) body_.setWidth(std::max(body_.width(), 2 * kCorner + kStemBase + 2));
    resize(body_.width(), body_.height() + (balloon() ? kStemHeight : 0));
}

void TipWindow::arm() {
    put_away_ = false;
    hide();
    if (!built_.text.isEmpty()) delay_.start();
}

void TipWindow::disarm() {
    delay_.stop();
    hide();
}

void TipWindow::pop_up(QPoint pointer) {
    delay_.stop();
    if (built_.text.isEmpty()) return;
    const QScreen* screen = QGuiApplication::screenAt(pointer);
    if (!screen && owner_) screen = owner_->screen();
    const QRect room =
        screen ? screen->availableGeometry() : QRect(pointer - QPoint(4096, 4096), QSize(8192, 8192));
    const int w = width();
    const int h = height();
    // Below the pointer, unless the screen ends first.
    stem_up_ =
        pointer.y() + kBelowPointer + h - 1 <= room.bottom() || pointer.y() - kAbovePointer - h < room.top();
    const int top = stem_up_ ? pointer.y() + kBelowPointer : pointer.y() - kAbovePointer - h;
    // The plain tip starts at the pointer's column; the balloon's stem points at it.
    int left = balloon() ? pointer.x() - kStemInset : pointer.x();
    left = std::max(room.left(), std::min(left, room.right() + 1 - w));
    const int stem_x = std::clamp(pointer.x() - left, kCorner, std::max(kCorner, w - kCorner - kStemBase));
    render(stem_x);
    move(left, top);
    show();
    update();
}

void TipWindow::render(int stem_x) {
    const bool up = stem_up_;
    if (balloon()) body_.moveTop(up ? kStemHeight : 0);
    picture_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    picture_.fill(Qt::transparent);
    QPainter p(&picture_);
    const QColor ink = to_qcolor(text_colour_);
    const QColor ground = to_qcolor(back_colour_);
    // The shape is drawn without smoothing, so that its pixels are exactly those of
    // the window's outline.
    p.setRenderHint(QPainter::Antialiasing, false);
    if (balloon()) {
        QPainterPath shape;
        const QRectF body = QRectF(body_).adjusted(0.5, 0.5, -0.5, -0.5);
        shape.addRoundedRect(body, kCorner, kCorner);
        // The stem: a vertical side over the pointer's column and a slanted one; its
        // base reaches into the body so that the two outlines join.
        const double x = stem_x + 0.5;
        const double point_y = up ? 0.0 : height();
        const double base_y = up ? body.top() + 2 : body.bottom() - 2;
        QPainterPath stem;
        stem.moveTo(x, point_y);
        stem.lineTo(x + kStemBase, base_y);
        stem.lineTo(x, base_y);
        stem.closeSubpath();
        shape = shape.united(stem);
        p.fillPath(shape, ground);
        p.strokePath(shape, QPen(ink, 1));
    } else {
        p.fillRect(body_, ground);
        p.setPen(QPen(ink, 1));
        p.drawRect(body_.adjusted(0, 0, -1, -1));
    }

    const Contents c = measure(built_, balloon());
    const int pad_x = balloon() ? kBalloonPad : kStandardPadX;
    const int pad_y = balloon() ? kBalloonPad : kStandardPadY;
    QPoint at = body_.topLeft() + QPoint(1 + pad_x, 1 + pad_y);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(ink);
    icon_rect_ = QRect();
    if (!c.title_row.isEmpty()) {
        int x = at.x();
        if (has_glyph(built_.icon)) {
            icon_rect_ = QRect(x, at.y() + (c.title_row.height() - kIconSize) / 2, kIconSize, kIconSize);
            draw_glyph(p, built_.icon, icon_rect_.topLeft());
            x += kIconSize + kIconGap;
        }
        if (!built_.title.isEmpty()) {
            p.setFont(tip_font(true));
            p.drawText(QRect(x, at.y(), body_.right() - x, c.title_row.height()),
                       Qt::AlignLeft | Qt::AlignVCenter, built_.title);
        }
        at.ry() += c.title_row.height() + c.gap;
    }
    p.setFont(tip_font(false));
    p.drawText(QRect(at, c.text), Qt::AlignLeft | Qt::TextWordWrap, built_.text);
    p.end();

    if (balloon())
        setMask(QBitmap::fromImage(picture_.createAlphaMask()));
    else
        clearMask();
}

bool TipWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == owner_) {
        switch (event->type()) {
            case QEvent::MouseMove:
                // The tip waits for the pointer to rest.
                if (delay_.isActive()) delay_.start();
                break;
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                put_away_ = true;
                disarm();
                break;
            case QEvent::Leave:
            case QEvent::Hide:
                disarm();
                break;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TipWindow::paintEvent(QPaintEvent* event) {
    // Outside the balloon's outline the picture is clear; the window's mask leaves
    // those pixels out of the window.
    QPainter p(this);
    paint_exposed(p, event->region(), picture_);
}

// --- The button's tooltip -------------------------------------------------------

ButtonTooltip::~ButtonTooltip() {
    delete tip_.data();
}

void ButtonTooltip::build(QWidget* owner, const TooltipSettings& settings, const SystemColours& colours) {
    delete tip_.data();
    TooltipWindow window;
    window.style = settings.type == 1 ? 3 | TipWindow::kBalloon : 3;
    window.text = settings.text;
    window.title = settings.title;
    window.icon = settings.icon;
    window.title_sent = !settings.title.isEmpty() || settings.icon != 0;
    if (settings.fore != 0) window.fore = colours.translate(settings.fore);
    if (settings.back != 0) window.back = colours.translate(settings.back);
    if (owner) window.area = owner->rect();
    window_ = window;
    // Where a colour was not sent the tip keeps the system's tooltip colour.
    tip_ = new TipWindow(owner, window, window.fore.value_or(colours.get(kColorInfoText)),
                         window.back.value_or(colours.get(kColorInfoBk)));
    tip_->arm();
}

void ButtonTooltip::leave() {
    if (tip_) tip_->disarm();
}

}  // namespace tavolora::controls
