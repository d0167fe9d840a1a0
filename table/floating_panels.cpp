// The panels that float over the card table (scores, captured cards, declarations)
// and the on-table button strip: dragged by their handles, closed by their close
// buttons, brought to the front when the mouse moves over them; the strip closes to
// a small reopen button and opens again from it.

#include "core/numbers.h"
#include "program/program.h"
#include "table/master_events.h"

namespace tavolora::table {

namespace {
// Each drag handle and close button, with the element it belongs to.
struct Floating {
    ControlId handle;
    ControlId close;  // ControlId::Count: the strip, which closes otherwise
    Control& (*element)(MasterWindow&);
};

const Floating kFloating[] = {
    {ControlId::CMD_Muovi_Menu_M, ControlId::Count, [](MasterWindow& w) -> Control& { return w.FRM_M_Menu; }},
    {ControlId::CMD_Muovi_PIC_051_Monitor, ControlId::CMD_Chiudi_PIC_051_Monitor,
     [](MasterWindow& w) -> Control& { return w.PIC_51_Monitor; }},
    {ControlId::CMD_Muovi_PIC_052_Monitor, ControlId::CMD_Chiudi_PIC_052_Monitor,
     [](MasterWindow& w) -> Control& { return w.PIC_52_Monitor; }},
    {ControlId::CMD_Muovi_PIC_Riepilogo_Accusi, ControlId::CMD_Chiudi_PIC_Riepilogo_Accusi,
     [](MasterWindow& w) -> Control& { return w.PIC_Riepilogo_Accusi; }},
};

// The element moves by how far the mouse is from the point pressed on its handle;
// the handle moves with it, so the point pressed stays under the mouse.
void drag_by(Control& element, const AnimationState& a, const MouseArgs& args) {
    element.Left = static_cast<float>(element.Left + (args.X - a.Trascinamento_X));
    element.Top = static_cast<float>(element.Top + (args.Y - a.Trascinamento_Y));
}
}  // namespace

void MasterEvents::register_floating_panels() {
    InputDispatcher& input = program_.input;
    for (const Floating& f : kFloating) {
        Control& (*element)(MasterWindow&) = f.element;
        // Any mouse button drags.
        input.on(f.handle, InputEvent::MouseDown, [this](ControlKey, const MouseArgs& args) {
            AnimationState& a = program_.anim;
            a.Trascinamento_Attivo = true;
            a.Trascinamento_X = args.X;
            a.Trascinamento_Y = Animation::whole_twips(args.Y);
        });
        input.on(f.handle, InputEvent::MouseMove, [this, element](ControlKey, const MouseArgs& args) {
            if (program_.anim.Trascinamento_Attivo) drag_by(element(program_.master), program_.anim, args);
        });
        input.on(f.handle, InputEvent::MouseUp, [this, element](ControlKey, const MouseArgs& args) {
            program_.anim.Trascinamento_Attivo = false;
            drag_by(element(program_.master), program_.anim, args);
        });
        if (f.close != ControlId::Count) {
            input.on(f.close, InputEvent::Click,
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
