#include "screens/f_011_menu.h"

#include "controls/platform/fit_text.h"

namespace tavolora::screens {

namespace {
// The user's and the game's names: large, and smaller where a long name needs it.
constexpr double kRowPoints = 14.25;

QRect in_pixels(const table::qt::Twips& t, float left, float top, float width, float height) {
    return t.rect(left, top, width, height);
}
}  // namespace

F_011_Menu::F_011_Menu(ScreenContext& context, setup::MainMenuState& state, setup::MainMenu& events,
                       QWidget* parent)
    : ScreenWidget(parent), context_(context), state_(state), events_(events) {
    setObjectName(QStringLiteral("F_011_Menu"));
    const table::qt::Twips& t = context_.twips;

    background_ = screen_background(context_, QStringLiteral("PNL_Sfondo"), state_.BackColor2, this);
    background_->setGeometry(in_pixels(t, 0, 0, 4455, 7130));

    choices_ = titled_panel(context_, QStringLiteral("PNL_Scelte_Primarie"), background_);
    choices_->setGeometry(in_pixels(t, 120, 120, 4215, 2295));
    auto* picture1 = new QWidget(choices_);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setAttribute(Qt::WA_TranslucentBackground);
    picture1->setGeometry(in_pixels(t, 120, 480, 3975, 1695));
    for (int i = 1; i <= 4; ++i) {
        const bool back = i % 2 == 1;
        MousePicture* arrow =
            icon_image(context_, back ? storage::icons::kFrecciaIndietro : storage::icons::kFrecciaAvanti,
                       QStringLiteral("IMG_Icona_Primarie_%1").arg(i), picture1);
        arrow->clicked = [this, i] { context_.play([this, i] { events_.IMG_Icona_Primarie_Click(i); }); };
        arrows_[i - 1] = arrow;
    }
    for (int row = 1; row <= 2; ++row) {
        QLabel* label = screen_label(picture1, kRowPoints, Qt::AlignCenter);
        label->setObjectName(QStringLiteral("LBL_Primarie_%1").arg(row));
        label->setGeometry(in_pixels(t, 840, row == 1 ? 120 : 1080, 2295, 375));
        rows_[row - 1] = label;
    }

    actions_ = titled_panel(context_, QStringLiteral("PNL_Menu_Principale"), background_);
    actions_->setGeometry(in_pixels(t, 240, 2550, 3975, 4455));
    const std::vector<IconBarWidget::Icon> icons = {
        {1, storage::icons::kNuovaPartita}, {2, storage::icons::kUtenti}, {3, storage::icons::kOpzioni},
        {4, storage::icons::kGuida},        {5, storage::icons::kCrediti}, {7, storage::icons::kEsci}};
    bar_ = new IconBarWidget(
        context_, state_.IMG_Icona, icons, QRect(480, 3480, 1695, 375), 12,
        [this](int index) { context_.play([this, index] { events_.IMG_Icona_Click(index); }); }, actions_);
    bar_->setObjectName(QStringLiteral("PIC_Menu_Principale"));
    bar_->setGeometry(in_pixels(t, 600, 480, 2895, 3855));
    sync();
}

void F_011_Menu::sync() {
    const table::qt::Twips& t = context_.twips;
    if (background_->BackColor2() != state_.BackColor2) background_->set_BackColor2(state_.BackColor2);
    const QString choices = QString::fromStdString(state_.PNL_Scelte_Primarie);
    if (choices_->Caption() != choices) choices_->set_Caption(choices);
    const QString actions = QString::fromStdString(state_.PNL_Menu_Principale);
    if (actions_->Caption() != actions) actions_->set_Caption(actions);
    for (int i = 1; i <= 4; ++i) {
        const setup::MenuArrow& place = state_.IMG_Icona_Primarie(i);
        const QPoint at(t.x(place.Left), t.y(place.Top));
        if (arrows_[i - 1]->pos() != at) arrows_[i - 1]->move(at);
    }
    // A name is stored padded with blanks; the label centres the name itself, whole.
    for (int row = 1; row <= 2; ++row)
        controls::show_fitted(*rows_[row - 1], QString::fromStdString(state_.LBL_Primarie(row).Caption),
                              screen_font(kRowPoints));
    bar_->sync();
}

}  // namespace tavolora::screens
