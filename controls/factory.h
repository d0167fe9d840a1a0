#pragma once

// The one way the card table and the screens make the program's own controls: by
// the class under which a form names a control, from the values the form stored
// with that instance. A control made here has read its stored values and laid
// itself out; the caller places, shows and connects it.

#include <QString>

#include "controls/platform/host.h"
#include "controls/platform/property_bag.h"

class QWidget;

namespace tavolora::controls {

enum class ControlClass {
    ThemeButton,    // "Falcoro.ThemeButton"
    Panel,          // "Falcoro.Panel"
    GradContainer,  // "Falcoro.ucGradContainer"
};

QString class_identifier(ControlClass kind);

// A control of the class named `name` in its form, its stored values read from
// `stored`, as a child of `parent`.
QWidget* create_control(ControlClass kind, ControlHost& host, const QString& name, const PropertyBag& stored,
                        QWidget* parent);

}  // namespace tavolora::controls
