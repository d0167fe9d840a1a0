#include "controls/platform/property_bag.h"

namespace tavolora::controls {

namespace {

template <class T>
T typed(const PropertyValue& value, const T& default_value) {
    if (const T* held = std::get_if<T>(&value)) return *held;
    return default_value;
}

}  // namespace

void PropertyBag::write(const QString& name, const PropertyValue& value, const PropertyValue& default_value) {
    if (value == default_value) {
        values_.erase(name.toLower());
        return;
    }
    values_[name.toLower()] = value;
}

void PropertyBag::write_always(const QString& name, const PropertyValue& value) { values_[name.toLower()] = value; }

PropertyValue PropertyBag::read(const QString& name, const PropertyValue& default_value) const {
    const auto it = values_.find(name.toLower());
    return it == values_.end() ? default_value : it->second;
}

bool PropertyBag::holds(const QString& name) const { return values_.count(name.toLower()) != 0; }

qint64 PropertyBag::read_int(const QString& name, qint64 default_value) const {
    const PropertyValue value = read(name, default_value);
    if (const bool* flag = std::get_if<bool>(&value)) return *flag ? -1 : 0;
    if (const double* number = std::get_if<double>(&value)) return static_cast<qint64>(*number);
    return typed<qint64>(value, default_value);
}

double PropertyBag::read_float(const QString& name, double default_value) const {
    const PropertyValue value = read(name, default_value);
    if (const qint64* number = std::get_if<qint64>(&value)) return static_cast<double>(*number);
    return typed<double>(value, default_value);
}

bool PropertyBag::read_bool(const QString& name, bool default_value) const {
    const PropertyValue value = read(name, default_value);
    if (const qint64* number = std::get_if<qint64>(&value)) return *number != 0;
    return typed<bool>(value, default_value);
}

QString PropertyBag::read_string(const QString& name, const QString& default_value) const {
    return typed<QString>(read(name, default_value), default_value);
}

QFont PropertyBag::read_font(const QString& name, const QFont& default_value) const {
    return typed<QFont>(read(name, default_value), default_value);
}

QImage PropertyBag::read_picture(const QString& name, const QImage& default_value) const {
    return typed<QImage>(read(name, default_value), default_value);
}

}  // namespace tavolora::controls
