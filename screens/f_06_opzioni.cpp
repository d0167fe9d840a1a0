#include "screens/f_06_opzioni.h"

#include <QPixmap>

#include "storage/host_path.h"
#include "table/pictures.h"

namespace tavolora::screens {

namespace {

// The strip of a panel lies along its bottom edge: 900 twips high, 120 in from the
// sides and 60 above the bottom; its icons stand 120 in and 75 down from its corner.
constexpr int kStripHeight = 900;
constexpr int kStripInset = 120;
constexpr int kStripBottom = 60;
constexpr int kStripIconsLeft = 120;
constexpr int kStripIconsTop = 75;
// The description between a strip's two icons.
constexpr int kStripLabelLeft = 840;
constexpr int kStripLabelTop = 180;
constexpr int kStripLabelHeight = 375;

// The try-out shape: a card back lying on its side, as the cards fly.
constexpr int kShapeWidth = 855;
constexpr int kShapeHeight = 615;

QRect twips_rect(const table::qt::Twips& t, QRect r) {
    return t.rect(static_cast<float>(r.x()), static_cast<float>(r.y()), static_cast<float>(r.width()),
                  static_cast<float>(r.height()));
}

QString text_of(const std::string& text) {
    return QString::fromStdString(text);
}

void show_caption(controls::Panel* panel, const std::string& caption) {
    const QString now = text_of(caption);
    if (panel->Caption() != now) panel->set_Caption(now);
}

void show_button(controls::ThemeButton* button, const setup::CommandButton& data) {
    const QString caption = text_of(data.Caption);
    if (button->Caption() != caption) button->set_Caption(caption);
    if (button->isEnabled() != data.Enabled) button->set_Enabled(data.Enabled);
}

void show_check(QCheckBox* box, const setup::CheckBox& data) {
    if (box->isChecked() != data.Value) box->setChecked(data.Value);
    show_enabled(box, data.Enabled);
    const QString caption = text_of(data.Caption);
    if (box->text() != caption) box->setText(caption);
}

void show_scroll(QAbstractSlider* bar, const setup::Slider& data) {
    if (bar->minimum() != data.Min || bar->maximum() != data.Max) bar->setRange(data.Min, data.Max);
    if (bar->singleStep() != data.SmallChange) bar->setSingleStep(data.SmallChange);
    if (bar->pageStep() != data.LargeChange) bar->setPageStep(data.LargeChange);
    if (bar->value() != data.Value) bar->setValue(data.Value);
    show_enabled(bar, data.Enabled);
}

}  // namespace

// --- A panel's sub-menu strip ----------------------------------------------------------

SubMenuWidget::SubMenuWidget(ScreenContext& context, setup::OptionsState& state, setup::Options& events,
                             int panel, QWidget* parent)
    : QWidget(parent), context_(context), state_(state), events_(events), panel_(panel) {
    setAttribute(Qt::WA_TranslucentBackground);
    const table::qt::Twips& t = context_.twips;
    plain_ = icon_picture(context_, storage::icons::kSalva);
    check_ = icon_picture(context_, storage::icons::kSalvato);

    // The highlight lies under the icons: it is made first.
    highlight_ = new QLabel(this);
    highlight_->setObjectName(QStringLiteral("Shape_SubMenu_%1").arg(panel));
    highlight_->setAttribute(Qt::WA_TransparentForMouseEvents);
    highlight_->setPixmap(icon_picture(context_, storage::icons::kEvidenziatore));
    highlight_->resize(t.x(setup::IconBar::kHighlightSide), t.y(setup::IconBar::kHighlightSide));

    const int save = 2 * panel - 1;
    const int close = 2 * panel;
    save_ = icon_image(context_, storage::icons::kSalva,
                       QStringLiteral("IMG_Icona_SubMenu_Opzioni_%1").arg(save), this);
    close_ = icon_image(context_, storage::icons::kPannelloChiudi,
                        QStringLiteral("IMG_Icona_SubMenu_Opzioni_%1").arg(close), this);
    for (const auto& [index, picture] : {std::pair{save, save_}, std::pair{close, close_}}) {
        const int i = index;
        picture->moved = [this, i] {
            context_.touch([this, i] { events_.IMG_Icona_SubMenu_Opzioni_MouseMove(i); });
        };
        picture->clicked = [this, i] {
            context_.touch([this, i] { events_.IMG_Icona_SubMenu_Opzioni_Click(i); });
        };
    }

    description_ = screen_label(this, 9, Qt::AlignCenter);
    description_->setObjectName(QStringLiteral("LBL_Descrizione_SubMenu_Opzioni_%1").arg(panel));
    if (const setup::BarIcon* closing = strip().bar.icon(close)) {
        const int width = static_cast<int>(closing->Left) - kStripLabelLeft - 120;
        description_->setGeometry(
            twips_rect(t, QRect(kStripLabelLeft, kStripLabelTop, width, kStripLabelHeight)));
    }

    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this,
            [this] { context_.touch([this] { events_.TMR_SubMenu_Opzioni_Timer(panel_); }); });
    sync();
}

