#pragma once

// A screen's icon bar on screen: the icons, the highlight under them and the
// description label, mirroring a setup::IconBar. Hovers, presses, releases and the
// highlight's timer go to the bar's routines through the input dispatcher; a click
// goes to the screen.

#include <QRect>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <map>
#include <vector>

#include "screens/parts.h"
#include "setup/icon_bar.h"

namespace tavolora::screens {

class IconBarWidget : public QWidget {
    Q_OBJECT

public:
    struct Icon {
        int index;
        storage::icons::IconFile picture;
    };

    // `label` is the description label's place in twips, in the bar's container.
    IconBarWidget(ScreenContext& context, setup::IconBar& bar, const std::vector<Icon>& icons, QRect label_twips,
                  double label_points, std::function<void(int)> clicked, QWidget* parent);

    void sync();

    MousePicture* icon(int index) const;
    QLabel* description() const { return description_; }
    QLabel* highlight() const { return highlight_; }

private:
    void tick();

    ScreenContext& context_;
    setup::IconBar& bar_;
    std::function<void(int)> clicked_;
    QLabel* highlight_ = nullptr;
    QLabel* description_ = nullptr;
    std::map<int, MousePicture*> icons_;
    QTimer timer_;
};

}  // namespace tavolora::screens
