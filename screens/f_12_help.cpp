#include "screens/f_12_help.h"

#include <QHeaderView>

#include <algorithm>
#include <map>

#include "controls/platform/fonts.h"

namespace tavolora::screens {

namespace {

QRect twips_rect(const table::qt::Twips& t, float left, float top, float width, float height) {
    return t.rect(left, top, width, height);
}

// The frame and, inside it, the tree and the list side by side. The list is wide
// enough for the widest line of a help file in its font, with its scroll bar.
constexpr float kFrameLeft = 120, kFrameTop = 120, kFrameWidth = 9960, kFrameHeight = 6405;
constexpr float kInnerTop = 420, kInnerHeight = 5865, kMargin = 120;
constexpr float kTreeWidth = 2880;
constexpr float kListWidth = kFrameWidth - kTreeWidth - 3 * kMargin;
// "Chiudi" beside the close icon.
constexpr float kLabelLeft = 960, kLabelTop = 6825, kLabelWidth = 1800, kLabelHeight = 375;

// The help files are written in columns, so the list keeps them in a fixed-pitch font.
QFont list_font() {
    return controls::form_font(QStringLiteral("Courier New"), 7.5, false);
}

constexpr int kKeyRole = Qt::UserRole;

}  // namespace

F_12_Help::F_12_Help(ScreenContext& context, setup::HelpScreenState& state, setup::HelpScreen& events,
                     QWidget* parent)
    : ScreenWidget(parent), context_(context), state_(state), events_(events) {
    setObjectName(QStringLiteral("F_12_Help"));
    const table::qt::Twips& t = context_.twips;
    background_ =
        screen_background(context_, QStringLiteral("Sfondo_12"), state_.BackColor2, this, BackgroundLook::Plain);
    background_->setGeometry(twips_rect(t, 0, 0, setup::kHelpWidth, setup::kHelpHeight));

    // The icon's container is the whole screen, under the frame, so the icon stands
    // at its place in the screen.
    bar_ = new IconBarWidget(
        context_, state_.IMG_Icona, {{3, storage::icons::kChiudi}},
        QRect(static_cast<int>(kLabelLeft), static_cast<int>(kLabelTop), static_cast<int>(kLabelWidth),
              static_cast<int>(kLabelHeight)),
        12,
        // Closing starts nothing, so it also ends a topic that is still being listed.
        [this](int index) { context_.touch([this, index] { events_.IMG_Icona_Click(index); }); },
        background_);
    bar_->setObjectName(QStringLiteral("IMG_Icona"));
    bar_->setGeometry(twips_rect(t, 0, 0, setup::kHelpWidth, setup::kHelpHeight));
    bar_->description()->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    frame_ = titled_panel(context_, QStringLiteral("FRM_Help"), background_);
    frame_->setGeometry(twips_rect(t, kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight));

    tree_ = new QTreeWidget(frame_);
    tree_->setObjectName(QStringLiteral("TVW_Help"));
    tree_->setFont(screen_font(8.25));
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setGeometry(twips_rect(t, kMargin, kInnerTop, kTreeWidth, kInnerHeight));
    // A title too long for the tree ends in an ellipsis, whole in its tooltip, rather
    // than make the tree scroll sideways.
    tree_->setIndentation(14);
    tree_->setTextElideMode(Qt::ElideRight);
    tree_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tree_->header()->setStretchLastSection(true);
    // The text follows the highlighted node however it got there: a click, the arrow
    // keys, Home, End, Page Up or Page Down. A click moves the highlight as it presses,
    // so it is listed then, once; a click on the node already highlighted finds its
    // topic on the list.
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item == nullptr) return;
        const std::string key = item->data(0, kKeyRole).toString().toStdString();
        // The listing lets events run, and one of them may close this screen: the
        // screen host lets it go only once this node has been handled.
        context_.play([this, &key] { events_.TVW_Help_NodeClick(key); });
    });

    text_ = new QListWidget(frame_);
    text_->setObjectName(QStringLiteral("TXT_Help"));
    text_->setFont(list_font());
    text_->setUniformItemSizes(true);
    text_->setGeometry(twips_rect(t, kMargin + kTreeWidth + kMargin, kInnerTop, kListWidth, kInnerHeight));
    sync();
}

QTreeWidgetItem* F_12_Help::node(const std::string& key) const {
    const QString wanted = QString::fromStdString(key);
    for (QTreeWidgetItemIterator it(tree_); *it != nullptr; ++it) {
        if ((*it)->data(0, kKeyRole).toString() == wanted) return *it;
    }
    return nullptr;
}

void F_12_Help::sync_tree() {
    if (shown_nodes_ != state_.TVW_Help) {
        tree_->clear();
        std::map<std::string, QTreeWidgetItem*> items;
        for (const storage::HelpNode& n : state_.TVW_Help) {
            QTreeWidgetItem* item = nullptr;
            if (n.parent.empty()) {
                item = new QTreeWidgetItem(tree_);
            } else {
                const auto parent = items.find(n.parent);
                if (parent == items.end()) continue;
                item = new QTreeWidgetItem(parent->second);
            }
            const QString text = QString::fromStdString(n.text);
            item->setText(0, text);
            item->setToolTip(0, text);
            item->setData(0, kKeyRole, QString::fromStdString(n.key));
            items[n.key] = item;
        }
        // Every section in sight: a click on a chapter lists nothing, so its sections
        // are not hidden behind it.
        tree_->expandAll();
        shown_nodes_ = state_.TVW_Help;
    }
    const bool was_enabled = tree_->isEnabled();
    show_enabled(tree_, state_.TVW_Help_Enabled);
    // The tree takes the keyboard back once a topic is listed.
    if (!was_enabled && state_.TVW_Help_Enabled) tree_->setFocus();
}

void F_12_Help::sync_text() {
    const std::vector<std::string>& lines = state_.TXT_Help;
    // While a topic is listed the list only grows: the new lines are added below.
    const bool grows = lines.size() >= shown_lines_.size() &&
                       std::equal(shown_lines_.begin(), shown_lines_.end(), lines.begin());
    if (grows && lines.size() == shown_lines_.size()) return;
    if (!grows) {
        text_->clear();
        shown_lines_.clear();
    }
    for (std::size_t i = shown_lines_.size(); i < lines.size(); ++i)
        text_->addItem(QString::fromStdString(lines[i]));
    shown_lines_ = lines;
}

void F_12_Help::sync() {
    if (background_->BackColor2() != state_.BackColor2) background_->set_BackColor2(state_.BackColor2);
    const QString caption = QString::fromStdString(state_.FRM_Help);
    if (frame_->Caption() != caption) frame_->set_Caption(caption);
    sync_tree();
    sync_text();
    bar_->sync();
}

}  // namespace tavolora::screens
