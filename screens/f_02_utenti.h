#pragma once

// The user screen on screen: the icon bar ("Cancella utente", "Crea Utente",
// "Chiudi") and the list of users, one row a user with the photo and the name, the
// selected row marked. What its clicks do is setup::UserScreen's.

#include <QFrame>
#include <QLabel>
#include <QPixmap>

#include <optional>
#include <string>
#include <vector>

#include "controls/gradient_container/grad_container.h"
#include "controls/panel/panel.h"
#include "screens/icon_bar_widget.h"
#include "screens/screen.h"
#include "setup/users.h"
#include "setup/users_screen.h"

namespace tavolora::screens {

class F_02_Utenti : public ScreenWidget {
    Q_OBJECT

public:
    F_02_Utenti(ScreenContext& context, setup::UsersScreenState& state, setup::UserScreen& events,
                QWidget* parent);

    void sync() override;

    // The controls, for the tests.
    int rows() const { return static_cast<int>(rows_.size()); }
    MousePicture* photo(int row) const { return rows_.at(static_cast<std::size_t>(row)).photo; }
    MousePicture* name(int row) const { return rows_.at(static_cast<std::size_t>(row)).name; }
    QFrame* mark() const { return mark_; }
    IconBarWidget& icon_bar() const { return *bar_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Row {
        MousePicture* photo = nullptr;
        MousePicture* name = nullptr;
        // What the row shows, so that a sync loads a photo or fits a name only when
        // it changed.
        std::optional<std::string> shown_photo;
        std::optional<std::string> shown_name;
    };

    void add_row(int index);
    void show_photo(Row& row, const std::string& path);

    ScreenContext& context_;
    setup::UsersScreenState& state_;
    setup::UserScreen& events_;
    controls::GradContainer* background_ = nullptr;
    controls::Panel* menu_panel_ = nullptr;
    controls::Panel* users_panel_ = nullptr;
    QFrame* mark_ = nullptr;
    std::vector<Row> rows_;
    IconBarWidget* bar_ = nullptr;
};

}  // namespace tavolora::screens
