#pragma once

// Panel: a framed area with a title band, the frame of the card table's floating
// panels and of the screens' groups. It paints its background, a vertical gradient
// across the band, a one-pixel border with rounded corners, a line under the band and
// the caption; its window is cut to the rounded outline; it passes clicks, keys and
// mouse moves on to its form. The controls placed in it lie above its drawing.
//
// The properties keep the names the forms use: a getter of that name and a setter
// set_<name>, which stores the value, tells the form and repaints.

#include <QFont>
#include <QPoint>
#include <QRegion>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QWidget>

#include "controls/platform/host.h"
#include "controls/platform/property_bag.h"
#include "controls/platform/surface.h"

namespace tavolora::controls {

// Where the caption's top-left corner goes in a panel `width` pixels wide whose title
// band is `title_height` pixels high, for a caption of `text` size (width, height):
// vertically centred in the band; 5 pixels from the left edge (alignment 0), 5 pixels
// from the right edge (1), centred (2), or against the left edge (any other value).
// Coordinates are rounded to the nearest pixel, halves to the even one.
QPoint caption_origin(int alignment, int width, int title_height, QSizeF text);

class Panel : public QWidget {
    Q_OBJECT

public:
    Panel(ControlHost& host, const QString& name, QWidget* parent = nullptr);

    // A new panel: the ten defaults, each stored and told to the form in turn.
    void InitProperties();
    // A stored panel: the ten values read, each stored and told to the form in turn.
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    Colour BackColor() const { return back_colour_; }
    void set_BackColor(Colour colour);
    Colour BorderColor() const { return border_colour_; }
    void set_BorderColor(Colour colour);
    Colour ForeColor() const { return fore_colour_; }
    void set_ForeColor(Colour colour);
    Colour TitleGradientStart() const { return gradient_start_; }
    void set_TitleGradientStart(Colour colour);
    Colour TitleGradientEnd() const { return gradient_end_; }
    void set_TitleGradientEnd(Colour colour);
    QFont Font() const { return font_; }
    void set_Font(const QFont& font);
    int RoundedCorners() const { return rounded_corners_; }
    void set_RoundedCorners(int corners);
    qint16 TitleHeight() const { return title_height_; }
    void set_TitleHeight(qint16 height);
    QString Caption() const { return caption_; }
    void set_Caption(const QString& caption);
    int Alignment() const { return alignment_; }
    void set_Alignment(int alignment);

    // The full repaint.
    void Redraw();

    const Surface& surface() const { return surface_; }
    const QRegion& outline() const { return outline_; }
    int outlines_applied() const { return outlines_applied_; }

signals:
    void Click();
    void DoubleClick();
    void KeyDown(int key_code, int shift);
    void KeyPress(int key_ascii);
    void KeyUp(int key_code, int shift);
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);
    void PropertyChanged(const QString& name);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    // The stored properties, one row each (stored_properties.h); Self is the panel,
    // const or not.
    template <class Self, class Row>
    static void stored_properties(Self& self, Row&& row);
    // Stores nothing itself: tells the form that the property held in `member`
    // changed, then repaints.
    void changed(const void* member);
    // Gives the window its rounded outline when the size or the corners changed.
    void apply_outline();
    void print_caption();

    ControlHost& host_;
    QString name_;
    Surface surface_;
    Colour back_colour_ = 0x8000000Fu;
    Colour border_colour_ = 0;
    Colour fore_colour_ = 0;
    Colour gradient_start_ = 0x00FFFFFFu;
    Colour gradient_end_ = 0x00D96C00u;
    QFont font_;
    int rounded_corners_ = 0;
    qint16 title_height_ = 18;
    QString caption_;
    int alignment_ = 2;
    QRegion outline_;
    QSize outline_size_;
    int outline_corners_ = -1;
    int outlines_applied_ = 0;
    // A button went down on the panel and has not come up yet.
    bool pressed_ = false;
    // The press under way is the second one of a double click: its release raises no Click.
    bool double_click_ = false;
};

}  // namespace tavolora::controls
