// Runs the card picture generator as the build does and checks what it wrote.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <map>
#include <memory>
#include <set>

namespace {

struct GeneratorRun {
    int exitCode = -1;
    QString errors;
};

// Runs the generator with no display at all, as on a build machine.
GeneratorRun runGenerator(const QStringList& arguments) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(name));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TAVOLORA_ASSETS_EXE), arguments);
    GeneratorRun run;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

QStringList expectedPictures() {
    QStringList names{QStringLiteral("1/0.bmp"), QStringLiteral("1/00.bmp")};
    for (int suit = 1; suit <= 4; ++suit) {
        for (int value = 1; value <= 10; ++value) names << QStringLiteral("%1/%2.bmp").arg(suit).arg(value);
    }
    return names;
}

using Pictures = std::map<QString, QByteArray>;  // path under Cards/<deck>/ -> file bytes

Pictures readDeck(const QString& deckDir) {
    Pictures pictures;
    QDirIterator it(deckDir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) pictures[QDir(deckDir).relativeFilePath(path)] = file.readAll();
    }
    return pictures;
}

struct BmpHeader {
    qint32 width = 0;
    qint32 height = 0;
    quint16 bitsPerPixel = 0;
    quint32 compression = 0;
};

// Reads the BITMAPFILEHEADER and BITMAPINFOHEADER the way a plain loader does.
::testing::AssertionResult parseBmp(const QByteArray& bytes, BmpHeader* header) {
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    if (bytes.size() < 54 || !bytes.startsWith("BM"))
        return ::testing::AssertionFailure() << "no BM signature";
    if (qFromLittleEndian<quint32>(data + 2) != quint32(bytes.size()))
        return ::testing::AssertionFailure() << "file size field does not match";
    const quint32 pixelOffset = qFromLittleEndian<quint32>(data + 10);
    const quint32 infoSize = qFromLittleEndian<quint32>(data + 14);
    if (infoSize < 40) return ::testing::AssertionFailure() << "info header of " << infoSize << " bytes";
    header->width = qFromLittleEndian<qint32>(data + 18);
    header->height = qFromLittleEndian<qint32>(data + 22);
    header->bitsPerPixel = qFromLittleEndian<quint16>(data + 28);
    header->compression = qFromLittleEndian<quint32>(data + 30);
    const qint64 rowBytes = (qint64(header->width) * header->bitsPerPixel + 31) / 32 * 4;
    if (pixelOffset < 14 + infoSize || pixelOffset + rowBytes * qAbs(header->height) > qint64(bytes.size()))
        return ::testing::AssertionFailure() << "pixel data out of the file";
    return ::testing::AssertionSuccess();
}

class GeneratedDeck : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        outDir = std::make_unique<QTemporaryDir>();
        firstRun = runGenerator({QStringLiteral("--out"), outDir->path()});
        pictures = readDeck(outDir->filePath(QStringLiteral("Cards/Tavolora")));
    }
    static void TearDownTestSuite() { outDir.reset(); }

    static inline std::unique_ptr<QTemporaryDir> outDir;
    static inline GeneratorRun firstRun;
    static inline Pictures pictures;
};

TEST_F(GeneratedDeck, WritesExactlyTheFortyTwoPicturesOfTheDeck) {
    ASSERT_EQ(firstRun.exitCode, 0) << firstRun.errors.toStdString();
    QStringList written;
    for (const auto& [name, bytes] : pictures) written << name;
    QStringList expected = expectedPictures();
    expected.sort();
    written.sort();
    EXPECT_EQ(written, expected);
}

TEST_F(GeneratedDeck, EveryPictureIsA72By120UncompressedTrueColourBmp) {
    ASSERT_EQ(pictures.size(), 42u);
    for (const auto& [name, bytes] : pictures) {
        SCOPED_TRACE(name.toStdString());
        BmpHeader header;
        ASSERT_TRUE(parseBmp(bytes, &header));
        EXPECT_EQ(header.width, 72);
        EXPECT_EQ(qAbs(header.height), 120);
        EXPECT_EQ(header.bitsPerPixel, 24);
        EXPECT_EQ(header.compression, 0u);
    }
}

TEST_F(GeneratedDeck, EveryPictureIsDifferentAndTheTwoBacksAreOneDesign) {
    ASSERT_EQ(pictures.size(), 42u);
    std::set<QByteArray> distinct;
    for (const auto& [name, bytes] : pictures) distinct.insert(bytes);
    EXPECT_EQ(distinct.size(), pictures.size());

    // The lifted back is the resting one with its edges shaded, not a new design.
    const QImage resting = QImage::fromData(pictures[QStringLiteral("1/0.bmp")], "BMP");
    const QImage lifted = QImage::fromData(pictures[QStringLiteral("1/00.bmp")], "BMP");
    ASSERT_EQ(resting.size(), lifted.size());
    int same = 0;
    for (int y = 0; y < resting.height(); ++y) {
        for (int x = 0; x < resting.width(); ++x) same += resting.pixel(x, y) == lifted.pixel(x, y);
    }
    EXPECT_GT(same, resting.width() * resting.height() * 8 / 10);
}

TEST_F(GeneratedDeck, SecondRunWritesTheSameBytes) {
    QTemporaryDir again;
    const GeneratorRun run = runGenerator({QStringLiteral("--out"), again.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_TRUE(readDeck(again.filePath(QStringLiteral("Cards/Tavolora"))) == pictures);
}

TEST(GeneratorOptions, FailuresExitWithOneAndSayWhy) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const GeneratorRun blocked = runGenerator({QStringLiteral("--out"), blocker.fileName()});
    EXPECT_EQ(blocked.exitCode, 1);
    EXPECT_TRUE(blocked.errors.contains(QDir::toNativeSeparators(blocker.fileName())))
        << blocked.errors.toStdString();

    const GeneratorRun noOut = runGenerator({});
    EXPECT_EQ(noOut.exitCode, 1);
    EXPECT_TRUE(noOut.errors.contains(QStringLiteral("--out")));

}

}  // namespace
