#include "controls/factory.h"

#include "controls/button/theme_button.h"
#include "controls/gradient_container/grad_container.h"
#include "controls/panel/panel.h"

namespace tavolora::controls {

QString class_identifier(ControlClass kind) {
    switch (kind) {
        case ControlClass::ThemeButton:
            return QStringLiteral("Falcoro.ThemeButton");
        case ControlClass::Panel:
            return QStringLiteral("Falcoro.Panel");
        case ControlClass::GradContainer:
            return QStringLiteral("Falcoro.ucGradContainer");
    }
    return {};
}

QWidget* create_control(ControlClass kind, ControlHost& host, const QString& name, const PropertyBag& stored,
                        QWidget* parent) {
    switch (kind) {
        case ControlClass::ThemeButton: {
            auto* button = new ThemeButton(host, name, parent);
            button->ReadProperties(stored);
            return button;
        }
        case ControlClass::Panel: {
            auto* panel = new Panel(host, name, parent);
            panel->ReadProperties(stored);
            return panel;
        }
        case ControlClass::GradContainer: {
            auto* container = new GradContainer(host, name, parent);
            container->ReadProperties(stored);
            return container;
        }
    }
    return nullptr;
}

}  // namespace tavolora::controls