void SubMenuWidget::sync() {
    const table::qt::Twips& t = context_.twips;
    const setup::IconBar& bar = strip().bar;
    for (const setup::BarIcon& icon : bar.icons) {
        MousePicture* picture = icon.index % 2 == 0 ? close_ : save_;
        const QPoint place(t.x(icon.Left), t.y(icon.Top));
        if (picture->pos() != place) picture->move(place);
    }
    if (shows_saved_ != strip().saved || save_->pixmap().isNull()) {
        shows_saved_ = strip().saved;
        save_->setPixmap(shows_saved_ ? check_ : plain_);
    }
    const QPoint shape(t.x(bar.shape_left), t.y(bar.shape_top));
    if (highlight_->pos() != shape) highlight_->move(shape);
    show_text(description_, bar.description);
    // The timer runs while the highlight slides, and not a moment more.
    if (bar.interval > 0 && !timer_.isActive()) {
        timer_.start(bar.interval);
    } else if (bar.interval == 0 && timer_.isActive()) {
        timer_.stop();
    }
}

// --- The screen ------------------------------------------------------------------------

F_06_Opzioni::F_06_Opzioni(ScreenContext& context, setup::OptionsState& state, setup::Options& events,
                           QWidget* parent)
    : ScreenWidget(parent), context_(context), state_(state), events_(events) {
    setObjectName(QStringLiteral("F_06_Opzioni"));
    setFont(screen_font(8.25));
    background_panel_ =
        screen_background(context_, QStringLiteral("Sfondo_06"), state_.BackColor2, this, BackgroundLook::Plain);
    background_panel_->setGeometry(twips_rect(context_.twips, QRect(0, 0, 11780, 8055)));
    build_menu();
    build_deck_panel();
    build_animation_panel();
    build_difficulty_panel();
    build_background_panel();
    build_rules_panel();
    try_out_timer_.setTimerType(Qt::PreciseTimer);
    connect(&try_out_timer_, &QTimer::timeout, this,
            [this] { context_.touch([this] { events_.TME_Prove_Timer(); }); });
    sync();
}

QGroupBox* F_06_Opzioni::frame(QWidget* parent, const QString& name, QRect twips) {
    auto* box = new QGroupBox(parent);
    box->setObjectName(name);
    box->setFont(screen_font(8.25, true));
    box->setGeometry(twips_rect(context_.twips, twips));
    return box;
}

controls::ThemeButton* F_06_Opzioni::button(QWidget* parent, const QString& name, QRect twips) {
    controls::ThemeButton* made = command_button(context_, name, QString(), parent);
    made->setGeometry(twips_rect(context_.twips, twips));
    return made;
}

QLabel* F_06_Opzioni::preview(QWidget* parent, const QString& name, QRect twips) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setScaledContents(true);
    label->setGeometry(twips_rect(context_.twips, twips));
    shown_pictures_[label] = std::string();
    return label;
}

void F_06_Opzioni::build_menu() {
    const table::qt::Twips& t = context_.twips;
    menu_ = titled_panel(context_, QStringLiteral("PNL_Menu_Principale"), background_panel_);
    menu_->setGeometry(twips_rect(t, QRect(120, 120, 1935, 7335)));
    const std::vector<IconBarWidget::Icon> icons = {{1, storage::icons::kOpzioniMazzo},
                                                    {2, storage::icons::kOpzioniAnimazioni},
                                                    {3, storage::icons::kOpzioniDifficolta},
                                                    {4, storage::icons::kOpzioniSfondo},
                                                    {5, storage::icons::kChiudi},
                                                    {6, storage::icons::kOpzioniRegole}};
    bar_ = new IconBarWidget(
        context_, state_.IMG_Icona, icons, QRect(60, 6360, 1815, 375), 11,
        [this](int index) {
            // Closing the screen is a step of the program; opening a panel is not.
            if (index == 5) {
                context_.play([this, index] { events_.IMG_Icona_Click(index); });
            } else {
                context_.touch([this, index] { events_.IMG_Icona_Click(index); });
            }
        },
        menu_);
    bar_->setObjectName(QStringLiteral("PIC_Menu_Principale"));
    bar_->setGeometry(twips_rect(t, QRect(0, 300, 1935, 7035)));
}

