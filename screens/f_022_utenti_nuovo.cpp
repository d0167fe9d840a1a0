#include "screens/f_022_utenti_nuovo.h"

#include <QPixmap>
#include <QResizeEvent>

#include <algorithm>

#include "controls/platform/fit_text.h"
#include "storage/host_path.h"

namespace tavolora::screens {

namespace {
// The name box's font, which a long name makes smaller while it is typed.
constexpr double kNamePoints = 9.75;

QRect twips_rect(const table::qt::Twips& t, QRect r) {
    return t.rect(static_cast<float>(r.x()), static_cast<float>(r.y()), static_cast<float>(r.width()),
                  static_cast<float>(r.height()));
}

void show_caption(controls::Panel* panel, const std::string& caption) {
    const QString now = QString::fromStdString(caption);
    if (panel->Caption() != now) panel->set_Caption(now);
}

void show_title(QGroupBox* box, const std::string& caption) {
    const QString now = QString::fromStdString(caption);
    if (box->title() != now) box->setTitle(now);
}
}  // namespace

F_022_Utenti_Nuovo::F_022_Utenti_Nuovo(ScreenContext& context, setup::NewUserScreenState& state,
                                       setup::NewUserScreen& events, QWidget* parent)
    : ScreenWidget(parent), context_(context), state_(state), events_(events) {
    setObjectName(QStringLiteral("F_022_Utenti_Nuovo"));
    setFont(screen_font(8.25));
    const table::qt::Twips& t = context_.twips;
    background_ = screen_background(context_, QStringLiteral("PNL_Sfondo"), state_.BackColor2, this);

    menu_panel_ = titled_panel(context_, QStringLiteral("PNL_Scelte_Primarie"), background_);
    menu_panel_->setGeometry(twips_rect(t, QRect(120, 120, 1935, 3015)));
    bar_ = new IconBarWidget(
        context_, state_.IMG_Icona, {{1, storage::icons::kUtenteCrea}, {2, storage::icons::kChiudi}},
        QRect(0, 1980, 1695, 375), 12,
        [this](int index) { context_.play([this, index] { events_.IMG_Icona_Click(index); }); }, menu_panel_);
    bar_->setObjectName(QStringLiteral("PIC_Menu"));
    bar_->setGeometry(twips_rect(t, QRect(120, 480, 1695, 2415)));

    user_panel_ = titled_panel(context_, QStringLiteral("FRM_Utente"), background_);
    user_panel_->setGeometry(twips_rect(t, QRect(2160, 120, 2895, 3015)));

    name_frame_ = frame(user_panel_, QStringLiteral("FRM_022_Inserisci_Nome"), QRect(120, 360, 2655, 855));
    name_ = new QLineEdit(name_frame_);
    name_->setObjectName(QStringLiteral("TXT_022_Nome_Utente"));
    name_->setFont(screen_font(kNamePoints));
    name_->setMaxLength(static_cast<int>(setup::NewUserScreen::kNameLength));
    // As wide as the frame lets it be: a name of 14 wide letters fits at the least font.
    name_->setGeometry(twips_rect(t, QRect(180, 330, 2295, 375)));
    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
        context_.touch([this, text] { events_.set_name(text.toStdString()); });
    });

    photo_frame_ = frame(user_panel_, QStringLiteral("Frame2"), QRect(120, 1320, 2655, 1575));
    preview_ = new QLabel(photo_frame_);
    preview_->setObjectName(QStringLiteral("PIC_Utente"));
    preview_->setFrameShape(QFrame::Box);
    preview_->setScaledContents(true);
    preview_->setGeometry(twips_rect(t, QRect(960, 300, 735, 735)));
    photos_ = new QScrollBar(Qt::Horizontal, photo_frame_);
    photos_->setObjectName(QStringLiteral("HSC_Foto"));
    photos_->setGeometry(twips_rect(t, QRect(240, 1140, 2175, 255)));
    photos_->setPageStep(1);
    connect(photos_, &QScrollBar::valueChanged, this, [this](int value) {
        if (syncing_) return;
        context_.touch([this, value] { events_.set_photo(value); });
    });
    sync();
}

QGroupBox* F_022_Utenti_Nuovo::frame(QWidget* parent, const QString& name, QRect twips) {
    auto* box = new QGroupBox(parent);
    box->setObjectName(name);
    box->setFont(screen_font(8.25, true));
    box->setGeometry(twips_rect(context_.twips, twips));
    return box;
}

void F_022_Utenti_Nuovo::resizeEvent(QResizeEvent* event) {
    ScreenWidget::resizeEvent(event);
    background_->setGeometry(rect());
}

void F_022_Utenti_Nuovo::sync() {
    syncing_ = true;
    if (background_->BackColor2() != state_.BackColor2) background_->set_BackColor2(state_.BackColor2);
    const QString title = QString::fromStdString(state_.Caption);
    if (windowTitle() != title) setWindowTitle(title);
    show_caption(menu_panel_, state_.PNL_Scelte_Primarie);
    show_caption(user_panel_, state_.FRM_Utente);
    show_title(name_frame_, state_.FRM_022_Inserisci_Nome);
    show_title(photo_frame_, state_.Frame2);

    const QString name = QString::fromStdString(state_.TXT_022_Nome_Utente);
    if (name_->text() != name) name_->setText(name);
    controls::fit_font(*name_, screen_font(kNamePoints));

    // With no photo the bar has nothing to choose; with one it has one place.
    const setup::PhotoScrollBar& bar = state_.HSC_Foto;
    const int top = std::max(bar.Min, bar.Max);
    if (photos_->minimum() != bar.Min || photos_->maximum() != top) photos_->setRange(bar.Min, top);
    if (photos_->value() != bar.Value) photos_->setValue(bar.Value);
    show_enabled(photos_, bar.Max >= bar.Min);

    if (shown_preview_ != state_.PIC_Utente) {
        shown_preview_ = state_.PIC_Utente;
        QPixmap picture;
        if (!state_.PIC_Utente.empty())
            picture.load(QString::fromStdString(storage::host_path(state_.PIC_Utente).string()));
        if (picture.isNull()) {
            preview_->clear();
        } else {
            preview_->setPixmap(picture);
        }
    }
    bar_->sync();
    syncing_ = false;
}

}  // namespace tavolora::screens
