#include "screens/parts.h"

#include <QMouseEvent>
#include <QPixmap>

#include "controls/factory.h"
#include "controls/platform/fonts.h"
#include "setup/icon_bar.h"
#include "storage/host_path.h"

namespace tavolora::screens {

namespace {
// The icons are 48 pixels a side.
constexpr float kIconTwips = setup::IconBar::kIconSide;
}  // namespace

QFont screen_font(double points, bool bold) {
    return controls::form_font(QStringLiteral("Comic Sans MS"), points, bold);
}

controls::Panel* titled_panel(ScreenContext& context, const QString& name, QWidget* parent) {
    controls::PropertyBag bag;
    bag.write_always(QStringLiteral("RoundedCorners"), qint64(5));
    bag.write_always(QStringLiteral("TitleHeight"), qint64(20));
    bag.write_always(QStringLiteral("Font"), screen_font(8.25, true));
    QWidget* widget = controls::create_control(controls::ControlClass::Panel, context.host, name, bag, parent);
    widget->setObjectName(name);
    return qobject_cast<controls::Panel*>(widget);
}

controls::GradContainer* screen_background(ScreenContext& context, const QString& name, std::uint32_t colour,
                                           QWidget* parent, BackgroundLook look) {
    // What each look stores beside the colours; the others keep their defaults. The
    // lighter colour is white in both: the screens take it from the main menu's.
    struct Stored {
        qint64 angle;
        bool middle_out;
        std::uint32_t border_colour;
        qint64 border;
    };
    const Stored stored = look == BackgroundLook::Menu ? Stored{60, true, 0x00FFFFFF, 4}
                                                       : Stored{0, false, 0x00C00000, 0};
    controls::PropertyBag bag;
    bag.write_always(QStringLiteral("BackAngle"), stored.angle);
    bag.write_always(QStringLiteral("BackMiddleOut"), stored.middle_out);
    bag.write_always(QStringLiteral("BackColor1"), qint64(0x00FFFFFF));
    bag.write_always(QStringLiteral("BackColor2"), qint64(colour));
    bag.write_always(QStringLiteral("BorderColor"), qint64(stored.border_colour));
    bag.write_always(QStringLiteral("BorderThickness"), stored.border);
    bag.write_always(QStringLiteral("Curvature"), qint64(0));
    bag.write_always(QStringLiteral("HeaderVisible"), false);
    bag.write_always(QStringLiteral("Caption"), QString());
    bag.write_always(QStringLiteral("IconSize"), qint64(0));
    QWidget* widget =
        controls::create_control(controls::ControlClass::GradContainer, context.host, name, bag, parent);
    widget->setObjectName(name);
    return qobject_cast<controls::GradContainer*>(widget);
}

controls::ThemeButton* command_button(ScreenContext& context, const QString& name, const QString& caption,
                                      QWidget* parent) {
    controls::PropertyBag stored;
    stored.write_always(QStringLiteral("Style"), qint64(kCommandButtonStyle));
    stored.write_always(QStringLiteral("Caption"), caption);
    stored.write_always(QStringLiteral("Font"), screen_font(8.25));
    QWidget* widget =
        controls::create_control(controls::ControlClass::ThemeButton, context.host, name, stored, parent);
    widget->setObjectName(name);
    return qobject_cast<controls::ThemeButton*>(widget);
}

QPixmap icon_picture(const ScreenContext& context, const storage::icons::IconFile& icon) {
    const std::string path = storage::icons::path(context.program_folder, icon);
    QPixmap picture(QString::fromStdString(storage::host_path(path).string()));
    return picture;
}

MousePicture::MousePicture(QWidget* parent) : QLabel(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
}

void MousePicture::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    if (moved) moved();
}

void MousePicture::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (pressed) pressed();
}

void MousePicture::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    // The picture may have moved under the mouse while it was pressed.
    const bool over = rect().contains(event->position().toPoint());
    if (released) released();
    if (over && event->button() == Qt::LeftButton && clicked) clicked();
}

MousePicture* icon_image(const ScreenContext& context, const storage::icons::IconFile& icon, const QString& name,
                         QWidget* parent) {
    auto* picture = new MousePicture(parent);
    picture->setObjectName(name);
    picture->setPixmap(icon_picture(context, icon));
    picture->resize(context.twips.x(kIconTwips), context.twips.y(kIconTwips));
    picture->setCursor(Qt::PointingHandCursor);
    return picture;
}

QLabel* screen_label(QWidget* parent, double points, Qt::Alignment alignment, bool bold) {
    auto* label = new QLabel(parent);
    label->setFont(screen_font(points, bold));
    label->setAlignment(alignment);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    return label;
}

void show_text(QLabel* label, const std::string& text) {
    const QString now = QString::fromStdString(text);
    if (label->text() != now) label->setText(now);
}

void show_geometry(QWidget* widget, const QRect& geometry) {
    if (widget->geometry() != geometry) widget->setGeometry(geometry);
}

void show_visible(QWidget* widget, bool visible) {
    if (widget->isVisibleTo(widget->parentWidget()) != visible) widget->setVisible(visible);
}

void show_enabled(QWidget* widget, bool enabled) {
    if (widget->isEnabled() != enabled) widget->setEnabled(enabled);
}

}  // namespace tavolora::screens
