#pragma once

// The match set-up screen on screen: the kind of match between its arrows, the
// players, who plays first, the names and the direction, the targets with their
// sliders and boxes, Camicia's options, and the icon bar with "Chiudi" and
// "Gioca!". What its controls do is setup::MatchSetup's.

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

#include <map>

#include "controls/gradient_container/grad_container.h"
#include "controls/panel/panel.h"
#include "screens/icon_bar_widget.h"
#include "screens/screen.h"
#include "setup/match_setup.h"
#include "setup/setup_screen.h"

namespace tavolora::screens {

class F_040_Partita : public ScreenWidget {
    Q_OBJECT

public:
    F_040_Partita(ScreenContext& context, setup::SetupScreenState& state, setup::MatchSetup& events,
                  QWidget* parent);

    void sync() override;

    // The controls, for the tests.
    QRadioButton* players(int count) const { return players_.at(count); }
    QRadioButton* first_player(int seat) const { return first_.at(seat); }
    QRadioButton* direction(int index) const { return direction_.at(index); }
    QRadioButton* camicia_kind(int index) const { return camicia_.at(index); }
    QLineEdit* name(int seat) const { return names_.at(seat); }
    QSlider* points_slider() const { return points_.slider; }
    QLineEdit* points_box() const { return points_.box; }
    QSlider* games_slider() const { return games_.slider; }
    QLineEdit* games_box() const { return games_.box; }
    QSlider* camicia_count_slider() const { return camicia_count_box_.slider; }
    QLineEdit* camicia_count_box() const { return camicia_count_box_.box; }
    QCheckBox* stop_at_target() const { return stop_; }
    MousePicture* mode_arrow(int index) const { return arrows_.at(index); }
    QLabel* mode_label() const { return mode_; }
    IconBarWidget& icon_bar() const { return *bar_; }

private:
    struct SliderBox {
        QSlider* slider = nullptr;
        QLineEdit* box = nullptr;
    };

    QGroupBox* frame(QWidget* parent, const QString& name, QRect twips);
    QRadioButton* option(QWidget* parent, const QString& name, QRect twips, std::function<bool()> selected,
                         std::function<void()> select);
    SliderBox slider_box(QWidget* parent, const QString& name, QRect slider_twips, QRect box_twips,
                         setup::TextBox& box, void (setup::MatchSetup::*set)(int));
    void build_mode_panel();
    void build_general_panel();
    void build_camicia_panel();
    void build_target_panels();
    void build_icon_bar();
    void sync_slider(const SliderBox& widgets, const setup::Slider& slider, const setup::TextBox& box);
    static void sync_option(QRadioButton* button, const setup::OptionButton& option);
    // Who plays first, option k: its name fitted, the option sized to it.
    void sync_seat(int k, QRadioButton* button, const setup::OptionButton& option);
    static void sync_box(QLineEdit* box, const setup::TextBox& text);
    // An opponent's name: its font shrinks while a long name needs it.
    static void sync_name_box(QLineEdit* box, const setup::TextBox& text);

    ScreenContext& context_;
    setup::SetupScreenState& state_;
    setup::MatchSetup& events_;
    // Set while the screen shows its state, so that the widgets' own change signals
    // are not taken for the user's.
    bool syncing_ = false;

    controls::GradContainer* background_ = nullptr;
    controls::Panel* mode_panel_ = nullptr;
    controls::Panel* general_ = nullptr;
    controls::Panel* camicia_panel_ = nullptr;
    controls::Panel* points_panel_ = nullptr;
    controls::Panel* games_panel_ = nullptr;
    controls::Panel* menu_panel_ = nullptr;
    std::map<QGroupBox*, const std::string*> frame_captions_;
    std::map<int, QRadioButton*> players_;
    std::map<int, QRadioButton*> first_;
    std::map<int, QRadioButton*> direction_;
    std::map<int, QRadioButton*> camicia_;
    std::map<int, QLineEdit*> names_;
    std::map<int, QLabel*> name_labels_;
    std::map<int, MousePicture*> arrows_;
    QGroupBox* camicia_count_ = nullptr;
    SliderBox points_;
    SliderBox games_;
    SliderBox camicia_count_box_;
    QCheckBox* stop_ = nullptr;
    QLabel* mode_ = nullptr;
    IconBarWidget* bar_ = nullptr;
};

}  // namespace tavolora::screens
