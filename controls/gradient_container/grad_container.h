#pragma once

// ucGradContainer: a container that paints a two-colour gradient at any angle over
// its body, optionally a header band with a gradient of its own, a caption and an
// icon, and last a border ring along a rounded outline to which its window is cut.
// In transparent mode it shows the piece of its form that lies behind it instead.
// Controls placed inside lie above its drawing. It raises MouseMove to its form.
//
// The properties keep the names the forms use: a getter of that name and a setter
// set_<name>, which stores the value, tells the form and repaints (Enabled,
// ScaleLeft and ScaleTop are only kept).

#include <QFont>
#include <QImage>
#include <QRegion>
#include <QSize>
#include <QString>
#include <QWidget>

#include <optional>

#include "controls/platform/host.h"
#include "controls/platform/property_bag.h"
#include "controls/platform/surface.h"

namespace tavolora::controls {

class GradContainer : public QWidget {
    Q_OBJECT

public:
    GradContainer(ControlHost& host, const QString& name, QWidget* parent = nullptr);

    // A new container: every property at its new-instance value; no repaint.
    void InitProperties();
    // A stored container: the 23 values read and kept as they are; no repaint (the
    // show that follows paints).
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    bool HeaderVisible() const { return header_visible_; }
    void set_HeaderVisible(bool visible);
    bool BackMiddleOut() const { return back_middle_out_; }
    void set_BackMiddleOut(bool middle_out);
    bool HeaderMiddleOut() const { return header_middle_out_; }
    void set_HeaderMiddleOut(bool middle_out);
    int HeaderAngle() const { return header_angle_; }
    void set_HeaderAngle(int angle);
    qint16 BackAngle() const { return back_angle_; }
    void set_BackAngle(int angle);  // kept within 0 to 360
    Colour BackColor1() const { return back_colour1_; }
    void set_BackColor1(Colour colour);
    Colour BackColor2() const { return back_colour2_; }
    void set_BackColor2(Colour colour);
    qint16 BorderThickness() const { return border_thickness_; }
    void set_BorderThickness(qint16 thickness);
    Colour BorderColor() const { return border_colour_; }
    void set_BorderColor(Colour colour);
    QString Caption() const { return caption_; }
    void set_Caption(const QString& caption);
    Colour HeaderColor1() const { return header_colour1_; }
    void set_HeaderColor1(Colour colour);
    Colour HeaderColor2() const { return header_colour2_; }
    void set_HeaderColor2(Colour colour);
    int IconSize() const { return icon_size_; }
    void set_IconSize(int size);
    Colour CaptionColor() const { return caption_colour_; }
    void set_CaptionColor(Colour colour);
    int HeaderHeight() const { return header_height_; }
    void set_HeaderHeight(int height);
    // No font: the header is not painted at all.
    std::optional<QFont> CaptionFont() const { return caption_font_; }
    void set_CaptionFont(const std::optional<QFont>& font);
    int CaptionAlignment() const { return caption_alignment_; }
    void set_CaptionAlignment(int alignment);
    QImage HeaderIcon() const { return header_icon_; }
    void set_HeaderIcon(const QImage& icon);
    int Curvature() const { return curvature_; }
    void set_Curvature(int curvature);
    // Kept and returned only: the controls inside are not disabled.
    bool Enabled() const { return enabled_; }
    void set_Enabled(bool enabled);
    bool Transparent() const { return transparent_; }
    void set_Transparent(bool transparent);
    float ScaleLeft() const { return scale_left_; }
    void set_ScaleLeft(float value);
    float ScaleTop() const { return scale_top_; }
    void set_ScaleTop(float value);

    // The full repaint: body, header, border and outline (or, transparent, the form).
    void RedrawAll();

    const Surface& surface() const { return surface_; }
    const QRegion& outline() const { return outline_; }
    int outlines_applied() const { return outlines_applied_; }

signals:
    void MouseMove(int button, int shift, float x, float y);
    void PropertyChanged(const QString& name);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // The painting steps of a full repaint, in their order.
    void DrawBackground();
    void DrawHeader();
    void DrawShapeBorder();
    void CopyParentBackground();
    static bool PictureIsValid(const QImage& picture);
    Colour TranslateColor(Colour colour) const { return host_.colours().translate(colour); }

    // The surface at the window's size (a new size clears it).
    void fit_surface();
    // Cuts the window to the outline when the size or the curvature changed since the
    // outline was last given to it.
    void apply_outline(const QRegion& outer);
    // The stored properties, one row each (stored_properties.h); Self is the
    // container, const or not.
    template <class Self, class Row>
    static void stored_properties(Self& self, Row&& row);
    // The change notice of the stored property held in `member`.
    void notice(const void* member);

    ControlHost& host_;
    QString name_;
    Surface surface_;
    bool header_visible_ = true;
    bool back_middle_out_ = true;
    bool header_middle_out_ = true;
    int header_angle_ = 180;
    qint16 back_angle_ = 180;
    Colour back_colour1_ = 0x00FAE8DCu;
    Colour back_colour2_ = 0x00FCF4EFu;
    qint16 border_thickness_ = 1;
    Colour border_colour_ = 0x00DCC1ADu;
    QString caption_ = QStringLiteral("Gradient Container");
    Colour header_colour1_ = 0x00EDC5A7u;
    Colour header_colour2_ = 0x00F7E0D3u;
    int icon_size_ = 0;
    Colour caption_colour_ = 0x007B2D02u;
    int header_height_ = 25;
    std::optional<QFont> caption_font_;
    int caption_alignment_ = 0;
    QImage header_icon_;
    int curvature_ = 10;
    bool enabled_ = false;
    bool transparent_ = false;
    float scale_left_ = 0;
    float scale_top_ = 0;
    QRegion outline_;
    QSize outline_size_;
    int outline_curvature_ = -1;
    int outlines_applied_ = 0;
};

// The gradient engine: parallel one-pixel lines at `angle` degrees over a w x h
// rectangle of the surface, their colours running from `first` to `second` (or, in
// middle-out mode, to `second` and back). A set of lines of no length (n of 0 or
// less) draws nothing and gives false.
bool draw_gradient(Surface& s, int w, int h, Colour first, Colour second, float angle, bool middle_out);

}  // namespace tavolora::controls
