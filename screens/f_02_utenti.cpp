#include "screens/f_02_utenti.h"

#include <QResizeEvent>

#include "controls/platform/fit_text.h"
#include "controls/platform/fonts.h"
#include "storage/host_path.h"

namespace tavolora::screens {

namespace {
// Inside the users' panel, in twips: the photo at Left 120, 735 a side; the name at
// Left 960, 1335 wide and 615 high; the row's Top is the state's.
constexpr float kPhotoLeft = 120;
constexpr float kPhotoSide = 735;
constexpr float kNameLeft = 960;
constexpr float kNameWidth = 1335;
constexpr float kNameHeight = 615;
// The names' font, and the lines a name may take in its row.
constexpr double kNamePoints = 9.75;
constexpr int kNameLines = 2;

QRect twips_rect(const table::qt::Twips& t, float left, float top, float width, float height) {
    return t.rect(left, top, width, height);
}

// The name in the names' font, as large as lets it show whole in its label on at
// most two lines, broken only between words.
void show_name(QLabel* label, const std::string& name) {
    controls::show_fitted(*label, QString::fromStdString(name),
                          controls::form_font(QStringLiteral("Arial Black"), kNamePoints), kNameLines);
}
}  // namespace

F_02_Utenti::F_02_Utenti(ScreenContext& context, setup::UsersScreenState& state, setup::UserScreen& events,
                         QWidget* parent)
    : ScreenWidget(parent), context_(context), state_(state), events_(events) {
    setObjectName(QStringLiteral("F_02_Utenti"));
    const table::qt::Twips& t = context_.twips;
    background_ = screen_background(context_, QStringLiteral("PNL_Sfondo"), state_.BackColor2, this);

    menu_panel_ = titled_panel(context_, QStringLiteral("PNL_Scelte_Primarie"), background_);
    menu_panel_->setGeometry(twips_rect(t, 120, 120, 2175, 3015));
    bar_ = new IconBarWidget(
        context_, state_.IMG_Icona,
        {{1, storage::icons::kUtenteCancella},
         {2, storage::icons::kUtenteNuovo},
         {3, storage::icons::kChiudi}},
        QRect(0, 1980, 1935, 375), 12,
        [this](int index) { context_.play([this, index] { events_.IMG_Icona_Click(index); }); }, menu_panel_);
    bar_->setObjectName(QStringLiteral("PIC_Menu"));
    bar_->setGeometry(twips_rect(t, 120, 480, 1935, 2415));

    users_panel_ = titled_panel(context_, QStringLiteral("FRM_Utente"), background_);
    // The mark lies under the rows, so that a click on it reaches the row.
    mark_ = new QFrame(users_panel_);
    mark_->setObjectName(QStringLiteral("Rec"));
    mark_->setAttribute(Qt::WA_TransparentForMouseEvents);
    mark_->setStyleSheet(
        QStringLiteral("QFrame#Rec { border: 2px solid rgb(0, 0, 128); border-radius: 6px;"
                       " background: rgba(255, 255, 255, 110); }"));
    mark_->hide();
    sync();
}

void F_02_Utenti::resizeEvent(QResizeEvent* event) {
    ScreenWidget::resizeEvent(event);
    background_->setGeometry(rect());
}

void F_02_Utenti::add_row(int index) {
    const table::qt::Twips& t = context_.twips;
    Row row;
    row.photo = new MousePicture(users_panel_);
    row.photo->setObjectName(QStringLiteral("PIC_Utente_%1").arg(index));
    row.photo->setAttribute(Qt::WA_TranslucentBackground, false);
    // A photo that cannot be shown leaves its frame empty.
    row.photo->setFrameShape(QFrame::Box);
    row.photo->setScaledContents(true);
    row.photo->resize(t.x(kPhotoSide), t.y(kPhotoSide));
    row.photo->setCursor(Qt::PointingHandCursor);
    row.photo->clicked = [this, index] {
        context_.touch([this, index] { events_.PIC_Utente_Click(index); });
    };
    row.name = new MousePicture(users_panel_);
    row.name->setObjectName(QStringLiteral("LBL_Utente_%1").arg(index));
    row.name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    row.name->resize(t.x(kNameWidth), t.y(kNameHeight));
    row.name->setCursor(Qt::PointingHandCursor);
    row.name->clicked = [this, index] { context_.touch([this, index] { events_.LBL_Utente_Click(index); }); };
    row.photo->show();
    row.name->show();
    rows_.push_back(row);
}

void F_02_Utenti::show_photo(Row& row, const std::string& path) {
    if (row.shown_photo == path) return;
    row.shown_photo = path;
    QPixmap picture;
    if (!path.empty()) picture.load(QString::fromStdString(storage::host_path(path).string()));
    if (picture.isNull()) {
        row.photo->clear();
    } else {
        row.photo->setPixmap(picture);
    }
}

void F_02_Utenti::sync() {
    const table::qt::Twips& t = context_.twips;
    if (background_->BackColor2() != state_.BackColor2) background_->set_BackColor2(state_.BackColor2);
    const QString title = QString::fromStdString(state_.Caption);
    if (windowTitle() != title) setWindowTitle(title);
    const QString menu = QString::fromStdString(state_.PNL_Scelte_Primarie);
    if (menu_panel_->Caption() != menu) menu_panel_->set_Caption(menu);
    const QString users = QString::fromStdString(state_.FRM_Utente);
    if (users_panel_->Caption() != users) users_panel_->set_Caption(users);
    show_geometry(users_panel_, twips_rect(t, 2400, 120, 2535, state_.FRM_Utente_Height));

    while (rows_.size() > state_.rows.size()) {
        delete rows_.back().photo;
        delete rows_.back().name;
        rows_.pop_back();
    }
    while (rows_.size() < state_.rows.size()) add_row(static_cast<int>(rows_.size()));
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const setup::UserRow& data = state_.rows[i];
        Row& row = rows_[i];
        const QPoint photo_at(t.x(kPhotoLeft), t.y(data.Top));
        if (row.photo->pos() != photo_at) row.photo->move(photo_at);
        const QPoint name_at(t.x(kNameLeft), t.y(data.Top));
        if (row.name->pos() != name_at) row.name->move(name_at);
        if (row.shown_name != data.LBL_Utente) {
            show_name(row.name, data.LBL_Utente);
            row.shown_name = data.LBL_Utente;
        }
        show_photo(row, data.PIC_Utente);
    }

    const setup::SelectionMark& rec = state_.Rec;
    show_geometry(mark_, twips_rect(t, rec.Left, rec.Top, rec.Width, rec.Height));
    show_visible(mark_, rec.Visible);
    bar_->sync();
}

}  // namespace tavolora::screens
