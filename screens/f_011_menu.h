#pragma once

// The main menu on screen: the current user and game with their arrows, and the
// action icons with their description and sliding highlight, over a gradient in the
// game's colour. What its clicks do is setup::MainMenu's.

#include <QLabel>

#include "controls/gradient_container/grad_container.h"
#include "controls/panel/panel.h"
#include "screens/icon_bar_widget.h"
#include "screens/screen.h"
#include "setup/main_menu.h"

namespace tavolora::screens {

class F_011_Menu : public ScreenWidget {
    Q_OBJECT

public:
    F_011_Menu(ScreenContext& context, setup::MainMenuState& state, setup::MainMenu& events, QWidget* parent);

    void sync() override;

    MousePicture* arrow(int index) const { return arrows_[index - 1]; }
    QLabel* row_label(int row) const { return rows_[row - 1]; }
    IconBarWidget& icon_bar() const { return *bar_; }

private:
    ScreenContext& context_;
    setup::MainMenuState& state_;
    setup::MainMenu& events_;
    controls::GradContainer* background_ = nullptr;
    controls::Panel* choices_ = nullptr;
    controls::Panel* actions_ = nullptr;
    MousePicture* arrows_[4] = {};
    QLabel* rows_[2] = {};
    IconBarWidget* bar_ = nullptr;
};

}  // namespace tavolora::screens
