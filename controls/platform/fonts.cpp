#include "controls/platform/fonts.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace tavolora::controls {

QString stand_in_family(const QString& family) {
    const QString name = family.trimmed().toLower();
    if (name == QLatin1String("comic sans ms")) return QStringLiteral("Comic Neue");
    if (name == QLatin1String("courier new") || name == QLatin1String("courier"))
        return QStringLiteral("DejaVu Sans Mono");
    if (name == QLatin1String("verdana") || name == QLatin1String("ms sans serif") ||
        name == QLatin1String("tahoma") || name == QLatin1String("arial") || name == QLatin1String("arial black") ||
        name == QLatin1String("ms shell dlg") || name.isEmpty())
        return QStringLiteral("DejaVu Sans");
    return family;
}

QFont form_font(const QString& family, double points, bool bold, bool italic, bool underline) {
    QFont font(stand_in_family(family));
    // "Comic Neue" is not on every machine: fall back on the house's sans serif.
    QStringList families;
    families << stand_in_family(family) << QStringLiteral("DejaVu Sans");
    font.setFamilies(families);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
    const bool black = family.trimmed().compare(QLatin1String("Arial Black"), Qt::CaseInsensitive) == 0;
    font.setWeight(black ? QFont::Black : bold ? QFont::Bold : QFont::Normal);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace tavolora::controls
