#pragma once

// The pieces the screens are made of: the program's own titled panel and gradient
// background (through the controls' factory), pictures from the Icons folder that
// answer the mouse, and labels in the screens' font.

#include <QLabel>
#include <QString>

#include <functional>
#include <string>

#include "controls/button/theme_button.h"
#include "controls/gradient_container/grad_container.h"
#include "controls/panel/panel.h"
#include "screens/screen.h"
#include "storage/icons.h"

namespace tavolora::screens {

// The screens' font: "Comic Sans MS", or the stand-in the machine has.
QFont screen_font(double points, bool bold = false);

// A titled panel with its caption band, in the screens' bold font.
controls::Panel* titled_panel(ScreenContext& context, const QString& name, QWidget* parent);
// The two looks of a whole screen's background, both without a header: the main
// menu's, the game's colour along two opposite sides running to white across the
// middle, in bands slanted at 60 degrees, inside a white frame of 4 pixels; and the
// plain one of the options, match set-up and help screens, the game's colour along
// the top fading to white along the bottom.
enum class BackgroundLook { Menu, Plain };
// A whole-screen background in `colour` (&HBBGGRR).
controls::GradContainer* screen_background(ScreenContext& context, const QString& name, std::uint32_t colour,
                                           QWidget* parent, BackgroundLook look = BackgroundLook::Menu);

// The style of the screens' command buttons (the table's buttons are in style 7).
inline constexpr int kCommandButtonStyle = 5;
// A command button of a screen, in the screens' style and font.
controls::ThemeButton* command_button(ScreenContext& context, const QString& name, const QString& caption,
                                      QWidget* parent);

// A picture of the Icons folder (an empty one when the file cannot be read).
QPixmap icon_picture(const ScreenContext& context, const storage::icons::IconFile& icon);

// A picture that answers the mouse: moves over it, a press, the release (which goes
// to the picture pressed, wherever the mouse is), and a click when the release is
// over it.
class MousePicture : public QLabel {
    Q_OBJECT

public:
    explicit MousePicture(QWidget* parent);

    std::function<void()> moved;
    std::function<void()> pressed;
    std::function<void()> released;
    std::function<void()> clicked;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A 720-twip icon of the Icons folder that answers the mouse, as the screens' icon
// bars and arrows are.
MousePicture* icon_image(const ScreenContext& context, const storage::icons::IconFile& icon, const QString& name,
                         QWidget* parent);

// A label of a screen: transparent, in the screens' font.
QLabel* screen_label(QWidget* parent, double points, Qt::Alignment alignment, bool bold = false);

// Sets a widget's text, geometry, visibility or enabled state only when it differs,
// so that a sync repaints only what changed.
void show_text(QLabel* label, const std::string& text);
void show_geometry(QWidget* widget, const QRect& geometry);
void show_visible(QWidget* widget, bool visible);
void show_enabled(QWidget* widget, bool enabled);

}  // namespace tavolora::screens
