#include "screens/f_08_crediti.h"

namespace tavolora::screens {

namespace {

QRect twips_rect(const table::qt::Twips& t, QRect r) {
    return t.rect(static_cast<float>(r.x()), static_cast<float>(r.y()), static_cast<float>(r.width()),
                  static_cast<float>(r.height()));
}

// The places, in twips: the title panel across the top, the maker's and the
// publisher's blocks side by side under it, the icons along the foot.
constexpr QRect kTitle(120, 120, 8760, 1800);
constexpr QRect kMaker(120, 2040, 4320, 4440);
constexpr QRect kPublisher(4560, 2040, 4320, 4440);
constexpr int kIconsTop = 6660;

// The colour of a link: a dark blue that reads on the light part of the gradient.
constexpr const char* kLinkColour = "#0000a0";

}  // namespace

F_08_Crediti::F_08_Crediti(ScreenContext& context, setup::CreditsScreenState& state, setup::Credits& events,
                           QWidget* parent)
    : ScreenWidget(parent), context_(context), state_(state), events_(events) {
    setObjectName(QStringLiteral("F_08_Crediti"));
    setFont(screen_font(9));
    const table::qt::Twips& t = context_.twips;
    background_ = screen_background(context_, QStringLiteral("Sfondo_08"), state_.BackColor2, this);
    background_->setGeometry(twips_rect(
        t, QRect(0, 0, static_cast<int>(setup::kCreditsWidth), static_cast<int>(setup::kCreditsHeight))));

    // The title: the program's name between the two decorations.
    title_ = titled_panel(context_, QStringLiteral("PNL_Menu_Principale"), background_);
    title_->setGeometry(twips_rect(t, kTitle));
    auto* left = new QLabel(title_);
    left->setObjectName(QStringLiteral("Image3"));
    left->setPixmap(icon_picture(context_, storage::icons::kCreditiDecoro1));
    left->setGeometry(twips_rect(t, QRect(240, 420, 1800, 1200)));
    auto* right = new QLabel(title_);
    right->setObjectName(QStringLiteral("Image4"));
    right->setPixmap(icon_picture(context_, storage::icons::kCreditiDecoro2));
    right->setGeometry(twips_rect(t, QRect(6720, 420, 1800, 1200)));
    text(title_, QStringLiteral("Label1"), QRect(2160, 480, 4440, 1080), state_.Label1, 26, Qt::AlignCenter,
         true);

    // The maker: the picture and the web address, then the mail address.
    QGroupBox* maker = frame(background_, QStringLiteral("Frame2"), kMaker);
    frames_[maker] = &state_.Frame2;
    QGroupBox* site = frame(maker, QStringLiteral("FRM_Sito_Web"), QRect(120, 300, 4080, 1980));
    picture(site, QStringLiteral("Image1"), storage::icons::kCreditiAutore, QPoint(1560, 240),
            [this] { events_.Image1_Click(); });
    link(site, QStringLiteral("LBL_Sito_Web"), QRect(120, 1380, 3840, 420), state_.LBL_Sito_Web,
         Qt::AlignCenter, &setup::Credits::LBL_Sito_Web_Click);
    QGroupBox* mail = frame(maker, QStringLiteral("FRM_Email"), QRect(120, 2460, 4080, 1800));
    frames_[mail] = &state_.FRM_Email;
    link(mail, QStringLiteral("Label8"), QRect(120, 480, 3840, 375), state_.Label8, Qt::AlignCenter,
         &setup::Credits::Label8_Click);
    link(mail, QStringLiteral("LBL_Email"), QRect(120, 960, 3840, 420), state_.LBL_Email, Qt::AlignCenter,
         &setup::Credits::LBL_Email_Click);
    // Only the address reads as a link; its lead-in answers the click all the same.
    clickable(QStringLiteral("Label8"))->setStyleSheet(QString());
    clickable(QStringLiteral("Label8"))->setFont(screen_font(9));

    // The publisher: the picture beside the name and the postal address, then the
    // numbers, the web address and the mail address.
    QGroupBox* publisher = frame(background_, QStringLiteral("Frame5"), kPublisher);
    frames_[publisher] = &state_.Frame5;
    picture(publisher, QStringLiteral("Image2"), storage::icons::kCreditiEditore, QPoint(240, 420),
            [this] { events_.Image2_Click(); });
    link(publisher, QStringLiteral("Label6"), QRect(1320, 420, 2880, 420), state_.Label6,
         Qt::AlignLeft | Qt::AlignVCenter, &setup::Credits::Label6_Click);
    clickable(QStringLiteral("Label6"))->setStyleSheet(QString());
    clickable(QStringLiteral("Label6"))->setFont(screen_font(9, true));
    QLabel* address = text(publisher, QStringLiteral("Label4"), QRect(1320, 840, 2880, 600), state_.Label4, 9,
                           Qt::AlignLeft | Qt::AlignTop);
    address->setWordWrap(true);
    text(publisher, QStringLiteral("Label5"), QRect(240, 1680, 3960, 375), state_.Label5, 9,
         Qt::AlignLeft | Qt::AlignVCenter);
    text(publisher, QStringLiteral("Label7"), QRect(240, 2040, 3960, 375), state_.Label7, 9,
         Qt::AlignLeft | Qt::AlignVCenter);
    link(publisher, QStringLiteral("Label2"), QRect(240, 2760, 3960, 420), state_.Label2,
         Qt::AlignLeft | Qt::AlignVCenter, &setup::Credits::Label2_Click);
    link(publisher, QStringLiteral("Label3"), QRect(240, 3180, 3960, 420), state_.Label3,
         Qt::AlignLeft | Qt::AlignVCenter, &setup::Credits::Label3_Click);

    // The foot: write, visit, and close with its label.
    const storage::icons::IconFile icons[] = {storage::icons::kCreditiEmail, storage::icons::kCreditiSito};
    for (int i = 1; i <= 2; ++i) {
        icons_[i] =
            picture(background_, QStringLiteral("IMG_Icona_%1").arg(i), icons[i - 1],
                    QPoint(360 + (i - 1) * 960, kIconsTop), [this, i] { events_.IMG_Icona_Click(i); });
    }
    text(background_, QStringLiteral("LBL_Descrizione"), QRect(5880, kIconsTop + 180, 1800, 375),
         state_.LBL_Descrizione, 12, Qt::AlignRight | Qt::AlignVCenter);
    picture(background_, QStringLiteral("IMG_Icona_Uscita"), storage::icons::kChiudi, QPoint(7920, kIconsTop),
            [this] { events_.IMG_Icona_Uscita_Click(); });
    sync();
}

QGroupBox* F_08_Crediti::frame(QWidget* parent, const QString& name, QRect twips) {
    auto* box = new QGroupBox(parent);
    box->setObjectName(name);
    box->setFont(screen_font(8.25, true));
    box->setGeometry(twips_rect(context_.twips, twips));
    return box;
}

QLabel* F_08_Crediti::text(QWidget* parent, const QString& name, QRect twips, const std::string& shown,
                           double points, Qt::Alignment alignment, bool bold) {
    QLabel* label = screen_label(parent, points, alignment, bold);
    label->setObjectName(name);
    label->setGeometry(twips_rect(context_.twips, twips));
    texts_[label] = &shown;
    return label;
}

MousePicture* F_08_Crediti::link(QWidget* parent, const QString& name, QRect twips, const std::string& shown,
                                 Qt::Alignment alignment, void (setup::Credits::*click)()) {
    auto* label = new MousePicture(parent);
    label->setObjectName(name);
    QFont font = screen_font(9);
    font.setUnderline(true);
    label->setFont(font);
    label->setAlignment(alignment);
    label->setStyleSheet(QStringLiteral("color: %1").arg(QLatin1String(kLinkColour)));
    label->setCursor(Qt::PointingHandCursor);
    label->setGeometry(twips_rect(context_.twips, twips));
    // A link opens another program: nothing of this one starts, so it may run at any time.
    label->clicked = [this, click] { context_.touch([this, click] { (events_.*click)(); }); };
    texts_[label] = &shown;
    clickables_[name] = label;
    return label;
}

MousePicture* F_08_Crediti::picture(QWidget* parent, const QString& name,
                                    const storage::icons::IconFile& icon, QPoint twips,
                                    const std::function<void()>& click) {
    const table::qt::Twips& t = context_.twips;
    auto* image = new MousePicture(parent);
    image->setObjectName(name);
    image->setPixmap(icon_picture(context_, icon));
    image->setCursor(Qt::PointingHandCursor);
    image->setGeometry(QRect(QPoint(t.x(static_cast<float>(twips.x())), t.y(static_cast<float>(twips.y()))),
                             QSize(icon.width, icon.height)));
    image->clicked = [this, click] { context_.touch(click); };
    clickables_[name] = image;
    return image;
}

MousePicture* F_08_Crediti::clickable(const QString& name) const {
    const auto it = clickables_.find(name);
    return it == clickables_.end() ? nullptr : it->second;
}

QLabel* F_08_Crediti::label(const QString& name) const {
    return findChild<QLabel*>(name);
}

void F_08_Crediti::sync() {
    if (background_->BackColor2() != state_.BackColor2) background_->set_BackColor2(state_.BackColor2);
    const QString caption = QString::fromStdString(state_.PNL_Menu_Principale);
    if (title_->Caption() != caption) title_->set_Caption(caption);
    for (const auto& [box, shown] : frames_) {
        const QString now = QString::fromStdString(*shown);
        if (box->title() != now) box->setTitle(now);
    }
    for (const auto& [label, shown] : texts_) show_text(label, *shown);
    for (const auto& [i, icon] : icons_) {
        const QString tip = QString::fromStdString(state_.IMG_Icona_ToolTipText(i));
        if (icon->toolTip() != tip) icon->setToolTip(tip);
    }
}

}  // namespace tavolora::screens
