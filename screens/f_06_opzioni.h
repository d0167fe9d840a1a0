#pragma once

// The options screen on screen: the icon bar on the left, and on the right the one
// open panel (deck and back with their previews, animations with the try-out shape,
// difficulty, table background, Scopa's rules), each with its sub-menu strip of a
// save and a close icon. What its controls do is setup::Options'.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>

#include <map>
#include <string>

#include "controls/button/theme_button.h"
#include "controls/gradient_container/grad_container.h"
#include "controls/panel/panel.h"
#include "screens/icon_bar_widget.h"
#include "screens/screen.h"
#include "setup/options.h"
#include "setup/options_state.h"

namespace tavolora::screens {

// A panel's sub-menu strip: the save icon (its picture says whether the panel's
// settings are stored), the close icon, the description between them and the
// highlight that slides under the hovered one. Its icons have no pressed look.
class SubMenuWidget : public QWidget {
    Q_OBJECT

public:
    SubMenuWidget(ScreenContext& context, setup::OptionsState& state, setup::Options& events, int panel,
                  QWidget* parent);

    void sync();

    MousePicture* save_icon() const { return save_; }
    MousePicture* close_icon() const { return close_; }
    QLabel* description() const { return description_; }
    QLabel* highlight() const { return highlight_; }
    // Whether the save icon shows the check picture.
    bool shows_saved() const { return shows_saved_; }

private:
    const setup::SubMenuStrip& strip() const { return state_.PNL_SubMenu_Opzioni(panel_); }

    ScreenContext& context_;
    setup::OptionsState& state_;
    setup::Options& events_;
    int panel_;
    QLabel* highlight_ = nullptr;
    MousePicture* save_ = nullptr;
    MousePicture* close_ = nullptr;
    QLabel* description_ = nullptr;
    QPixmap plain_;
    QPixmap check_;
    bool shows_saved_ = false;
    QTimer timer_;
};

class F_06_Opzioni : public ScreenWidget {
    Q_OBJECT

public:
    F_06_Opzioni(ScreenContext& context, setup::OptionsState& state, setup::Options& events, QWidget* parent);

    void sync() override;

    // The controls, for the tests.
    IconBarWidget& icon_bar() const { return *bar_; }
    SubMenuWidget* strip(int panel) const { return strips_.at(panel); }
    controls::Panel* panel(int number) const { return panels_.at(number); }
    QComboBox* deck_list() const { return deck_; }
    QScrollBar* cards_scroll() const { return cards_scroll_; }
    QLabel* card_preview(int i) const { return card_previews_.at(i); }
    QLabel* back_preview() const { return back_preview_; }
    QSlider* movement(int i) const { return movements_.at(i); }
    controls::ThemeButton* try_out(int i) const { return try_outs_.at(i); }
    QCheckBox* wait_for_click() const { return wait_; }
    QWidget* try_out_shape() const { return shape_; }
    QRadioButton* difficulty(int i) const { return difficulty_.at(i); }
    controls::ThemeButton* difficulty_save() const { return difficulty_save_; }
    controls::ThemeButton* difficulty_close() const { return difficulty_close_; }
    QCheckBox* rule(int i) const { return rules_.at(i); }
    controls::ThemeButton* preset(int i) const { return presets_.at(i); }
    QScrollBar* suit_scroll() const { return suit_scroll_; }
    QLabel* ace_preview() const { return ace_preview_; }
    QComboBox* background_list() const { return background_; }
    QLabel* background_preview() const { return background_preview_; }

private:
    QGroupBox* frame(QWidget* parent, const QString& name, QRect twips);
    controls::ThemeButton* button(QWidget* parent, const QString& name, QRect twips);
    QLabel* preview(QWidget* parent, const QString& name, QRect twips);
    void build_menu();
    controls::Panel* build_panel(int number, const QString& name);
    void build_deck_panel();
    void build_animation_panel();
    void build_difficulty_panel();
    void build_background_panel();
    void build_rules_panel();
    void sync_panel(controls::Panel* widget, const setup::OptionsPanel& data);
    void sync_combo(QComboBox* combo, const setup::ComboBox& data);
    // A preview shows its picture, loaded again only when its file changes, stretched
    // to its size.
    void sync_preview(QLabel* label, const setup::Preview& data, bool sized);

    ScreenContext& context_;
    setup::OptionsState& state_;
    setup::Options& events_;
    // Set while the screen shows its state, so that the widgets' own change signals
    // are not taken for the user's.
    bool syncing_ = false;

    controls::GradContainer* background_panel_ = nullptr;
    controls::Panel* menu_ = nullptr;
    IconBarWidget* bar_ = nullptr;
    std::map<int, controls::Panel*> panels_;
    std::map<int, SubMenuWidget*> strips_;
    std::map<QGroupBox*, const std::string*> frame_captions_;
    std::map<QLabel*, std::string> shown_pictures_;

    QComboBox* deck_ = nullptr;
    QScrollBar* cards_scroll_ = nullptr;
    std::map<int, QLabel*> card_previews_;
    QLabel* back_preview_ = nullptr;

    std::map<int, QSlider*> movements_;
    std::map<int, controls::ThemeButton*> try_outs_;
    QCheckBox* wait_ = nullptr;
    QWidget* shape_ = nullptr;
    QTimer try_out_timer_;

    std::map<int, QRadioButton*> difficulty_;
    controls::ThemeButton* difficulty_save_ = nullptr;
    controls::ThemeButton* difficulty_close_ = nullptr;

    std::map<int, QCheckBox*> rules_;
    std::map<int, controls::ThemeButton*> presets_;
    QScrollBar* suit_scroll_ = nullptr;
    QLabel* ace_preview_ = nullptr;

    QComboBox* background_ = nullptr;
    QLabel* background_preview_ = nullptr;
};

}  // namespace tavolora::screens
