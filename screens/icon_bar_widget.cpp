#include "screens/icon_bar_widget.h"

namespace tavolora::screens {

IconBarWidget::IconBarWidget(ScreenContext& context, setup::IconBar& bar, const std::vector<Icon>& icons,
                             QRect label_twips, double label_points, std::function<void(int)> clicked,
                             QWidget* parent)
    : QWidget(parent), context_(context), bar_(bar), clicked_(std::move(clicked)) {
    setAttribute(Qt::WA_TranslucentBackground);
    // The highlight lies under the icons: it is made first.
    highlight_ = new QLabel(this);
    highlight_->setObjectName(QStringLiteral("shape1"));
    highlight_->setAttribute(Qt::WA_TransparentForMouseEvents);
    highlight_->setPixmap(icon_picture(context_, storage::icons::kEvidenziatore));
    const table::qt::Twips& t = context_.twips;
    highlight_->resize(t.x(setup::IconBar::kHighlightSide), t.y(setup::IconBar::kHighlightSide));
    highlight_->setVisible(bar_.slides);

    for (const Icon& icon : icons) {
        MousePicture* picture =
            icon_image(context_, icon.picture, QStringLiteral("IMG_Icona_%1").arg(icon.index), this);
        const int index = icon.index;
        picture->moved = [this, index] { context_.touch([this, index] { bar_.hover(index); }); };
        picture->pressed = [this, index] { context_.touch([this, index] { bar_.press(index); }); };
        picture->released = [this] { context_.touch([this] { bar_.release(); }); };
        picture->clicked = [this, index] { clicked_(index); };
        icons_[index] = picture;
    }

    description_ = screen_label(this, label_points, Qt::AlignCenter);
    description_->setObjectName(QStringLiteral("LBL_Descrizione"));
    description_->setGeometry(t.rect(static_cast<float>(label_twips.x()), static_cast<float>(label_twips.y()),
                                     static_cast<float>(label_twips.width()),
                                     static_cast<float>(label_twips.height())));

    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    sync();
}

MousePicture* IconBarWidget::icon(int index) const {
    const auto it = icons_.find(index);
    return it == icons_.end() ? nullptr : it->second;
}

void IconBarWidget::tick() {
    context_.touch([this] { bar_.tick(); });
}

void IconBarWidget::sync() {
    const table::qt::Twips& t = context_.twips;
    for (const setup::BarIcon& shown : bar_.icons) {
        MousePicture* picture = icon(shown.index);
        if (picture == nullptr) continue;
        const QPoint place(t.x(shown.Left), t.y(shown.Top));
        if (picture->pos() != place) picture->move(place);
        show_visible(picture, shown.Visible);
        const QString tip = QString::fromStdString(shown.tooltip);
        if (picture->toolTip() != tip) picture->setToolTip(tip);
    }
    const QPoint shape(t.x(bar_.shape_left), t.y(bar_.shape_top));
    if (highlight_->pos() != shape) highlight_->move(shape);
    show_text(description_, bar_.description);

    // The timer runs while the highlight slides, and not a moment more.
    if (bar_.interval > 0 && !timer_.isActive()) {
        timer_.start(bar_.interval);
    } else if (bar_.interval == 0 && timer_.isActive()) {
        timer_.stop();
    }
}

}  // namespace tavolora::screens
