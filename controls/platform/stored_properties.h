#pragma once

// A control's stored properties, declared once. Each control lists them in one
// function, a row each:
//
//     row(names, member, reading default, writing default);
//
// and reading from the form's store, writing to it and the setters' change notices
// all follow from that list. The names are the one the store keeps and the one the
// change notice carries; they are written once where they agree, side by side where
// the store has always spelt a name its own way. The writing default is kAsRead (the
// value is left out when it equals the reading default) or kWrittenAlways.
//
// A whole-number member takes the low bits of a stored value too wide for it, as the
// forms' own properties do; one wrapped in clamped() is kept within its range instead.

#include <QLatin1String>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <limits>
#include <optional>
#include <type_traits>

#include "controls/platform/property_bag.h"

namespace tavolora::controls {

struct PropertyNames {
    // A property whose name is the same in the store and in the notice; implicit, so
    // that such a row gives its name once.
    constexpr PropertyNames(const char* name) : stored(name), notice(name) {}
    constexpr PropertyNames(const char* stored_name, const char* notice_name)
        : stored(stored_name), notice(notice_name) {}
    const char* stored;  // in the form's store
    const char* notice;  // in the change notice
};

// The writing defaults.
struct AsRead {};
struct WrittenAlways {};
inline constexpr AsRead kAsRead{};
inline constexpr WrittenAlways kWrittenAlways{};

// A whole-number member kept within its range when read.
template <class T>
struct Clamped {
    T& member;
};
template <class T>
Clamped<T> clamped(T& member) {
    return {member};
}

namespace stored_detail {

template <class T>
struct IsClamped : std::false_type {};
template <class T>
struct IsClamped<Clamped<T>> : std::true_type {};

template <class T>
struct IsOptional : std::false_type {};
template <class T>
struct IsOptional<std::optional<T>> : std::true_type {};

template <class T>
PropertyValue to_value(const T& value) {
    if constexpr (std::is_same_v<T, bool>)
        return value;
    else if constexpr (std::is_integral_v<T>)
        return static_cast<qint64>(value);
    else if constexpr (std::is_floating_point_v<T>)
        return static_cast<double>(value);
    else
        return value;  // a text, a font or a picture
}

template <class T, class D>
T read_value(const PropertyBag& bag, const QString& name, const D& fallback) {
    if constexpr (std::is_same_v<T, bool>)
        return bag.read_bool(name, fallback);
    else if constexpr (std::is_integral_v<T>)
        return static_cast<T>(bag.read_int(name, static_cast<qint64>(static_cast<T>(fallback))));
    else if constexpr (std::is_floating_point_v<T>)
        return static_cast<T>(bag.read_float(name, static_cast<double>(static_cast<T>(fallback))));
    else if constexpr (std::is_same_v<T, QString>)
        return bag.read_string(name, fallback);
    else if constexpr (std::is_same_v<T, QFont>)
        return bag.read_font(name, fallback);
    else
        return bag.read_picture(name, fallback);
}

template <class M>
const void* address_of(const M& member) {
    if constexpr (IsClamped<M>::value)
        return &member.member;
    else
        return &member;
}

}  // namespace stored_detail

// Reads a row: the stored value, or the reading default when the store holds none.
struct StoreReader {
    const PropertyBag& bag;

    template <class M, class R, class W>
    void operator()(PropertyNames names, M&& member, const R& reading, const W&) const {
        using Member = std::remove_cvref_t<M>;
        const QString name = QLatin1String(names.stored);
        if constexpr (stored_detail::IsClamped<Member>::value) {
            using T = std::remove_cvref_t<decltype(member.member)>;
            const qint64 value = bag.read_int(name, static_cast<qint64>(reading));
            member.member = static_cast<T>(std::clamp<qint64>(value, std::numeric_limits<T>::min(),
                                                              std::numeric_limits<T>::max()));
        } else if constexpr (stored_detail::IsOptional<Member>::value) {
            member = stored_detail::read_value<typename Member::value_type>(bag, name, reading);
        } else {
            member = stored_detail::read_value<Member>(bag, name, reading);
        }
    }
};

// Writes a row: always, or unless it equals its writing default. A member that may
// hold nothing is written as its reading default then.
struct StoreWriter {
    PropertyBag& bag;

    template <class M, class R, class W>
    void operator()(PropertyNames names, const M& member, const R& reading, const W& writing) const {
        const QString name = QLatin1String(names.stored);
        if constexpr (std::is_same_v<W, WrittenAlways>)
            bag.write_always(name, value_of(member, reading));
        else if constexpr (std::is_same_v<W, AsRead>)
            bag.write(name, value_of(member, reading), default_of(member, reading));
        else
            bag.write(name, value_of(member, reading), default_of(member, writing));
    }

private:
    template <class M, class R>
    static PropertyValue value_of(const M& member, const R& reading) {
        if constexpr (stored_detail::IsClamped<M>::value)
            return stored_detail::to_value(member.member);
        else if constexpr (stored_detail::IsOptional<M>::value)
            return stored_detail::to_value(member.value_or(reading));
        else
            return stored_detail::to_value(member);
    }
    template <class M, class R>
    static PropertyValue default_of(const M& member, const R& reading) {
        if constexpr (stored_detail::IsClamped<M>::value)
            return stored_detail::to_value(static_cast<std::remove_cvref_t<decltype(member.member)>>(reading));
        else if constexpr (stored_detail::IsOptional<M>::value)
            return stored_detail::to_value(static_cast<typename M::value_type>(reading));
        else
            return stored_detail::to_value(static_cast<M>(reading));
    }
};

// The names of the row whose member is `member`, for a setter's change notice.
// `list` calls its argument with each row. A member that no row holds is a
// programmer's error.
template <class List>
PropertyNames names_of(const void* member, List&& list) {
    std::optional<PropertyNames> found;
    list([&](PropertyNames names, const auto& m, const auto&, const auto&) {
        if (!found && stored_detail::address_of(m) == member) found = names;
    });
    if (!found) qFatal("a setter names a member that no stored property holds");
    return *found;
}

}  // namespace tavolora::controls
