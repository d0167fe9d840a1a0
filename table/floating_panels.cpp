// The panels that float over the card table (scores, captured cards, declarations)
// and the on-table button strip: dragged by their handles, closed by their close
// buttons, brought to the front when the mouse moves over them; the strip closes to
// a small reopen button and opens again from it.

#include <algorithm>

#include "core/numbers.h"
#include "program/program.h"
#include "table/master_events.h"

namespace tavolora::table {

namespace {
// Each drag handle and close button, with the element it belongs to.
struct Floating {
    ControlId handle;
    ControlKey close;
    // The panels' close buttons hide them; the strip's closes it to its reopen button.
    bool close_hides;
    Control& (*element)(MasterWindow&);
};

const Floating kFloating[] = {
    {ControlId::CMD_Muovi_Menu_M, {ControlId::CMD_M_ApriChiudi, 1}, false,
     [](MasterWindow& w) -> Control& { return w.FRM_M_Menu; }},
    {ControlId::CMD_Muovi_PIC_051_Monitor, {ControlId::CMD_Chiudi_PIC_051_Monitor}, true,
     [](MasterWindow& w) -> Control& { return w.PIC_51_Monitor; }},
    {ControlId::CMD_Muovi_PIC_052_Monitor, {ControlId::CMD_Chiudi_PIC_052_Monitor}, true,
     [](MasterWindow& w) -> Control& { return w.PIC_52_Monitor; }},
    {ControlId::CMD_Muovi_PIC_Riepilogo_Accusi, {ControlId::CMD_Chiudi_PIC_Riepilogo_Accusi}, true,
     [](MasterWindow& w) -> Control& { return w.PIC_Riepilogo_Accusi; }},
};

// The element moved back so that its title band, from its top edge down to the foot
// of its handle and close button and across from the one to the other, lies in the
// client area: whoever reaches them can drag it back or close it. The rest of it may
// stand past an edge. The table surface stands at the client area's top left corner,
// so the element's place on it is its place in the client area.
void keep_within_reach(MasterWindow& w, const Floating& f) {
    Control& element = f.element(w);
    const Control& handle = *w.find({f.handle});
    const Control& close = *w.find(f.close);
    const float left = std::min(handle.Left, close.Left);
    const float right = std::max(handle.Left + handle.Width, close.Left + close.Width);
    const float bottom = std::max(handle.Top + handle.Height, close.Top + close.Height);
    element.Left = within_room(element.Left, left, right, w.form.ScaleWidth);
    element.Top = within_room(element.Top, 0, bottom, w.form.ScaleHeight);
}

// The element moves by how far the mouse is from the point pressed on its handle;
// the handle moves with it, so the point pressed stays under the mouse. At an edge of
// the client area the element stops while the mouse goes on; it follows again once
// the mouse comes back to the point pressed.
void drag_by(MasterWindow& w, const Floating& f, const AnimationState& a, const MouseArgs& args) {
    Control& element = f.element(w);
    element.Left = static_cast<float>(element.Left + (args.X - a.Trascinamento_X));
    element.Top = static_cast<float>(element.Top + (args.Y - a.Trascinamento_Y));
    keep_within_reach(w, f);
}

// The element whole inside the client area where it fits, as a panel opens or the
// window shrinks: a drag may leave most of it past an edge, but it never comes back
// as a thin strip there. One larger than the client area starts at its top left
// corner; its title band comes within reach whatever its size.
void bring_inside(MasterWindow& w, const Floating& f) {
    w.keep_whole_inside(f.element(w));
    keep_within_reach(w, f);
}
}  // namespace

void MasterEvents::register_floating_panels() {
    InputDispatcher& input = program_.input;
    for (const Floating& f : kFloating) {
        // Any mouse button drags.
        input.on(f.handle, InputEvent::MouseDown, [this](ControlKey, const MouseArgs& args) {
            AnimationState& a = program_.anim;
            a.Trascinamento_Attivo = true;
            a.Trascinamento_X = args.X;
            a.Trascinamento_Y = Animation::whole_twips(args.Y);
        });
        input.on(f.handle, InputEvent::MouseMove, [this, &f](ControlKey, const MouseArgs& args) {
            if (program_.anim.Trascinamento_Attivo) drag_by(program_.master, f, program_.anim, args);
        });
        input.on(f.handle, InputEvent::MouseUp, [this, &f](ControlKey, const MouseArgs& args) {
            program_.anim.Trascinamento_Attivo = false;
            drag_by(program_.master, f, program_.anim, args);
        });
        Control& (*element)(MasterWindow&) = f.element;
        if (f.close_hides) {
            input.on(f.close.id, InputEvent::Click,
                     [this, element](ControlKey, const MouseArgs&) { element(program_.master).Visible = false; });
        }
        // A move over the element's own surface, not over a control in it, brings it
        // to the front.
        const ControlId surface = element(program_.master).key.id;
        input.on(surface, InputEvent::MouseMove,
                 [this, element](ControlKey, const MouseArgs&) { element(program_.master).ZOrder(0); });
    }
    input.on(ControlId::CMD_M_ApriChiudi, InputEvent::Click,
             [this](ControlKey key, const MouseArgs&) { CMD_M_ApriChiudi_Click(key.index); });
    input.on(ControlId::ThemeButton2, InputEvent::Click, [this](ControlKey, const MouseArgs&) { ThemeButton2_Click(); });
}

void MasterWindow::keep_floating_inside() {
    for (const Floating& f : kFloating) bring_inside(*this, f);
    // The reopen button stands where the strip's close button stood.
    keep_whole_inside(CMD_M_ApriChiudi(0));
}

void MasterWindow::show_floating(Control& element) {
    element.Visible = true;
    for (const Floating& f : kFloating) {
        if (&f.element(*this) == &element) bring_inside(*this, f);
    }
}

void MasterEvents::CMD_M_ApriChiudi_Click(int index) {
    MasterWindow& w = program_.master;
    Control& reopen = w.CMD_M_ApriChiudi(0);
    if (index == 0) {
        reopen.Visible = false;
        program_.animation.Imposta_Menu_Gioco();
        return;
    }
    // The reopen button stands where the strip's close button is seen now.
    const Control& close = w.CMD_M_ApriChiudi(1);
    reopen.Top = w.FRM_M_Menu.Top + close.Top;
    reopen.Left = w.FRM_M_Menu.Left + close.Left;
    reopen.Visible = true;
    program_.animation.Nascondi_Menu_Gioco();
    reopen.Visible = true;
}

void MasterEvents::ThemeButton2_Click() { CMD_M_Carte_Click(); }

}  // namespace tavolora::table