controls::Panel* F_06_Opzioni::build_panel(int number, const QString& name) {
    controls::Panel* panel = titled_panel(context_, name, background_panel_);
    panel->hide();
    panels_[number] = panel;
    // Its strip along the bottom edge; the panel's size is its opener's, and stays.
    const struct {
        int number;
        int width;
        int height;
    } sizes[] = {{1, 9165, 4667}, {2, 9375, 6730}, {3, 4245, 3102}, {4, 7710, 4735}, {6, 7515, 5566}};
    for (const auto& size : sizes) {
        if (size.number != number) continue;
        controls::Panel* band =
            titled_panel(context_, QStringLiteral("PNL_SubMenu_Opzioni_%1").arg(number), panel);
        // A band without a title: the strip speaks through its own label.
        band->set_TitleHeight(0);
        band->set_Caption(QString());
        band->setGeometry(
            twips_rect(context_.twips, QRect(kStripInset, size.height - kStripHeight - kStripBottom,
                                             size.width - 2 * kStripInset, kStripHeight)));
        auto* strip = new SubMenuWidget(context_, state_, events_, number, band);
        strip->setGeometry(twips_rect(
            context_.twips,
            QRect(kStripIconsLeft, kStripIconsTop, size.width - 2 * kStripInset - kStripIconsLeft - 60,
                  kStripHeight - kStripIconsTop)));
        strips_[number] = strip;
    }
    return panel;
}

void F_06_Opzioni::build_deck_panel() {
    controls::Panel* panel = build_panel(1, QStringLiteral("FRM_Mazzo"));
    setup::OptionsCaptions& c = state_.captions;

    QGroupBox* choose = frame(panel, QStringLiteral("FRM_Mazzo_Mazzo"), QRect(120, 360, 8925, 720));
    frame_captions_[choose] = &c.FRM_Mazzo_Mazzo;
    deck_ = new QComboBox(choose);
    deck_->setObjectName(QStringLiteral("CMB_Mazzo_Carte"));
    deck_->setFont(screen_font(8.25));
    deck_->setGeometry(twips_rect(context_.twips, QRect(120, 300, 8655, 330)));
    connect(deck_, &QComboBox::activated, this, [this](int index) {
        if (syncing_ || index < 0) return;
        const std::string name = deck_->itemText(index).toStdString();
        context_.touch([this, name] { events_.set_deck(name); });
    });

    QGroupBox* cards = frame(panel, QStringLiteral("Frame9"), QRect(120, 1140, 5535, 2250));
    frame_captions_[cards] = &c.Frame9;
    for (int i = 0; i <= 4; ++i) {
        card_previews_[i] =
            preview(cards, QStringLiteral("IMG_Mazzo_Prova_%1").arg(i), QRect(360 + 960 * i, 360, 795, 1260));
    }
    cards_scroll_ = new QScrollBar(Qt::Horizontal, cards);
    cards_scroll_->setObjectName(QStringLiteral("HSR_Carte"));
    cards_scroll_->setGeometry(twips_rect(context_.twips, QRect(120, 1800, 5175, 255)));
    connect(cards_scroll_, &QScrollBar::valueChanged, this, [this](int value) {
        if (syncing_) return;
        context_.touch([this, value] { events_.set_cards_scroll(value); });
    });

    QGroupBox* back = frame(panel, QStringLiteral("Frame2"), QRect(5760, 1140, 3285, 2250));
    frame_captions_[back] = &c.Frame2;
    back_preview_ = preview(back, QStringLiteral("IMG_Mazzo_Dorso"), QRect(1320, 480, 795, 1260));
}

