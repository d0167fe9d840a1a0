#pragma once

// The credits screen on screen: the program's name between two decorations, the
// maker's block with its picture, web address and mail address, the publisher's
// block, the two link icons and the close icon, over a gradient in the game's colour.
// Every address, picture and icon opens its link through setup::Credits.

#include <QGroupBox>
#include <QLabel>

#include <functional>
#include <map>
#include <string>

#include "controls/gradient_container/grad_container.h"
#include "controls/panel/panel.h"
#include "screens/parts.h"
#include "screens/screen.h"
#include "setup/credits.h"

namespace tavolora::screens {

class F_08_Crediti : public ScreenWidget {
    Q_OBJECT

public:
    F_08_Crediti(ScreenContext& context, setup::CreditsScreenState& state, setup::Credits& events,
                 QWidget* parent);

    void sync() override;

    // A control by its name (Image1, LBL_Sito_Web, Label8, IMG_Icona_1...), for the tests.
    MousePicture* clickable(const QString& name) const;
    QLabel* label(const QString& name) const;

private:
    QGroupBox* frame(QWidget* parent, const QString& name, QRect twips);
    // A label of the screen that shows `text` (a member of the state).
    QLabel* text(QWidget* parent, const QString& name, QRect twips, const std::string& shown, double points,
                 Qt::Alignment alignment, bool bold = false);
    // A label that opens a link when clicked, drawn as a link.
    MousePicture* link(QWidget* parent, const QString& name, QRect twips, const std::string& shown,
                       Qt::Alignment alignment, void (setup::Credits::*click)());
    MousePicture* picture(QWidget* parent, const QString& name, const storage::icons::IconFile& icon,
                          QPoint twips, const std::function<void()>& click);

    ScreenContext& context_;
    setup::CreditsScreenState& state_;
    setup::Credits& events_;

    controls::GradContainer* background_ = nullptr;
    controls::Panel* title_ = nullptr;
    // The labels and the state's text each shows.
    std::map<QLabel*, const std::string*> texts_;
    std::map<QGroupBox*, const std::string*> frames_;
    std::map<QString, MousePicture*> clickables_;
    std::map<int, MousePicture*> icons_;
};

}  // namespace tavolora::screens
