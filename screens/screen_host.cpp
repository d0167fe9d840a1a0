#include "screens/screen_host.h"

#include "screens/f_011_menu.h"
#include "screens/f_022_utenti_nuovo.h"
#include "screens/f_02_utenti.h"
#include "screens/f_040_partita.h"
#include "screens/f_06_opzioni.h"
#include "screens/f_08_crediti.h"
#include "screens/f_12_help.h"

namespace tavolora::screens {

ScreenHost::ScreenHost(const table::ChildScreens& screens, setup::Setup& s, ScreenContext context, QWidget* area)
    : screens_(screens), area_(area), context_(std::move(context)) {
    entries_.push_back({table::Screen::F_011_Menu, [this, &s](QWidget* parent) -> ScreenWidget* {
                            return new F_011_Menu(context_, s.main_menu, s.main_menu_events, parent);
                        }, nullptr, QRect()});
    entries_.push_back({table::Screen::F_040_Partita, [this, &s](QWidget* parent) -> ScreenWidget* {
                            return new F_040_Partita(context_, s.setup_screen, s.match_setup, parent);
                        }, nullptr, QRect()});
    entries_.push_back({table::Screen::F_02_Utenti, [this, &s](QWidget* parent) -> ScreenWidget* {
                            return new F_02_Utenti(context_, s.users_screen, s.users, parent);
                        }, nullptr, QRect()});
    entries_.push_back({table::Screen::F_022_Utenti_Nuovo, [this, &s](QWidget* parent) -> ScreenWidget* {
                            return new F_022_Utenti_Nuovo(context_, s.new_user_screen, s.new_user, parent);
                        }, nullptr, QRect()});
    entries_.push_back({table::Screen::F_06_Opzioni, [this, &s](QWidget* parent) -> ScreenWidget* {
                            return new F_06_Opzioni(context_, s.options, s.options_events, parent);
                        }, nullptr, QRect()});
    entries_.push_back({table::Screen::F_12_Help, [this, &s](QWidget* parent) -> ScreenWidget* {
                            return new F_12_Help(context_, s.help_screen, s.help_events, parent);
                        }, nullptr, QRect()});
    entries_.push_back({table::Screen::F_08_Crediti, [this, &s](QWidget* parent) -> ScreenWidget* {
                            return new F_08_Crediti(context_, s.credits_screen, s.credits_events, parent);
                        }, nullptr, QRect()});
}

ScreenWidget* ScreenHost::screen(table::Screen id) const {
    for (const Entry& entry : entries_) {
        if (entry.id == id) return entry.widget;
    }
    return nullptr;
}

void ScreenHost::sync() {
    // A handler run from a screen's sync would come back here: once is enough.
    if (syncing_) return;
    syncing_ = true;
    for (Entry& entry : entries_) {
        const table::ChildScreen& data = screens_(entry.id);
        if (!data.loaded) {
            if (entry.widget) {
                // The screen may be inside its own event handler: it goes once that ends.
                entry.widget->hide();
                entry.widget->deleteLater();
                entry.widget = nullptr;
            }
            continue;
        }
        if (!entry.widget) {
            entry.widget = entry.make(area_);
            entry.geometry = QRect();
        }
        ScreenWidget* widget = entry.widget;
        const QRect geometry = context_.twips.rect(data.Left, data.Top, data.Width, data.Height);
        if (geometry != entry.geometry) {
            widget->setGeometry(geometry);
            entry.geometry = geometry;
        }
        widget->sync();
        if (widget->isVisibleTo(area_) != data.Visible) {
            widget->setVisible(data.Visible);
            // A screen stands over the card table.
            if (data.Visible) widget->raise();
        }
    }
    syncing_ = false;
}

}  // namespace tavolora::screens