void F_06_Opzioni::build_animation_panel() {
    controls::Panel* panel = build_panel(2, QStringLiteral("FRM_Animazioni"));
    const table::qt::Twips& t = context_.twips;
    const QString names[] = {
        QStringLiteral("FRM_Animazione_Mazzo_Giocatore"), QStringLiteral("FRM_Animazione_Giocatore_Tavolo"),
        QStringLiteral("FRM_Animazione_Tavolo_Giocatore"), QStringLiteral("FRM_Animazione_Tempo_Decisione"),
        QStringLiteral("FRM_Animazione_Tempo_Tavolo")};
    for (int i = 1; i <= 5; ++i) {
        // The fifth frame holds the box "wait for the mouse click" below its slider.
        const int height = i == 5 ? 1230 : 900;
        QGroupBox* box = frame(panel, names[i - 1], QRect(120, 360 + 960 * (i - 1), 8160, height));
        frame_captions_[box] = &state_.captions.FRM_Animazione(i);
        auto* slider = new QSlider(Qt::Horizontal, box);
        slider->setObjectName(QStringLiteral("SLD_Movimento_%1").arg(i));
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setGeometry(twips_rect(t, QRect(240, 300, 6000, 450)));
        connect(slider, &QSlider::valueChanged, this, [this, i](int value) {
            if (syncing_) return;
            context_.touch([this, i, value] {
                events_.set_movement(i, value);
                events_.SLD_Movimento_Click(i);
            });
        });
        movements_[i] = slider;
        controls::ThemeButton* prova =
            button(box, QStringLiteral("CMD_Movimento_Prova_%1").arg(i), QRect(6480, 315, 1440, 420));
        connect(prova, &controls::ThemeButton::Click, this,
                [this, i] { context_.touch([this, i] { events_.CMD_Movimento_Prova_Click(i); }); });
        try_outs_[i] = prova;
        if (i == 5) {
            wait_ = new QCheckBox(box);
            wait_->setObjectName(QStringLiteral("CHK_Aspetta_Tavolo"));
            wait_->setFont(screen_font(8.25));
            wait_->setGeometry(twips_rect(t, QRect(240, 810, 7700, 330)));
            connect(wait_, &QCheckBox::clicked, this, [this](bool checked) {
                if (syncing_) return;
                context_.touch([this, checked] { events_.set_wait(checked); });
            });
        }
    }
    auto* shape = new QLabel(panel);
    shape->setObjectName(QStringLiteral("SHP_1"));
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    shape->setStyleSheet(
        QStringLiteral("background-color: #8c1c24; border: 3px solid white; border-radius: 6px;"));
    shape->resize(t.x(kShapeWidth), t.y(kShapeHeight));
    shape_ = shape;
}

void F_06_Opzioni::build_difficulty_panel() {
    controls::Panel* panel = build_panel(3, QStringLiteral("FRM_Difficolta"));
    for (int i = 1; i <= 3; ++i) {
        auto* option = new QRadioButton(panel);
        option->setObjectName(QStringLiteral("OPT_Difficolta_%1").arg(i));
        option->setFont(screen_font(8.25));
        // The state says which option is selected; the group is not Qt's.
        option->setAutoExclusive(false);
        option->setGeometry(twips_rect(context_.twips, QRect(360, 480 + 360 * (i - 1), 1800, 330)));
        connect(option, &QRadioButton::clicked, this, [this, i] {
            if (syncing_) return;
            // Only a change of selection runs the option's handler.
            if (!state_.OPT_Difficolta(i).Value) context_.touch([this, i] { events_.set_difficulty(i); });
            sync();
        });
        difficulty_[i] = option;
    }
    difficulty_save_ =
        button(panel, QStringLiteral("CMD_Opzioni_Difficolta_Seleziona"), QRect(2280, 480, 1800, 420));
    connect(difficulty_save_, &controls::ThemeButton::Click, this,
            [this] { context_.touch([this] { events_.save_from_button(); }); });
    difficulty_close_ =
        button(panel, QStringLiteral("CMD_06_Difficolta_Chiudi"), QRect(2280, 1020, 1800, 420));
    connect(difficulty_close_, &controls::ThemeButton::Click, this,
            [this] { context_.touch([this] { events_.CMD_06_Difficolta_Chiudi_Click(); }); });
}

void F_06_Opzioni::build_background_panel() {
    controls::Panel* panel = build_panel(4, QStringLiteral("FRM_Sfondo_Tavolo"));
    QGroupBox* box = frame(panel, QStringLiteral("Frame1"), QRect(120, 360, 7455, 3375));
    frame_captions_[box] = &state_.captions.Frame1;
    background_ = new QComboBox(box);
    background_->setObjectName(QStringLiteral("CMB_Sfondo_Tavolo"));
    background_->setFont(screen_font(8.25));
    background_->setGeometry(twips_rect(context_.twips, QRect(120, 360, 2895, 330)));
    connect(background_, &QComboBox::activated, this, [this](int index) {
        if (syncing_ || index < 0) return;
        const std::string entry = background_->itemText(index).toStdString();
        context_.touch([this, entry] { events_.set_background(entry); });
    });
    background_preview_ = preview(box, QStringLiteral("IMG_Sfondo_Tavolo"), QRect(3240, 240, 4000, 3000));
}

