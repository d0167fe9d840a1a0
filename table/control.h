#pragma once

// The controls of the main window as data. Every control that the rules of play
// touch is a plain object with the properties they read and write; the Qt front end
// mirrors them, and the headless runs read them directly. Positions and sizes are
// twips, single-precision as in the window toolkit (flights add fractional steps).

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tavolora::table {

// Every control of the main window, by name. Arrays share one id and tell their
// members apart by index.
enum class ControlId : std::uint8_t {
    // The table surface and what lies on it.
    PIC_Tavolo,
    IMG_Sfondo_Tavolo,
    IMG_Sfondo_Tavolo_temp,
    P,
    P_A,
    T_Anim,
    LBL_Parola_Tresette,
    PIC_Parola_Tiro,
    CMD_Parola_Tiro,
    PIC_Fine_Partita,
    CMD_Continua,
    CMD_PIC_Fine_Partita_Visualizza_Punteggi,
    ThemeButton2,
    LBL_Commento_Finale,
    // The on-table button strip.
    FRM_M_Menu,
    CMD_M_Briscola,
    CMD_M_Punteggio,
    CMD_M_Carte,
    CMD_M_Tiri,
    CMD_M_Continua,
    CMD_M_Chiudi_Partita,
    CMD_Muovi_Menu_M,
    CMD_M_ApriChiudi,
    // The scores panel.
    PIC_51_Monitor,
    FRM_Punteggio_Parziale,
    Frame2,
    Frame1,
    LBL_Parziale_Nome,
    LBL_Parziale_Punti,
    LBL_Totale_Nome,
    LBL_Totale_Punti,
    CMD_Chiudi_PIC_051_Monitor,
    CMD_Muovi_PIC_051_Monitor,
    // The captured-cards panel.
    PIC_52_Monitor,
    FRM_Pulsanti_Prese,
    Visualizza_Prese,
    FRM_CartePrese,
    IMG_Prese,
    HSR_Prese,
    LBL_RiepilogoPrese_testo,
    LBL_RiepilogoPrese_Numero,
    CMD_Chiudi_PIC_052_Monitor,
    CMD_Muovi_PIC_052_Monitor,
    // The declarations panel.
    PIC_Riepilogo_Accusi,
    FRM_Riepilogo_Accusi_Inside,
    Lista_Evento_Speciale,
    CMD_Chiudi_PIC_Riepilogo_Accusi,
    CMD_Muovi_PIC_Riepilogo_Accusi,
    // Hidden work controls.
    CMD_Ordine_Carte,
    List1,
    Lista_Left,
    Lista_Left_Ordinata,
    Lista_Distanze,
    t,
    Label1,
    Label2,
    // The menu bar.
    Q_N,
    Q_N_Singola,
    Q_N_Partite,
    Q_N_Punteggio,
    Q_N_151,
    Q_U,
    Q_Gi,
    Q_O,
    Q_G,
    Q_H,
    Q_C,
    Q_E,
    Count
};

inline constexpr int kControlIdCount = static_cast<int>(ControlId::Count);

std::string_view control_name(ControlId id);

struct ControlKey {
    ControlId id{};
    int index = 0;  // the member of a control array; 0 for a single control
    friend auto operator<=>(const ControlKey&, const ControlKey&) = default;
};

// "P(5)", "PIC_Tavolo": for journals and messages.
std::string describe(ControlKey key);

enum class ControlKind : std::uint8_t {
    Picture,     // a picture on the table surface (cards, flying copies, the background)
    Surface,     // a picture box that holds other controls
    Panel,       // a titled panel (scores, captured cards, declarations)
    Strip,       // the gradient container of the on-table buttons
    Frame,       // a captioned frame inside a panel
    Button,      // a push button
    IconButton,  // a small picture button (drag handles, close buttons)
    Label,
    Image,  // a stretched picture inside a panel
    ListBox,
    TextBox,
    ScrollBar,
    Timer,
    MenuItem,
};

class ControlTree;

// The pointer shapes a control may show, by the window toolkit's numbers.
namespace pointer {
inline constexpr int kDefault = 0;
inline constexpr int kSizeNeSw = 6;  // the diagonal resize arrow
inline constexpr int kSizeAll = 15;  // the four-headed move arrow
inline constexpr int kCustom = 99;   // the control's own picture, MouseIcon
}  // namespace pointer

// One control. The property names are the window toolkit's, so that every line of
// the rules can be read against the code.
struct Control {
    ControlKey key;
    ControlKind kind = ControlKind::Label;
    Control* container = nullptr;  // nullptr: the main window's client area
    ControlTree* tree = nullptr;

    bool exists = true;  // members of control arrays are loaded and unloaded at run time
    float Top = 0;
    float Left = 0;
    float Width = 0;
    float Height = 0;
    bool Visible = true;
    bool Enabled = true;
    std::string Picture;  // the picture file shown, "" for none
    std::string Caption;
    std::string Tag;
    std::uint32_t BackColor = 0;     // &HBBGGRR
    bool AutoSize = false;           // pictures: the size follows the picture loaded
    bool Stretch = false;            // pictures: the picture is stretched to the size
    std::vector<std::string> items;  // list boxes
    int Value = 0;                   // scroll bars
    int Min = 0;
    int Max = 0;
    int SmallChange = 1;  // scroll bars: the step of an arrow and of a page
    int LargeChange = 1;
    int Interval = 0;    // timers, milliseconds; 0 is stopped
    std::string ToolTipText;
    // The pointer over the control: one of the pointer shapes below, with the
    // picture of a custom one.
    int MousePointer = 0;
    std::string MouseIcon;
    std::int64_t z = 0;  // stacking among the container's controls: higher lies in front

    // 0 brings the control to the front of its container's controls, 1 sends it to
    // the back.
    void ZOrder(int position = 0);

    void Clear() { items.clear(); }
    void AddItem(std::string text) { items.push_back(std::move(text)); }
};

// A control array: members lo..hi, of which member lo is the template that exists
// from the start; the others are loaded at run time and copy the template.
class ControlArray {
public:
    // `created` lists the members that exist from the start; the first of them is the
    // template that later members copy. With none given, member lo is the template.
    ControlArray(ControlTree& tree, ControlId id, ControlKind kind, int lo, int hi, Control* container,
                 std::initializer_list<int> created = {});
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    // A loaded member. Reaching a member that is not loaded is a programmer's error:
    // where the rules go on past a missing member, test with `find` or `loaded`.
    // Written here so that the flight ticker's and the rules' lookups inline.
    Control& operator()(int index) {
        Control* member = find(index);
        if (member == nullptr) not_loaded(index);
        return *member;
    }
    const Control& operator()(int index) const { return const_cast<ControlArray&>(*this)(index); }
    // The member if it is loaded, else nullptr (also for an index out of range).
    Control* find(int index) {
        if (index < lo_ || index > hi_) return nullptr;
        Control& member = members_[static_cast<std::size_t>(index - lo_)];
        return member.exists ? &member : nullptr;
    }
    const Control* find(int index) const { return const_cast<ControlArray&>(*this).find(index); }
    bool loaded(int index) const { return find(index) != nullptr; }
    // Calls `visit` on every loaded member from `from` to `to` (clamped to the array),
    // in index order: one pass over the members, for the loops that run at every
    // flight batch.
    template <class Visit>
    void for_each_loaded(int from, int to, Visit&& visit) {
        const int first = from < lo_ ? lo_ : from;
        const int last = to > hi_ ? hi_ : to;
        Control* member = members_.data() + (first - lo_);
        for (int i = first; i <= last; ++i, ++member) {
            if (member->exists) visit(*member);
        }
    }

    // Loads a member from the template: hidden, in front of the others. Returns false
    // and changes nothing when the member is loaded already.
    bool Load(int index);
    // Unloads a member (the template stays). Nothing happens when it is not loaded.
    void Unload(int index);

    int lower() const { return lo_; }
    int template_index() const { return template_; }
    int upper() const { return hi_; }
    // Loaded or not, for the view and snapshots. Written here so that loading a flying
    // copy at every flight looks its member up inline.
    Control& member_slot(int index) {
        if (index < lo_ || index > hi_) out_of_range(index);
        return members_[static_cast<std::size_t>(index - lo_)];
    }

private:
    [[noreturn]] void not_loaded(int index) const;
    [[noreturn]] void out_of_range(int index) const;

    ControlTree& tree_;
    int lo_;
    int hi_;
    int template_;
    std::vector<Control> members_;
};

// All the controls of one window: lookup by key, stacking order and iteration.
class ControlTree {
public:
    ControlTree() = default;
    ControlTree(const ControlTree&) = delete;
    ControlTree& operator=(const ControlTree&) = delete;

    // The control, loaded, or nullptr.
    Control* find(ControlKey key);
    const Control* find(ControlKey key) const;

    // Whether a mouse event on the control may act now: it exists, and it and every
    // container around it are visible and enabled.
    bool accepts_input(ControlKey key) const;

    // Every control slot, loaded or not, in a fixed order.
    void for_each(const std::function<void(Control&)>& visit);
    void for_each(const std::function<void(const Control&)>& visit) const;

    std::int64_t next_front() { return ++front_; }
    std::int64_t next_back() { return --back_; }

protected:
    Control& add(Control& control, ControlId id, ControlKind kind, Control* container);
    void add(ControlArray& array, ControlId id);

private:
    struct Entry {
        Control* single = nullptr;
        ControlArray* array = nullptr;
    };
    Entry entries_[kControlIdCount]{};
    std::vector<ControlId> order_;
    std::int64_t front_ = 0;
    std::int64_t back_ = 0;
};

}  // namespace tavolora::table
