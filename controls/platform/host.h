#pragma once

// What the holding form gives its custom controls, shared by the controls of one
// program: the system colours, the user-mode flag (on while the form runs, off
// while it is designed), the form's font, the standard tooltip text it keeps for
// each control, the screen's twips per pixel, and the form's own surface for a
// transparent control. A change of the system colours or of the visual theme is
// announced to every control, which repaints.

#include <QFont>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QString>

#include <functional>

#include "controls/platform/colours.h"

class QWidget;

namespace tavolora::controls {

class ControlHost : public QObject {
    Q_OBJECT

public:
    ControlHost();

    const SystemColours& colours() const { return colours_; }
    // Changes a system colour and tells every control (the window system's colour
    // change message).
    void set_system_colour(int index, Colour rgb_colour);
    // Tells every control that the visual theme changed.
    void change_theme() { emit themeChanged(); }

    bool user_mode() const { return user_mode_; }
    void set_user_mode(bool running) { user_mode_ = running; }

    const QFont& form_font() const { return form_font_; }
    void set_form_font(const QFont& font) { form_font_ = font; }

    int twips_per_pixel_x() const { return 15; }
    int twips_per_pixel_y() const { return 15; }

    // The form's standard tooltip text of a control, by the control's name.
    QString standard_tooltip(const QString& control) const { return tooltips_.value(control); }
    void set_standard_tooltip(const QString& control, const QString& text) { tooltips_[control] = text; }

    // Whether visual styles are on: the themed style draws the platform's push
    // button only then.
    bool visual_styles() const { return visual_styles_; }
    void set_visual_styles(bool on) { visual_styles_ = on; }

    // The form's own surface behind a control (without the controls on it), for a
    // transparent control; a null image when the control's container is not a form.
    std::function<QImage(const QWidget* control)> form_surface;

signals:
    void systemColoursChanged();
    void themeChanged();

private:
    SystemColours colours_;
    bool user_mode_ = true;
    bool visual_styles_ = true;
    QFont form_font_;
    QHash<QString, QString> tooltips_;
};

}  // namespace tavolora::controls