void F_06_Opzioni::build_rules_panel() {
    controls::Panel* panel = build_panel(6, QStringLiteral("FRM_Regole"));
    const table::qt::Twips& t = context_.twips;
    setup::OptionsCaptions& c = state_.captions;
    QGroupBox* scopa = frame(panel, QStringLiteral("FRM_Regole_Scopa"), QRect(120, 360, 7275, 4140));
    frame_captions_[scopa] = &c.FRM_Regole_Scopa;

    const auto check = [this, &t](QWidget* parent, int index, QRect twips) {
        auto* box = new QCheckBox(parent);
        box->setObjectName(QStringLiteral("CHK_Regole_Scopa_%1").arg(index));
        box->setFont(screen_font(8.25));
        box->setGeometry(twips_rect(t, twips));
        connect(box, &QCheckBox::clicked, this, [this, index](bool checked) {
            if (syncing_) return;
            context_.touch([this, index, checked] { events_.set_rule(index, checked); });
        });
        rules_[index] = box;
    };
    QGroupBox* denari = frame(scopa, QStringLiteral("FRM_Punti_Denari"), QRect(120, 300, 2760, 2100));
    frame_captions_[denari] = &c.FRM_Punti_Denari;
    for (int k = 1; k <= 10; ++k) {
        const int column = (k - 1) / 5;
        const int row = (k - 1) % 5;
        check(denari, k, QRect(240 + 1260 * column, 300 + 330 * row, 1260, 330));
    }
    QGroupBox* others = frame(scopa, QStringLiteral("FRM_Altri_Punti"), QRect(120, 2460, 2760, 1560));
    frame_captions_[others] = &c.FRM_Altri_Punti;
    for (int k = 11; k <= 13; ++k) check(others, k, QRect(240, 300 + 360 * (k - 11), 2400, 330));

    QGroupBox* standard = frame(scopa, QStringLiteral("FRM_Regole_Standard"), QRect(3000, 300, 1560, 3720));
    frame_captions_[standard] = &c.FRM_Regole_Standard;
    for (int k = 1; k <= 4; ++k) {
        controls::ThemeButton* preset = button(standard, QStringLiteral("CMD_Regole_Scopa_%1").arg(k),
                                               QRect(120, 360 + 540 * (k - 1), 1320, 420));
        connect(preset, &controls::ThemeButton::Click, this,
                [this, k] { context_.touch([this, k] { events_.CMD_Regole_Scopa_Click(k); }); });
        presets_[k] = preset;
    }

    QGroupBox* suit = frame(scopa, QStringLiteral("FRM_Seme_Denari"), QRect(4680, 300, 2520, 3720));
    frame_captions_[suit] = &c.FRM_Seme_Denari;
    ace_preview_ = preview(suit, QStringLiteral("IMG_Mazzo_Asso"), QRect(860, 480, 795, 1260));
    suit_scroll_ = new QScrollBar(Qt::Horizontal, suit);
    suit_scroll_->setObjectName(QStringLiteral("HSR_Mazzo_Asso"));
    suit_scroll_->setGeometry(twips_rect(t, QRect(360, 1980, 1800, 255)));
    connect(suit_scroll_, &QScrollBar::valueChanged, this, [this](int value) {
        if (syncing_) return;
        context_.touch([this, value] { events_.set_suit(value); });
    });
}

void F_06_Opzioni::sync_panel(controls::Panel* widget, const setup::OptionsPanel& data) {
    show_caption(widget, data.Caption);
    // A panel keeps its design size until its opener gives it one.
    if (data.Width > 0 && data.Height > 0) {
        show_geometry(widget, context_.twips.rect(data.Left, data.Top, data.Width, data.Height));
    }
    show_visible(widget, data.Visible);
}

void F_06_Opzioni::sync_combo(QComboBox* combo, const setup::ComboBox& data) {
    QStringList entries;
    for (const std::string& entry : data.List) entries.push_back(text_of(entry));
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i) shown.push_back(combo->itemText(i));
    if (shown != entries) {
        combo->clear();
        combo->addItems(entries);
    }
    // A text that is no entry of the list (a deck taken out, a stored name that is
    // gone) shows in place of a selection.
    const QString text = text_of(table::Trim(data.Text));
    const int index = entries.indexOf(text);
    if (combo->currentIndex() != index) combo->setCurrentIndex(index);
    if (index < 0 && combo->placeholderText() != text) combo->setPlaceholderText(text);
}

