#pragma once

// The help screen on screen: the topic tree of the current game's help file beside
// the list of the clicked topic's lines, in a titled frame over a gradient in the
// game's colour, and the close icon at the foot. What its clicks do is
// setup::HelpScreen's.

#include <QListWidget>
#include <QTreeWidget>

#include <string>
#include <vector>

#include "controls/gradient_container/grad_container.h"
#include "controls/panel/panel.h"
#include "screens/icon_bar_widget.h"
#include "screens/screen.h"
#include "setup/help_screen.h"

namespace tavolora::screens {

class F_12_Help : public ScreenWidget {
    Q_OBJECT

public:
    F_12_Help(ScreenContext& context, setup::HelpScreenState& state, setup::HelpScreen& events,
              QWidget* parent);

    void sync() override;

    // The controls, for the tests.
    QTreeWidget* tree() const { return tree_; }
    QListWidget* text() const { return text_; }
    IconBarWidget& icon_bar() const { return *bar_; }
    // The tree's item of a key, or nothing.
    QTreeWidgetItem* node(const std::string& key) const;

private:
    void sync_tree();
    void sync_text();

    ScreenContext& context_;
    setup::HelpScreenState& state_;
    setup::HelpScreen& events_;

    controls::GradContainer* background_ = nullptr;
    controls::Panel* frame_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QListWidget* text_ = nullptr;
    IconBarWidget* bar_ = nullptr;
    // What the tree and the list show, to change only what differs.
    std::vector<storage::HelpNode> shown_nodes_;
    std::vector<std::string> shown_lines_;
};

}  // namespace tavolora::screens
