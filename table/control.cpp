#include "table/control.h"

#include <array>

#include "core/fatal.h"

namespace tavolora::table {

namespace {
constexpr std::array<std::string_view, kControlIdCount> kNames = {
    "PIC_Tavolo",
    "IMG_Sfondo_Tavolo",
    "IMG_Sfondo_Tavolo_temp",
    "P",
    "P_A",
    "T_Anim",
    "LBL_Parola_Tresette",
    "PIC_Parola_Tiro",
    "CMD_Parola_Tiro",
    "PIC_Fine_Partita",
    "CMD_Continua",
    "CMD_PIC_Fine_Partita_Visualizza_Punteggi",
    "ThemeButton2",
    "LBL_Commento_Finale",
    "FRM_M_Menu",
    "CMD_M_Briscola",
    "CMD_M_Punteggio",
    "CMD_M_Carte",
    "CMD_M_Tiri",
    "CMD_M_Continua",
    "CMD_M_Chiudi_Partita",
    "CMD_Muovi_Menu_M",
    "CMD_M_ApriChiudi",
    "PIC_51_Monitor",
    "FRM_Punteggio_Parziale",
    "Frame2",
    "Frame1",
    "LBL_Parziale_Nome",
    "LBL_Parziale_Punti",
    "LBL_Totale_Nome",
    "LBL_Totale_Punti",
    "CMD_Chiudi_PIC_051_Monitor",
    "CMD_Muovi_PIC_051_Monitor",
    "PIC_52_Monitor",
    "FRM_Pulsanti_Prese",
    "Visualizza_Prese",
    "FRM_CartePrese",
    "IMG_Prese",
    "HSR_Prese",
    "LBL_RiepilogoPrese_testo",
    "LBL_RiepilogoPrese_Numero",
    "CMD_Chiudi_PIC_052_Monitor",
    "CMD_Muovi_PIC_052_Monitor",
    "PIC_Riepilogo_Accusi",
    "FRM_Riepilogo_Accusi_Inside",
    "Lista_Evento_Speciale",
    "CMD_Chiudi_PIC_Riepilogo_Accusi",
    "CMD_Muovi_PIC_Riepilogo_Accusi",
    "CMD_Ordine_Carte",
    "List1",
    "Lista_Left",
    "Lista_Left_Ordinata",
    "Lista_Distanze",
    "t",
    "Label1",
    "Label2",
    "Q_N",
    "Q_N_Singola",
    "Q_N_Partite",
    "Q_N_Punteggio",
    "Q_N_151",
    "Q_U",
    "Q_Gi",
    "Q_O",
    "Q_G",
    "Q_H",
    "Q_C",
    "Q_E",
};
}  // namespace

std::string_view control_name(ControlId id) {
    return kNames.at(static_cast<std::size_t>(id));
}

std::string describe(ControlKey key) {
    std::string text(control_name(key.id));
    if (key.index != 0) text += "(" + std::to_string(key.index) + ")";
    return text;
}

void Control::ZOrder(int position) {
    if (tree == nullptr) return;
    z = position == 0 ? tree->next_front() : tree->next_back();
}

ControlArray::ControlArray(ControlTree& tree, ControlId id, ControlKind kind, int lo, int hi,
                           Control* container, std::initializer_list<int> created)
    : tree_(tree),
      lo_(lo),
      hi_(hi),
      template_(created.size() == 0 ? lo : *created.begin()),
      members_(static_cast<std::size_t>(hi - lo + 1)) {
    for (int i = lo; i <= hi; ++i) {
        Control& member = member_slot(i);
        member.key = {id, i};
        member.kind = kind;
        member.container = container;
        member.tree = &tree;
        member.exists = false;
    }
    const std::vector<int> existing = created.size() == 0 ? std::vector<int>{lo} : std::vector<int>(created);
    for (int i : existing) {
        Control& member = member_slot(i);
        member.exists = true;
        member.z = tree.next_front();
    }
}

void ControlArray::out_of_range(int index) const {
    fatal("control array index " + std::to_string(index) + " outside " + std::to_string(lo_) + ".." +
          std::to_string(hi_));
}

void ControlArray::not_loaded(int index) const {
    fatal("control array member " + std::to_string(index) + " is not loaded");
}

bool ControlArray::Load(int index) {
    Control& member = member_slot(index);
    if (member.exists) return false;
    member = member_slot(template_);
    member.key.index = index;
    member.Visible = false;
    member.z = tree_.next_front();
    return true;
}

void ControlArray::Unload(int index) {
    if (index == template_) return;
    member_slot(index).exists = false;
}

Control& ControlTree::add(Control& control, ControlId id, ControlKind kind, Control* container) {
    control.key = {id, 0};
    control.kind = kind;
    control.container = container;
    control.tree = this;
    control.z = next_front();
    entries_[static_cast<int>(id)].single = &control;
    order_.push_back(id);
    return control;
}

void ControlTree::add(ControlArray& array, ControlId id) {
    entries_[static_cast<int>(id)].array = &array;
    order_.push_back(id);
}

Control* ControlTree::find(ControlKey key) {
    const auto slot = static_cast<int>(key.id);
    if (slot < 0 || slot >= kControlIdCount) return nullptr;
    const Entry& entry = entries_[slot];
    if (entry.array != nullptr) return entry.array->find(key.index);
    if (entry.single != nullptr && key.index == 0) return entry.single;
    return nullptr;
}

const Control* ControlTree::find(ControlKey key) const {
    return const_cast<ControlTree&>(*this).find(key);
}

bool ControlTree::accepts_input(ControlKey key) const {
    const Control* control = find(key);
    if (control == nullptr) return false;
    for (const Control* c = control; c != nullptr; c = c->container) {
        if (!c->exists || !c->Visible || !c->Enabled) return false;
    }
    return true;
}

void ControlTree::for_each(const std::function<void(Control&)>& visit) {
    for (ControlId id : order_) {
        Entry& entry = entries_[static_cast<int>(id)];
        if (entry.single != nullptr) {
            visit(*entry.single);
        } else {
            for (int i = entry.array->lower(); i <= entry.array->upper(); ++i) {
                visit(entry.array->member_slot(i));
            }
        }
    }
}

void ControlTree::for_each(const std::function<void(const Control&)>& visit) const {
    const_cast<ControlTree&>(*this).for_each([&visit](Control& c) { visit(c); });
}

}  // namespace tavolora::table
