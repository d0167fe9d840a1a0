#include "output.h"

#include "decks.h"
#include "helptext.h"
#include "icons.h"
#include "photos.h"
#include "tables.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

namespace tavolora::art {

namespace {

constexpr Suit kSuits[] = {Suit::Bastoni, Suit::Coppe, Suit::Denari, Suit::Spade};
constexpr int kGames = 4;
// JPEG keeps the cloth's grain without visible blocks at this quality.
constexpr int kTableQuality = 92;

QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

bool checkSize(const QImage& image, QSize expected, const QString& path, QString* error) {
    if (image.size() == expected) return true;
    *error = QStringLiteral("%1 was drawn %2x%3, not %4x%5")
                 .arg(nativePath(path))
                 .arg(image.width())
                 .arg(image.height())
                 .arg(expected.width())
                 .arg(expected.height());
    return false;
}

bool writeDeck(const QString& outDir, const DeckDesign& deck, QString* error) {
    const QString deckDir = QDir(outDir).filePath(QStringLiteral("Cards/") + deck.folder);
    const QSize card(kCardWidth, kCardHeight);
    for (const Suit suit : kSuits) {
        const QString suitDir = deckDir + QLatin1Char('/') + QString::number(int(suit));
        if (!makeFolder(suitDir, error)) return false;
        for (int value = 1; value <= 10; ++value) {
            const QString path = suitDir + QLatin1Char('/') + QString::number(value) + QStringLiteral(".bmp");
            const QImage face = deck.face(suit, value);
            if (!checkSize(face, card, path, error) || !writeImage(face, path, "BMP", error)) return false;
        }
    }
    const QString backDir = deckDir + QStringLiteral("/1/");
    const QImage still = deck.back();
    const QString stillPath = backDir + QStringLiteral("0.bmp");
    if (!checkSize(still, card, stillPath, error) || !writeImage(still, stillPath, "BMP", error)) return false;
    // The flying back is the still one laid on its side: the table lays the deck
    // stack, the piles and the side seats' hands out by its turned size.
    const QImage flying = laidOnSide(still);
    const QString flyingPath = backDir + QStringLiteral("00.bmp");
    return checkSize(flying, card.transposed(), flyingPath, error) && writeImage(flying, flyingPath, "BMP", error);
}

}  // namespace

bool makeFolder(const QString& path, QString* error) {
    if (QDir().mkpath(path) && QFileInfo(path).isDir()) return true;
    *error = QStringLiteral("cannot create folder %1").arg(nativePath(path));
    return false;
}

bool writeBytes(const QByteArray& bytes, const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() ||
        !file.flush()) {
        *error = QStringLiteral("cannot write %1: %2").arg(nativePath(path), file.errorString());
        return false;
    }
    return true;
}

bool writeImage(const QImage& image, const QString& path, const char* format, QString* error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (qstrcmp(format, "JPEG") == 0) writer.setQuality(kTableQuality);
    if (!writer.write(image)) {
        *error = QStringLiteral("cannot encode %1: %2").arg(nativePath(path), writer.errorString());
        return false;
    }
    return writeBytes(bytes, path, error);
}

bool writeDecks(const QString& outDir, QString* error) {
    for (const DeckDesign& deck : deckDesigns()) {
        if (!writeDeck(outDir, deck, error)) return false;
    }
    return true;
}

bool writeTables(const QString& outDir, QString* error) {
    const QString folder = QDir(outDir).filePath(QStringLiteral("Tables"));
    if (!makeFolder(folder, error)) return false;
    for (const TableDesign& table : tableDesigns()) {
        const QString path = folder + QLatin1Char('/') + table.stem + QStringLiteral(".jpg");
        const QImage image = table.render();
        if (!checkSize(image, QSize(kTableWidth, kTableHeight), path, error) ||
            !writeImage(image, path, "JPEG", error))
            return false;
    }
    return true;
}

bool writePhotos(const QString& outDir, QString* error) {
    const QString folder = QDir(outDir).filePath(QStringLiteral("Photos"));
    if (!makeFolder(folder, error)) return false;
    for (const PhotoDesign& photo : photoDesigns()) {
        const QString path = folder + QLatin1Char('/') + photo.file;
        const QImage image = photo.render();
        if (!checkSize(image, QSize(kPhotoSize, kPhotoSize), path, error) ||
            !writeImage(image.convertToFormat(QImage::Format_RGB32), path, "BMP", error))
            return false;
    }
    return true;
}

bool writeIcons(const QString& outDir, QString* error) {
    const QString folder = QDir(outDir).filePath(QString::fromLatin1(storage::icons::kFolder));
    if (!makeFolder(folder, error)) return false;
    for (const storage::icons::IconFile& icon : storage::icons::kAll) {
        const QString name = QString::fromLatin1(icon.stem) + QString::fromLatin1(storage::icons::kExtension);
        const QString path = folder + QLatin1Char('/') + name;
        const QImage image = renderIcon(icon);
        if (image.isNull()) {
            *error = QStringLiteral("no drawing for %1").arg(nativePath(path));
            return false;
        }
        if (!checkSize(image, QSize(icon.width, icon.height), path, error) ||
            !writeImage(image.convertToFormat(QImage::Format_ARGB32), path, "PNG", error))
            return false;
    }
    return true;
}

bool writeHelp(const QString& outDir, const QString& sourceDir, QString* error) {
    const QString folder = QDir(outDir).filePath(QStringLiteral("Languages"));
    if (!makeFolder(folder, error)) return false;
    for (int game = 1; game <= kGames; ++game) {
        const QString name = QStringLiteral("Ita_%1.txt").arg(game);
        const QString sourcePath = QDir(sourceDir).filePath(name);
        QFile source(sourcePath);
        if (!source.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read %1: %2").arg(nativePath(sourcePath), source.errorString());
            return false;
        }
        const QByteArray text = source.readAll();
        HelpFile help;
        std::string problem;
        if (!buildHelpFile(std::string_view(text.constData(), std::size_t(text.size())), &help, &problem)) {
            *error = QStringLiteral("%1, %2").arg(nativePath(sourcePath), QString::fromStdString(problem));
            return false;
        }
        const QByteArray bytes(help.bytes.data(), qsizetype(help.bytes.size()));
        if (!writeBytes(bytes, folder + QLatin1Char('/') + name, error)) return false;
    }
    return true;
}

}  // namespace tavolora::art
