#pragma once

// The new-user screen on screen: the icon bar ("Crea utente", "Chiudi"), the name
// box and the photo chooser with its preview. What its controls do is
// setup::NewUserScreen's.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <optional>
#include <string>

#include "controls/gradient_container/grad_container.h"
#include "controls/panel/panel.h"
#include "screens/icon_bar_widget.h"
#include "screens/screen.h"
#include "setup/new_user.h"
#include "setup/users_screen.h"

namespace tavolora::screens {

class F_022_Utenti_Nuovo : public ScreenWidget {
    Q_OBJECT

public:
    F_022_Utenti_Nuovo(ScreenContext& context, setup::NewUserScreenState& state, setup::NewUserScreen& events,
                       QWidget* parent);

    void sync() override;

    // The controls, for the tests.
    QLineEdit* name_box() const { return name_; }
    QScrollBar* photo_bar() const { return photos_; }
    QLabel* preview() const { return preview_; }
    IconBarWidget& icon_bar() const { return *bar_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QGroupBox* frame(QWidget* parent, const QString& name, QRect twips);

    ScreenContext& context_;
    setup::NewUserScreenState& state_;
    setup::NewUserScreen& events_;
    // Set while the screen shows its state, so that the widgets' own change signals
    // are not taken for the user's.
    bool syncing_ = false;

    controls::GradContainer* background_ = nullptr;
    controls::Panel* menu_panel_ = nullptr;
    controls::Panel* user_panel_ = nullptr;
    QGroupBox* name_frame_ = nullptr;
    QGroupBox* photo_frame_ = nullptr;
    QLineEdit* name_ = nullptr;
    QScrollBar* photos_ = nullptr;
    QLabel* preview_ = nullptr;
    std::optional<std::string> shown_preview_;
    IconBarWidget* bar_ = nullptr;
};

}  // namespace tavolora::screens
