#include "screens/f_040_partita.h"

#include <algorithm>

#include "controls/button/theme_button.h"
#include "controls/platform/fit_text.h"

namespace tavolora::screens {

namespace {
QRect twips_rect(const table::qt::Twips& t, QRect r) {
    return t.rect(static_cast<float>(r.x()), static_cast<float>(r.y()), static_cast<float>(r.width()),
                  static_cast<float>(r.height()));
}

QString text_of(const std::string& text) { return QString::fromStdString(text); }

// The options' and boxes' font, which a long name makes smaller where it must.
constexpr double kControlPoints = 8.25;

// The who-plays-first frame, twips: its width, and the options' margin in it.
constexpr int kSeatsWidth = 4065;
constexpr int kSeatsMargin = 120;
constexpr int kSeatHeight = 330;

// Where option k of who plays first may stand, twips: the player's own (0, at the
// bottom) and the one in front (2, at the top) across the frame; the right (1) and
// left (3) ones in their halves.
QRect seat_room(int k) {
    const int half = kSeatsWidth / 2;
    switch (k) {
        case 0:
            return {kSeatsMargin, 1020, kSeatsWidth - 2 * kSeatsMargin, kSeatHeight};
        case 1:
            return {half + kSeatsMargin / 2, 660, half - kSeatsMargin * 3 / 2, kSeatHeight};
        case 2:
            return {kSeatsMargin, 300, kSeatsWidth - 2 * kSeatsMargin, kSeatHeight};
        default:
            return {kSeatsMargin, 660, half - kSeatsMargin * 3 / 2, kSeatHeight};
    }
}

void show_caption(controls::Panel* panel, const std::string& caption) {
    const QString now = text_of(caption);
    if (panel->Caption() != now) panel->set_Caption(now);
}

void show_button_text(QAbstractButton* button, const std::string& caption) {
    const QString now = text_of(caption);
    if (button->text() != now) button->setText(now);
}
}  // namespace

F_040_Partita::F_040_Partita(ScreenContext& context, setup::SetupScreenState& state, setup::MatchSetup& events,
                             QWidget* parent)
    : ScreenWidget(parent), context_(context), state_(state), events_(events) {
    setObjectName(QStringLiteral("F_040_Partita"));
    setFont(screen_font(8.25));
    background_ =
        screen_background(context_, QStringLiteral("Sfondo_040"), state_.BackColor2, this, BackgroundLook::Plain);
    background_->setGeometry(twips_rect(context_.twips, QRect(0, 0, 7785, 8145)));
    build_mode_panel();
    build_general_panel();
    // Camicia's panel lies over the general one, at its place and size.
    build_camicia_panel();
    build_target_panels();
    build_icon_bar();
    sync();
}

QGroupBox* F_040_Partita::frame(QWidget* parent, const QString& name, QRect twips) {
    auto* box = new QGroupBox(parent);
    box->setObjectName(name);
    box->setFont(screen_font(8.25, true));
    box->setGeometry(twips_rect(context_.twips, twips));
    return box;
}

QRadioButton* F_040_Partita::option(QWidget* parent, const QString& name, QRect twips,
                                    std::function<bool()> selected, std::function<void()> select) {
    auto* button = new QRadioButton(parent);
    button->setObjectName(name);
    button->setFont(screen_font(kControlPoints));
    // The state says which option is selected; the group is not Qt's.
    button->setAutoExclusive(false);
    button->setGeometry(twips_rect(context_.twips, twips));
    connect(button, &QRadioButton::clicked, this, [this, selected = std::move(selected), select = std::move(select)] {
        if (syncing_) return;
        // Only a change of selection runs the option's handler.
        if (!selected()) context_.touch(select);
        sync();
    });
    return button;
}

F_040_Partita::SliderBox F_040_Partita::slider_box(QWidget* parent, const QString& name, QRect slider_twips,
                                                   QRect box_twips, setup::TextBox& box,
                                                   void (setup::MatchSetup::*set)(int)) {
    SliderBox widgets;
    widgets.slider = new QSlider(Qt::Horizontal, parent);
    widgets.slider->setObjectName(QStringLiteral("SLD_") + name);
    widgets.slider->setTickPosition(QSlider::TicksBelow);
    widgets.slider->setGeometry(twips_rect(context_.twips, slider_twips));
    connect(widgets.slider, &QSlider::valueChanged, this, [this, set](int value) {
        if (syncing_) return;
        context_.touch([this, set, value] { (events_.*set)(value); });
    });
    widgets.box = new QLineEdit(parent);
    widgets.box->setObjectName(QStringLiteral("TXT_") + name);
    widgets.box->setFont(screen_font(8.25));
    widgets.box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    widgets.box->setGeometry(twips_rect(context_.twips, box_twips));
    // Typing into a box does not move its slider.
    connect(widgets.box, &QLineEdit::textEdited, this, [this, &box](const QString& text) {
        context_.touch([&box, text] { box.Text = text.toStdString(); });
    });
    return widgets;
}

void F_040_Partita::build_mode_panel() {
    const table::qt::Twips& t = context_.twips;
    mode_panel_ = titled_panel(context_, QStringLiteral("Panel1"), background_);
    mode_panel_->setGeometry(twips_rect(t, QRect(120, 120, 7425, 1320)));
    for (int i = 1; i <= 2; ++i) {
        MousePicture* arrow =
            icon_image(context_, i == 1 ? storage::icons::kFrecciaIndietro : storage::icons::kFrecciaAvanti,
                       QStringLiteral("IMG_Icona_%1").arg(i), mode_panel_);
        arrow->pressed = [this, i] { context_.touch([this, i] { state_.IMG_Icona.press(i); }); };
        arrow->released = [this] { context_.touch([this] { state_.IMG_Icona.release(); }); };
        arrow->clicked = [this, i] { context_.play([this, i] { events_.IMG_Icona_Click(i); }); };
        arrows_[i] = arrow;
    }
    auto* label = new MousePicture(mode_panel_);
    label->setObjectName(QStringLiteral("LBL_Modalita"));
    label->setFont(screen_font(14.25));
    label->setAlignment(Qt::AlignCenter);
    label->setCursor(Qt::PointingHandCursor);
    label->setGeometry(twips_rect(t, QRect(1080, 480, 5265, 480)));
    label->clicked = [this] { context_.play([this] { events_.LBL_Modalita_Click(); }); };
    mode_ = label;
}

void F_040_Partita::build_general_panel() {
    const table::qt::Twips& t = context_.twips;
    setup::SetupCaptions& captions = state_.captions;
    general_ = titled_panel(context_, QStringLiteral("FRM_Generali_Briscola"), background_);
    general_->resize(t.x(7425), t.y(3450));

    QGroupBox* count = frame(general_, QStringLiteral("Frame4"), QRect(120, 360, 3000, 1500));
    frame_captions_[count] = &captions.Frame4;
    for (int n = 2; n <= 4; ++n) {
        players_[n] = option(
            count, QStringLiteral("OPT_Numero_Giocatori_%1").arg(n), QRect(240, 300 + (n - 2) * 360, 2640, 330),
            [this, n] { return state_.OPT_Numero_Giocatori(n).Value; },
            [this, n] { events_.set_players(n); });
    }

    // Who plays first: the options stand like the seats around the table (sync gives
    // each the width its name needs).
    QGroupBox* first = frame(general_, QStringLiteral("FRM_Inizia_Giro"), QRect(3240, 360, kSeatsWidth, 1500));
    frame_captions_[first] = &captions.FRM_Inizia_Giro;
    for (int k = 0; k <= 3; ++k) {
        first_[k] = option(
            first, QStringLiteral("OPT_Gioca_Per_Primo_%1").arg(k), seat_room(k),
            [this, k] { return state_.OPT_Gioca_Per_Primo(k).Value; }, [this, k] { events_.set_first_player(k); });
    }

    QGroupBox* names = frame(general_, QStringLiteral("Frame5"), QRect(120, 1920, 4200, 1410));
    frame_captions_[names] = &captions.Frame5;
    const int rows[] = {2, 1, 3};  // in front, right, left
    for (int r = 0; r < 3; ++r) {
        const int k = rows[r];
        const int top = 300 + r * 360;
        QLabel* label = screen_label(names, 8.25, Qt::AlignLeft | Qt::AlignVCenter);
        label->setObjectName(QStringLiteral("LBL_Nome_Giocatore_%1").arg(k));
        label->setGeometry(twips_rect(t, QRect(120, top, 1740, 330)));
        name_labels_[k] = label;
        auto* box = new QLineEdit(names);
        box->setObjectName(QStringLiteral("TXT_Nome_Giocatore_%1").arg(k));
        box->setFont(screen_font(kControlPoints));
        box->setMaxLength(20);
        box->setGeometry(twips_rect(t, QRect(1920, top - 15, 2160, 345)));
        connect(box, &QLineEdit::textEdited, this, [this, k](const QString& text) {
            context_.touch([this, k, text] { events_.set_name(k, text.toStdString()); });
        });
        names_[k] = box;
    }

    QGroupBox* direction = frame(general_, QStringLiteral("FRM_Verso_Delle_Carte"), QRect(4440, 1920, 2865, 1410));
    frame_captions_[direction] = &captions.FRM_Verso_Delle_Carte;
    for (int i = 0; i <= 1; ++i) {
        direction_[i] = option(
            direction, QStringLiteral("OPT_Verso_Delle_Carte_%1").arg(i), QRect(240, 360 + i * 420, 2500, 330),
            [this, i] { return state_.OPT_Verso_Delle_Carte(i).Value; }, [this, i] { events_.set_direction(i); });
    }
}

void F_040_Partita::build_camicia_panel() {
    const table::qt::Twips& t = context_.twips;
    setup::SetupCaptions& captions = state_.captions;
    camicia_panel_ = titled_panel(context_, QStringLiteral("FRM_Generali_Camicia"), background_);
    camicia_panel_->resize(t.x(7425), t.y(3450));
    QGroupBox* kind = frame(camicia_panel_, QStringLiteral("Frame1"), QRect(120, 360, 7185, 1320));
    frame_captions_[kind] = &captions.Frame1;
    for (int i : {0, 2}) {
        camicia_[i] = option(
            kind, QStringLiteral("OPT_Camicia_%1").arg(i), QRect(240, i == 0 ? 360 : 780, 6700, 330),
            [this, i] { return state_.OPT_Camicia(i).Value; }, [this, i] { events_.set_camicia_kind(i); });
    }
    camicia_count_ = frame(camicia_panel_, QStringLiteral("FRM_Camicia_Numero"), QRect(120, 1800, 7185, 1410));
    frame_captions_[camicia_count_] = &captions.FRM_Camicia_Numero;
    camicia_count_box_ = slider_box(camicia_count_, QStringLiteral("Camicia_Numero"), QRect(240, 420, 5400, 600),
                                    QRect(5880, 540, 1080, 360), state_.TXT_Camicia_Numero, &setup::MatchSetup::set_camicia_count);
}

void F_040_Partita::build_target_panels() {
    const table::qt::Twips& t = context_.twips;
    points_panel_ = titled_panel(context_, QStringLiteral("FRM_Numero_Punteggio"), background_);
    points_panel_->resize(t.x(7425), t.y(1245));
    points_ = slider_box(points_panel_, QStringLiteral("Punteggio"), QRect(240, 360, 5520, 480),
                         QRect(5940, 390, 1200, 360), state_.TXT_Numero_Punteggio,
                         &setup::MatchSetup::set_points);
    stop_ = new QCheckBox(points_panel_);
    stop_->setObjectName(QStringLiteral("CHK_Ferma_Punteggio"));
    stop_->setFont(screen_font(8.25));
    stop_->setGeometry(twips_rect(t, QRect(240, 870, 6900, 330)));
    connect(stop_, &QCheckBox::clicked, this, [this](bool checked) {
        if (syncing_) return;
        context_.touch([this, checked] { state_.CHK_Ferma_Punteggio = checked; });
    });

    games_panel_ = titled_panel(context_, QStringLiteral("FRM_Numero_Partite"), background_);
    games_panel_->resize(t.x(7425), t.y(1245));
    games_ = slider_box(games_panel_, QStringLiteral("Partite"), QRect(240, 420, 5520, 540),
                        QRect(5940, 480, 1200, 360), state_.TXT_Numero_Partite,
                        &setup::MatchSetup::set_games);
}

void F_040_Partita::build_icon_bar() {
    const table::qt::Twips& t = context_.twips;
    menu_panel_ = titled_panel(context_, QStringLiteral("PNL_Scelte_Primarie"), background_);
    menu_panel_->setGeometry(twips_rect(t, QRect(105, 6300, 7425, 1335)));
    bar_ = new IconBarWidget(
        context_, state_.IMG_Icona_Menu, {{1, storage::icons::kChiudi}, {2, storage::icons::kGioca}},
        QRect(1890, 180, 3555, 405), 12,
        [this](int index) { context_.play([this, index] { events_.IMG_Icona_Menu_Click(index); }); }, menu_panel_);
    bar_->setObjectName(QStringLiteral("IMG_Icona_Menu"));
    bar_->setGeometry(twips_rect(t, QRect(0, 360, 7425, 900)));

    // The screen's "Gioca!" button is never shown: the icon does its work.
    controls::ThemeButton* gioca =
        command_button(context_, QStringLiteral("CMD_Gioca"), QStringLiteral("Gioca!"), background_);
    gioca->hide();
    connect(gioca, &controls::ThemeButton::Click, this,
            [this] { context_.play([this] { events_.CMD_Gioca_Click(); }); });
}

void F_040_Partita::sync_option(QRadioButton* button, const setup::OptionButton& option) {
    if (button->isChecked() != option.Value) button->setChecked(option.Value);
    show_enabled(button, option.Enabled);
    show_button_text(button, option.Caption);
}

void F_040_Partita::sync_seat(int k, QRadioButton* button, const setup::OptionButton& option) {
    if (button->isChecked() != option.Value) button->setChecked(option.Value);
    show_enabled(button, option.Enabled);
    // The name as large as the seat's room lets it be; the option as wide as its name,
    // at its side of the frame, or in the middle for the seats in front and below.
    const QRect room = twips_rect(context_.twips, seat_room(k));
    controls::show_fitted(*button, text_of(option.Caption), screen_font(kControlPoints), room.width());
    const int width = std::min(button->sizeHint().width(), room.width());
    int left = room.left() + (room.width() - width) / 2;
    if (k == 1) left = room.right() + 1 - width;
    if (k == 3) left = room.left();
    show_geometry(button, QRect(left, room.top(), width, room.height()));
}

void F_040_Partita::sync_box(QLineEdit* box, const setup::TextBox& text) {
    const QString now = text_of(text.Text);
    if (box->text() != now) box->setText(now);
    show_enabled(box, text.Enabled);
}

void F_040_Partita::sync_name_box(QLineEdit* box, const setup::TextBox& text) {
    sync_box(box, text);
    controls::fit_font(*box, screen_font(kControlPoints));
}

void F_040_Partita::sync_slider(const SliderBox& widgets, const setup::Slider& slider, const setup::TextBox& box) {
    QSlider* s = widgets.slider;
    if (s->minimum() != slider.Min || s->maximum() != slider.Max) s->setRange(slider.Min, slider.Max);
    if (s->singleStep() != slider.SmallChange) s->setSingleStep(slider.SmallChange);
    if (s->pageStep() != slider.LargeChange) s->setPageStep(slider.LargeChange);
    if (s->tickInterval() != slider.TickFrequency) s->setTickInterval(slider.TickFrequency);
    if (s->value() != slider.Value) s->setValue(slider.Value);
    show_enabled(s, slider.Enabled);
    sync_box(widgets.box, box);
}

void F_040_Partita::sync() {
    syncing_ = true;
    const table::qt::Twips& t = context_.twips;
    const setup::SetupCaptions& captions = state_.captions;
    if (background_->BackColor2() != state_.BackColor2) background_->set_BackColor2(state_.BackColor2);
    show_caption(mode_panel_, captions.Panel1);
    show_caption(general_, captions.FRM_Generali_Briscola);
    show_caption(camicia_panel_, captions.FRM_Generali_Camicia);
    show_caption(points_panel_, captions.FRM_Numero_Punteggio);
    show_caption(games_panel_, captions.FRM_Numero_Partite);
    show_caption(menu_panel_, captions.PNL_Scelte_Primarie);
    for (const auto& [box, caption] : frame_captions_) {
        const QString now = text_of(*caption);
        if (box->title() != now) box->setTitle(now);
    }
    const struct {
        controls::Panel* panel;
        const setup::SetupFrame& frame;
    } panels[] = {{general_, state_.FRM_Generali_Briscola},
                  {camicia_panel_, state_.FRM_Generali_Camicia},
                  {points_panel_, state_.FRM_Numero_Punteggio},
                  {games_panel_, state_.FRM_Numero_Partite}};
    // Camicia's panel takes the general one's place when both are shown: the general
    // one, wholly under it, is not shown, so that no click or key reaches its controls.
    const bool general_covered = state_.FRM_Generali_Camicia.Visible;
    for (const auto& p : panels) {
        const QPoint at(t.x(p.frame.Left), t.y(p.frame.Top));
        if (p.panel->pos() != at) p.panel->move(at);
        show_visible(p.panel, p.frame.Visible && !(p.panel == general_ && general_covered));
    }

    show_text(mode_, state_.LBL_Modalita.Caption);
    for (const auto& [i, arrow] : arrows_) {
        if (const setup::BarIcon* place = state_.IMG_Icona.icon(i)) {
            const QPoint at(t.x(place->Left), t.y(place->Top));
            if (arrow->pos() != at) arrow->move(at);
        }
    }
    for (const auto& [n, button] : players_) sync_option(button, state_.OPT_Numero_Giocatori(n));
    for (const auto& [k, button] : first_) sync_seat(k, button, state_.OPT_Gioca_Per_Primo(k));
    for (const auto& [i, button] : direction_) sync_option(button, state_.OPT_Verso_Delle_Carte(i));
    for (const auto& [i, button] : camicia_) sync_option(button, state_.OPT_Camicia(i));
    for (const auto& [k, box] : names_) sync_name_box(box, state_.TXT_Nome_Giocatore(k));
    for (const auto& [k, label] : name_labels_) show_text(label, captions.LBL_Nome_Giocatore(k));
    sync_slider(points_, state_.SLD_Punteggio, state_.TXT_Numero_Punteggio);
    sync_slider(games_, state_.SLD_Partite, state_.TXT_Numero_Partite);
    sync_slider(camicia_count_box_, state_.SLD_Camicia_Numero, state_.TXT_Camicia_Numero);
    show_enabled(camicia_count_, state_.FRM_Camicia_Numero_Enabled);
    if (stop_->isChecked() != state_.CHK_Ferma_Punteggio) stop_->setChecked(state_.CHK_Ferma_Punteggio);
    show_button_text(stop_, captions.CHK_Ferma_Punteggio);
    bar_->sync();
    syncing_ = false;
}

}  // namespace tavolora::screens
