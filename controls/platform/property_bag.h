#pragma once

// The holding form's property store: named values that a control writes when its
// form is saved and reads when the form is loaded. Names match whatever their
// letter case. Writing a value equal to its default stores nothing, and reading a
// name that holds nothing gives the default the reader names; so a control's own
// defaults decide what a saved form holds and what a loaded one gets.

#include <QFont>
#include <QImage>
#include <QString>

#include <map>
#include <variant>

namespace tavolora::controls {

// A whole number (every integer width and every colour), a floating-point number,
// a Boolean, a text, a font or a picture.
using PropertyValue = std::variant<qint64, double, bool, QString, QFont, QImage>;

class PropertyBag {
public:
    // Stores the value unless it equals the default.
    void write(const QString& name, const PropertyValue& value, const PropertyValue& default_value);
    // Stores the value whatever it is (the properties a control always writes).
    void write_always(const QString& name, const PropertyValue& value);
    // The stored value, or the default when nothing is stored under the name.
    PropertyValue read(const QString& name, const PropertyValue& default_value) const;

    bool holds(const QString& name) const;
    int size() const { return static_cast<int>(values_.size()); }

    // Typed reading: a stored value of another kind gives the default.
    qint64 read_int(const QString& name, qint64 default_value) const;
    double read_float(const QString& name, double default_value) const;
    bool read_bool(const QString& name, bool default_value) const;
    QString read_string(const QString& name, const QString& default_value) const;
    QFont read_font(const QString& name, const QFont& default_value) const;
    QImage read_picture(const QString& name, const QImage& default_value) const;

private:
    std::map<QString, PropertyValue> values_;  // by the name in lower case
};

}  // namespace tavolora::controls