void F_06_Opzioni::sync_preview(QLabel* label, const setup::Preview& data, bool sized) {
    std::string& shown = shown_pictures_[label];
    if (shown != data.Picture) {
        shown = data.Picture;
        // A picture that cannot be loaded shows nothing.
        QPixmap picture;
        if (!data.Picture.empty())
            picture.load(QString::fromStdString(storage::host_path(data.Picture).string()));
        label->setPixmap(picture);
    }
    if (sized) {
        const QPoint at = label->pos();
        const QSize size(context_.twips.x(data.Width), context_.twips.y(data.Height));
        if (label->size() != size) label->setGeometry(QRect(at, size));
    }
}

void F_06_Opzioni::sync() {
    syncing_ = true;
    const table::qt::Twips& t = context_.twips;
    const setup::OptionsCaptions& c = state_.captions;
    if (background_panel_->BackColor2() != state_.BackColor2)
        background_panel_->set_BackColor2(state_.BackColor2);
    show_caption(menu_, c.PNL_Menu_Principale);
    for (const auto& [box, caption] : frame_captions_) {
        const QString now = text_of(*caption);
        if (box->title() != now) box->setTitle(now);
    }
    sync_panel(panels_.at(1), state_.FRM_Mazzo);
    sync_panel(panels_.at(2), state_.FRM_Animazioni);
    sync_panel(panels_.at(3), state_.FRM_Difficolta);
    sync_panel(panels_.at(4), state_.FRM_Sfondo_Tavolo);
    sync_panel(panels_.at(6), state_.FRM_Regole);

    // Deck and back.
    sync_combo(deck_, state_.CMB_Mazzo_Carte);
    show_scroll(cards_scroll_, state_.HSR_Carte);
    for (const auto& [i, label] : card_previews_) sync_preview(label, state_.IMG_Mazzo_Prova(i), true);
    sync_preview(back_preview_, state_.IMG_Mazzo_Dorso, true);

    // Animations.
    for (const auto& [i, slider] : movements_) {
        const setup::Slider& data = state_.SLD_Movimento(i);
        if (slider->tickInterval() != data.TickFrequency) slider->setTickInterval(data.TickFrequency);
        show_scroll(slider, data);
    }
    for (const auto& [i, prova] : try_outs_) show_button(prova, state_.CMD_Movimento_Prova(i));
    show_check(wait_, state_.CHK_Aspetta_Tavolo);
    const QPoint shape(t.x(state_.SHP_1_Left), t.y(state_.SHP_1_Top));
    if (shape_->pos() != shape) shape_->move(shape);
    if (state_.TME_Prove > 0 && !try_out_timer_.isActive()) {
        try_out_timer_.start(state_.TME_Prove);
    } else if (state_.TME_Prove == 0 && try_out_timer_.isActive()) {
        try_out_timer_.stop();
    }

    // Difficulty.
    for (const auto& [i, option] : difficulty_) {
        const setup::OptionButton& data = state_.OPT_Difficolta(i);
        if (option->isChecked() != data.Value) option->setChecked(data.Value);
        show_enabled(option, data.Enabled);
        const QString caption = text_of(data.Caption);
        if (option->text() != caption) option->setText(caption);
    }
    show_button(difficulty_save_, state_.CMD_Opzioni_Difficolta_Seleziona);
    show_button(difficulty_close_, state_.CMD_06_Difficolta_Chiudi);

    // Rules.
    for (const auto& [i, box] : rules_) show_check(box, state_.CHK_Regole_Scopa(i));
    for (const auto& [i, preset] : presets_) show_button(preset, state_.CMD_Regole_Scopa(i));
    show_scroll(suit_scroll_, state_.HSR_Mazzo_Asso);
    sync_preview(ace_preview_, state_.IMG_Mazzo_Asso, true);

    // Background.
    sync_combo(background_, state_.CMB_Sfondo_Tavolo);
    sync_preview(background_preview_, state_.IMG_Sfondo_Tavolo, false);

    bar_->sync();
    for (const auto& [panel, strip] : strips_) strip->sync();
    syncing_ = false;
}

}  // namespace tavolora::screens
