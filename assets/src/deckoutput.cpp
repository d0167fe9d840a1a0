#include "deckoutput.h"

#include "cardfaces.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

namespace tavolora::art {

namespace {

constexpr Suit kSuits[] = {Suit::Bastoni, Suit::Coppe, Suit::Denari, Suit::Spade};

bool makeFolder(const QString& path, QString* error) {
    if (QDir().mkpath(path) && QFileInfo(path).isDir()) return true;
    *error = QStringLiteral("cannot create folder %1").arg(QDir::toNativeSeparators(path));
    return false;
}

bool writeImage(const QImage& image, const QString& path, const char* format, QString* error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format)) {
        *error = QStringLiteral("cannot encode %1").arg(QDir::toNativeSeparators(path));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() ||
        !file.flush()) {
        *error =
            QStringLiteral("cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}

}  // namespace

bool writeDeck(const QString& outDir, const QString& deck, QString* error) {
    const QString deckDir = QDir(outDir).filePath(QStringLiteral("Cards/") + deck);
    for (const Suit suit : kSuits) {
        const QString suitDir = deckDir + QLatin1Char('/') + QString::number(int(suit));
        if (!makeFolder(suitDir, error)) return false;
        for (int value = 1; value <= 10; ++value) {
            const QString path = suitDir + QLatin1Char('/') + QString::number(value) + QStringLiteral(".bmp");
            if (!writeImage(renderFace(suit, value), path, "BMP", error)) return false;
        }
    }
    const QString backDir = deckDir + QStringLiteral("/1/");
    return writeImage(renderBack(BackStyle::Resting), backDir + QStringLiteral("0.bmp"), "BMP", error) &&
           writeImage(renderBack(BackStyle::Lifted), backDir + QStringLiteral("00.bmp"), "BMP", error);
}

bool writeContactSheet(const QString& file, int scale, QString* error) {
    constexpr int gap = 6;
    constexpr int columns = 11;  // ten faces, then the backs after a wider gap
    const int width = gap + columns * (kCardWidth + gap) + gap;
    const int height = gap + 4 * (kCardHeight + gap);
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(0x2f, 0x6b, 0x3c));
    {
        QPainter p(&sheet);
        for (int row = 0; row < 4; ++row) {
            for (int value = 1; value <= 10; ++value)
                p.drawImage(gap + (value - 1) * (kCardWidth + gap), gap + row * (kCardHeight + gap),
                            renderFace(kSuits[row], value));
        }
        const int backX = gap + 10 * (kCardWidth + gap) + gap;
        p.drawImage(backX, gap, renderBack(BackStyle::Resting));
        p.drawImage(backX, gap + kCardHeight + gap, renderBack(BackStyle::Lifted));
    }
    if (scale > 1) sheet = sheet.scaled(sheet.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QString folder = QFileInfo(file).absolutePath();
    return makeFolder(folder, error) && writeImage(sheet, file, "PNG", error);
}

}  // namespace tavolora::art
