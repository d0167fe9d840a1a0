#pragma once

// The themed button's About box: a small floating window with the control's name,
// its version, an author line, a web-address line and a "Close" button. A press
// anywhere in it shows "Close" pressed; a click anywhere hides it.

#include <QWidget>

#include <cstdint>

#include "controls/platform/colours.h"
#include "controls/platform/surface.h"

namespace tavolora::controls {

class AboutBox : public QWidget {
    Q_OBJECT

public:
    // 377 x 145 pixels, hidden, in the button.
    AboutBox(const SystemColours& colours, QWidget* button);

    // Shows the box as a topmost window of its own, titled "About ThemeButton 3.0".
    // It is not moved: it stays where the window system has it.
    void show_about(std::uint32_t about_style);

    // The window style it was given: the recorded style with the caption, sizing
    // border and minimise box bits.
    std::uint32_t window_style() const { return window_style_; }
    // What the box shows now.
    const Surface& surface() const { return surface_; }
    // Whether "Close" shows its pressed look.
    bool pressed() const { return pressed_; }

    static constexpr int kWidth = 377;
    static constexpr int kHeight = 145;
    // The caption bar, the sizing border and the minimise box.
    static constexpr std::uint32_t kTopLevelBits = 0x00C60000u;
    // The "Close" button: columns kCloseLeft..kCloseRight, rows kCloseTop..kCloseTop + kCloseHeight.
    static constexpr int kCloseLeft = 290;
    static constexpr int kCloseTop = 80;
    static constexpr int kCloseRight = 360;
    static constexpr int kCloseHeight = 26;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The whole box in its resting look: the texts and the raised "Close".
    void paint_all();
    void paint_close(bool pressed);

    const SystemColours& colours_;
    Surface surface_;
    std::uint32_t window_style_ = 0;
    bool pressed_ = false;
};

}  // namespace tavolora::controls
