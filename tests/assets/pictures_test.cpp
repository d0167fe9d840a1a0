// Runs the picture generator as the build does and checks what it wrote: the
// decks, the table backgrounds, the users' pictures, the icons and the help files.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTransform>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "storage/code_page.h"
#include "storage/help_file.h"
#include "storage/icons.h"
#include "storage/names.h"
#include "tests/support/qt_printers.h"

namespace {

namespace icons = tavolora::storage::icons;

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
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

using Files = std::map<QString, QByteArray>;  // path under the program folder -> bytes

Files readTree(const QString& root) {
    Files files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) files[QDir(root).relativeFilePath(path)] = file.readAll();
    }
    return files;
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

// The share of the pixels of two pictures of one size whose colours differ by more
// than a shade (some channel by more than 40 of 255): 0 for the same picture, near 1
// for two unrelated ones.
double visiblyDifferent(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size() || x.isNull()) return -1;
    int differ = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            differ += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))}) > 40;
        }
    }
    return double(differ) / (x.width() * x.height());
}

// A card laid on its side (turned a quarter clockwise), stood up again.
QImage upright(const QImage& lying) {
    return lying.transformed(QTransform().rotate(-90));
}

QStringList entries(const Files& files, const QString& folder, const QString& suffix) {
    std::set<QString> names;
    for (const auto& [path, bytes] : files) {
        if (path.startsWith(folder + QLatin1Char('/')) && path.endsWith(suffix))
            names.insert(path.mid(folder.size() + 1).section(QLatin1Char('/'), 0, 0));
    }
    return QStringList(names.begin(), names.end());
}

QStringList cardPictures() {
    QStringList names{QStringLiteral("1/0.bmp"), QStringLiteral("1/00.bmp")};
    for (int suit = 1; suit <= 4; ++suit) {
        for (int value = 1; value <= 10; ++value) names << QStringLiteral("%1/%2.bmp").arg(suit).arg(value);
    }
    return names;
}

class Generated : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        outDir = std::make_unique<QTemporaryDir>();
        firstRun = runGenerator({QStringLiteral("--out"), outDir->path()});
        files = readTree(outDir->path());
    }
    static void TearDownTestSuite() { outDir.reset(); }

    void SetUp() override { ASSERT_EQ(firstRun.exitCode, 0) << firstRun.errors.toStdString(); }

    static QImage image(const QString& path) { return QImage::fromData(files.at(path)); }
    static QStringList decks() { return entries(files, QStringLiteral("Cards"), QStringLiteral(".bmp")); }

    static inline std::unique_ptr<QTemporaryDir> outDir;
    static inline GeneratorRun firstRun;
    static inline Files files;
};

TEST_F(Generated, ThreeDecksOfFortyFacesAndTwoBacks) {
    ASSERT_EQ(decks().size(), 3);
    for (const QString& deck : decks()) {
        QStringList written;
        for (const auto& [path, bytes] : files) {
            if (path.startsWith(QStringLiteral("Cards/") + deck + QLatin1Char('/')))
                written << path.mid(7 + deck.size());
        }
        QStringList expected = cardPictures();
        expected.sort();
        written.sort();
        EXPECT_EQ(written, expected) << deck.toStdString();
        for (const QString& name : expected) {
            SCOPED_TRACE((deck + QLatin1Char('/') + name).toStdString());
            BmpHeader header;
            ASSERT_TRUE(parseBmp(files[QStringLiteral("Cards/%1/%2").arg(deck, name)], &header));
            // The faces and the still back stand upright; the flying back lies on its side.
            const bool lying = name == QStringLiteral("1/00.bmp");
            EXPECT_EQ(header.width, lying ? 120 : 72);
            EXPECT_EQ(qAbs(header.height), lying ? 72 : 120);
            EXPECT_EQ(header.bitsPerPixel, 24);
            EXPECT_EQ(header.compression, 0u);
        }
    }
}

// A deck chosen in the options must look different on the table: every card of
// every deck differs from the same card of the others far beyond a shade.
TEST_F(Generated, DecksDifferCardByCard) {
    const QStringList all = decks();
    ASSERT_EQ(all.size(), 3);
    constexpr double kFarApart = 0.15;
    for (const QString& card : cardPictures()) {
        for (int a = 0; a < all.size(); ++a) {
            for (int b = a + 1; b < all.size(); ++b) {
                const double d = visiblyDifferent(image(QStringLiteral("Cards/%1/%2").arg(all[a], card)),
                                                  image(QStringLiteral("Cards/%1/%2").arg(all[b], card)));
                EXPECT_GT(d, kFarApart)
                    << card.toStdString() << ": " << all[a].toStdString() << " and " << all[b].toStdString();
            }
        }
    }
    for (const QString& deck : all) {
        std::set<QByteArray> faces;
        for (const QString& card : cardPictures())
            faces.insert(files[QStringLiteral("Cards/%1/%2").arg(deck, card)]);
        EXPECT_EQ(faces.size(), 42u) << deck.toStdString() << ": two pictures alike";
    }
}

// The flying back is the still back laid on its side, pixel for pixel: the same
// design in the same colours, so that the cards that fly, the stacks and the cards
// lying still all come from one deck.
TEST_F(Generated, TheFlyingBackIsTheStillBackLaidOnItsSide) {
    for (const QString& deck : decks()) {
        SCOPED_TRACE(deck.toStdString());
        const QImage still = image(QStringLiteral("Cards/%1/1/0.bmp").arg(deck)).convertToFormat(QImage::Format_RGB32);
        const QImage flying = image(QStringLiteral("Cards/%1/1/00.bmp").arg(deck)).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(still.size(), QSize(72, 120));
        ASSERT_EQ(flying.size(), QSize(120, 72));
        EXPECT_TRUE(upright(flying) == still) << "stood up again, the flying back differs from the still one";
    }
}

// A part of a picture, as its pixels.
std::vector<QRgb> pixels(const QImage& picture, const QRect& box) {
    const QImage x = picture.convertToFormat(QImage::Format_RGB32);
    std::vector<QRgb> found;
    for (int row = box.top(); row <= box.bottom(); ++row) {
        for (int col = box.left(); col <= box.right(); ++col) found.push_back(x.pixel(col, row));
    }
    return found;
}

// The modern deck's corner indices stand on clean paper: the bottom-right
// index is the top-left one moved down and across, pixel for pixel with a few
// pixels of paper round it. A figure's sleeve, a pip or the ace's disc that
// strays into either index breaks the likeness. The numeral moves as far on
// every card; the suit sign below it moves by as much as the sign is short of
// the numeral's height, found by trying each.
TEST_F(Generated, ModerneIndicesStandOnCleanPaper) {
    const QString deck = QStringLiteral("Cards/Moderne/%1/%2.bmp");
    const QPoint across(49, 94);
    const QRect topNumeral(QPoint(4, 3), QPoint(18, 21));
    for (int suit = 1; suit <= 4; ++suit) {
        for (int value = 1; value <= 10; ++value) {
            SCOPED_TRACE(deck.arg(suit).arg(value).toStdString());
            const QImage card = image(deck.arg(suit).arg(value));
            EXPECT_EQ(pixels(card, topNumeral), pixels(card, topNumeral.translated(across)));
            bool signAlike = false;
            for (int down = 55; down <= 65 && !signAlike; ++down) {
                // From under the top-left numeral to above the bottom-right one.
                const QRect topSign(QPoint(4, 22), QPoint(18, 97 - down));
                signAlike = pixels(card, topSign) == pixels(card, topSign.translated(across.x(), down));
            }
            EXPECT_TRUE(signAlike) << "the suit signs of the two corners differ";
        }
    }
}

// What is drawn on a card's paper: the pixels inside its one-pixel edge whose
// colour differs from the paper's by more than a faint shade of antialiasing.
struct Ink {
    int width = 0;
    int height = 0;
    std::vector<bool> at;  // row by row
    bool operator()(int x, int y) const { return at[std::size_t(y) * width + x]; }
};

Ink inkOn(const QImage& card, QRgb paper) {
    const QImage x = card.convertToFormat(QImage::Format_RGB32);
    Ink ink{x.width(), x.height(), std::vector<bool>(std::size_t(x.width()) * x.height(), false)};
    for (int row = 1; row + 1 < x.height(); ++row) {
        for (int col = 1; col + 1 < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            ink.at[std::size_t(row) * x.width() + col] =
                std::max({std::abs(qRed(p) - qRed(paper)), std::abs(qGreen(p) - qGreen(paper)),
                          std::abs(qBlue(p) - qBlue(paper))}) > 40;
        }
    }
    return ink;
}

// How many things are drawn with at least three pixels of paper between them:
// the parts of the ink that stay apart once every part has grown by a pixel.
int partsApart(const Ink& ink) {
    const int w = ink.width;
    const int h = ink.height;
    std::vector<bool> grown(ink.at.size(), false);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (!ink(x, y)) continue;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    if (x + dx >= 0 && x + dx < w && y + dy >= 0 && y + dy < h)
                        grown[std::size_t(y + dy) * w + x + dx] = true;
                }
            }
        }
    }
    std::vector<bool> seen(grown.size(), false);
    int parts = 0;
    for (std::size_t start = 0; start < grown.size(); ++start) {
        if (!grown[start] || seen[start]) continue;
        ++parts;
        std::vector<std::size_t> todo{start};
        seen[start] = true;
        while (!todo.empty()) {
            const std::size_t i = todo.back();
            todo.pop_back();
            const int x = int(i % w);
            const int y = int(i / w);
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    if (x + dx < 0 || x + dx >= w || y + dy < 0 || y + dy >= h) continue;
                    const std::size_t j = std::size_t(y + dy) * w + x + dx;
                    if (grown[j] && !seen[j]) {
                        seen[j] = true;
                        todo.push_back(j);
                    }
                }
            }
        }
    }
    return parts;
}

// The southern deck has no corner numerals: its signs are counted at a glance.
// Every face keeps three pixels of paper inside its edge, and the aces and pips
// are drawn as so many groups with at least three pixels of paper round each:
// one sign for each cup and coin; batons and swords crossed in pairs, three tied
// or laid together on the 3, and the 7's middle three standing apart.
TEST_F(Generated, MeridioneSignsStandApartAndClearOfTheEdge) {
    const QString deck = QStringLiteral("Cards/Meridione/%1/%2.bmp");
    const int longGroups[] = {0, 1, 1, 1, 2, 3, 3, 5};
    for (int suit = 1; suit <= 4; ++suit) {
        for (int value = 1; value <= 10; ++value) {
            SCOPED_TRACE(deck.arg(suit).arg(value).toStdString());
            const QImage card = image(deck.arg(suit).arg(value));
            const Ink ink = inkOn(card, card.pixel(card.width() / 2, 2));
            int nearEdge = 0;
            for (int y = 1; y + 1 < ink.height; ++y) {
                for (int x = 1; x + 1 < ink.width; ++x)
                    nearEdge += ink(x, y) && (x <= 3 || y <= 3 || x >= ink.width - 4 || y >= ink.height - 4);
            }
            EXPECT_EQ(nearEdge, 0) << "pixels drawn within three of the edge";
            if (value > 7) continue;
            const bool isLong = suit == 1 || suit == 4;
            EXPECT_EQ(partsApart(ink), isLong ? longGroups[value] : value);
        }
    }
}

// The house deck's faces keep their red inner frame and their corner numerals
// clear. Nothing drawn crosses the frame's straight sides or touches them from
// inside: there every face shows what most faces show. And the bottom-right
// numeral is the top-left one moved down and across, pixel for pixel with the
// paper round it, so no hoof, leaf or sleeve touches either.
TEST_F(Generated, TavoloraFramesAndNumeralsStayClear) {
    const QString deck = QStringLiteral("Cards/Tavolora/%1/%2.bmp");
    std::vector<QImage> faces;
    for (int suit = 1; suit <= 4; ++suit) {
        for (int value = 1; value <= 10; ++value) faces.push_back(image(deck.arg(suit).arg(value)));
    }
    // The frame runs along the pixels 3 in from the edge, its corners rounded
    // off within the 9 pixels next to them; then the pixel inside it.
    std::vector<QPoint> along;
    for (const int inset : {3, 4}) {
        for (int y = 10; y < 110; ++y) along.insert(along.end(), {QPoint(inset, y), QPoint(71 - inset, y)});
        for (int x = 10; x < 62; ++x) along.insert(along.end(), {QPoint(x, inset), QPoint(x, 119 - inset)});
    }
    for (const QPoint& at : along) {
        std::map<QRgb, int> seen;
        for (const QImage& face : faces) ++seen[face.pixel(at)];
        const QRgb usual = std::max_element(seen.begin(), seen.end(), [](const auto& a, const auto& b) {
                               return a.second < b.second;
                           })->first;
        for (std::size_t i = 0; i < faces.size(); ++i) {
            EXPECT_EQ(faces[i].pixel(at), usual)
                << deck.arg(i / 10 + 1).arg(i % 10 + 1).toStdString() << " at " << at.x() << ", " << at.y();
        }
    }
    const QRect topNumeral(QPoint(6, 5), QPoint(17, 15));
    for (std::size_t i = 0; i < faces.size(); ++i) {
        EXPECT_EQ(pixels(faces[i], topNumeral), pixels(faces[i], topNumeral.translated(48, 99)))
            << deck.arg(i / 10 + 1).arg(i % 10 + 1).toStdString();
    }
}

TEST_F(Generated, TableBackgroundsFillTheWidestWindow) {
    const QStringList tables = entries(files, QStringLiteral("Tables"), QStringLiteral(".jpg"));
    EXPECT_GE(tables.size(), 4);
    std::vector<QImage> pictures;
    for (const QString& name : tables) {
        const QByteArray& bytes = files[QStringLiteral("Tables/") + name];
        EXPECT_TRUE(bytes.startsWith("\xFF\xD8\xFF")) << name.toStdString() << " is not a JPEG";
        const QImage picture = QImage::fromData(bytes, "JPEG");
        EXPECT_GE(picture.width(), 2184) << name.toStdString();
        EXPECT_GE(picture.height(), 1456) << name.toStdString();
        pictures.push_back(picture.scaled(273, 205));
    }
    for (std::size_t a = 0; a < pictures.size(); ++a) {
        for (std::size_t b = a + 1; b < pictures.size(); ++b)
            EXPECT_GT(visiblyDifferent(pictures[a], pictures[b]), 0.3);
    }
}

TEST_F(Generated, PhotosAreDistinctSquaresWithNamesThatFitTheUserRecord) {
    const QStringList photos = entries(files, QStringLiteral("Photos"), QStringLiteral(".bmp"));
    EXPECT_GE(photos.size(), 8);
    std::vector<QImage> pictures;
    for (const QString& name : photos) {
        SCOPED_TRACE(name.toStdString());
        const std::optional<std::string> stored = tavolora::storage::to_cp1252(name.toStdString());
        ASSERT_TRUE(stored);
        EXPECT_LE(stored->size(), 20u);
        EXPECT_TRUE(tavolora::storage::is_single_component(*stored));
        BmpHeader header;
        ASSERT_TRUE(parseBmp(files[QStringLiteral("Photos/") + name], &header));
        EXPECT_EQ(header.width, 49);
        EXPECT_EQ(qAbs(header.height), 49);
        pictures.push_back(image(QStringLiteral("Photos/") + name));
    }
    for (std::size_t a = 0; a < pictures.size(); ++a) {
        for (std::size_t b = a + 1; b < pictures.size(); ++b)
            EXPECT_GT(visiblyDifferent(pictures[a], pictures[b]), 0.3);
    }
}

TEST_F(Generated, EveryIconOfTheCatalogueAndNothingElse) {
    QStringList expected;
    for (const icons::IconFile& icon : icons::kAll) {
        const QString name = QString::fromLatin1(icon.stem) + QString::fromLatin1(icons::kExtension);
        expected << name;
        SCOPED_TRACE(name.toStdString());
        const QByteArray& bytes = files[QStringLiteral("Icons/") + name];
        ASSERT_TRUE(bytes.startsWith("\x89PNG"));
        const QImage picture = QImage::fromData(bytes, "PNG");
        EXPECT_EQ(picture.size(), QSize(icon.width, icon.height));
        ASSERT_TRUE(picture.hasAlphaChannel());
        // Something is drawn, and something is left for the ground to show through.
        int clear = 0;
        int drawn = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const int alpha = qAlpha(picture.pixel(x, y));
                clear += alpha == 0;
                drawn += alpha >= 128;
            }
        }
        EXPECT_GT(clear, 0);
        EXPECT_GT(drawn, 0);
    }
    const QImage cursor = image(QStringLiteral("Icons/%1.png").arg(QLatin1String(icons::kCursoreCarta.stem)));
    EXPECT_GE(qAlpha(cursor.pixel(icons::kCursoreCartaHotX, icons::kCursoreCartaHotY)), 128)
        << "the pointer's hot spot lies on the pointer";
    expected.sort();
    EXPECT_EQ(entries(files, QStringLiteral("Icons"), QStringLiteral(".png")), expected);
}

// The help screen reads each game's file with the program's own reader: every topic
// the index announces has text, no line is left out of a topic, every line fits the
// screen, and every byte is a character of Windows-1252.
TEST_F(Generated, HelpFilesReadBackIntoTheirChaptersAndTopics) {
    namespace storage = tavolora::storage;
    for (int game = 1; game <= 4; ++game) {
        SCOPED_TRACE("Ita_" + std::to_string(game));
        const QByteArray& raw = files[QStringLiteral("Languages/Ita_%1.txt").arg(game)];
        const std::string bytes(raw.constData(), std::size_t(raw.size()));
        ASSERT_FALSE(bytes.empty());
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const auto c = static_cast<unsigned char>(bytes[i]);
            if (c == '\r') {
                EXPECT_EQ(bytes[i + 1], '\n') << "a CR without its LF at " << i;
            } else if (c == '\n') {
                EXPECT_EQ(bytes[i - 1], '\r') << "a LF without its CR at " << i;
            } else {
                EXPECT_TRUE(c >= 0x20 && c != 0x7F && c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 &&
                            c != 0x9D)
                    << "byte " << int(c) << " at " << i;
            }
        }
        EXPECT_EQ(storage::to_cp1252(storage::from_cp1252(bytes)), bytes);

        const std::vector<storage::HelpNode> index = storage::help_index(bytes);
        int chapters = 0;
        int topics = 0;
        std::size_t listed = 0;
        for (const storage::HelpNode& node : index) {
            if (node.parent.empty()) {
                ++chapters;
                continue;
            }
            ++topics;
            const std::string chapter = node.key.substr(1, node.key.find('_') - 1);
            const std::string section = node.key.substr(node.key.find('_') + 1);
            EXPECT_NE(section, "99");
            const std::vector<std::string> text = storage::help_topic(bytes, chapter, section);
            EXPECT_FALSE(text.empty()) << node.key;
            listed += text.size();
        }
        EXPECT_GE(chapters, 4);
        EXPECT_GE(topics, 12);
        const std::vector<std::string_view> lines = storage::help_lines(bytes);
        EXPECT_EQ(listed + index.size(), lines.size()) << "lines that no topic shows";
        for (std::string_view line : lines) EXPECT_LE(line.size(), 8 + storage::kHelpTextWidth) << line;
    }
}

TEST_F(Generated, ASecondRunWritesTheSameBytes) {
    QTemporaryDir again;
    const GeneratorRun run = runGenerator({QStringLiteral("--out"), again.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const Files second = readTree(again.path());
    ASSERT_EQ(second.size(), files.size());
    for (const auto& [path, bytes] : files) EXPECT_TRUE(second.at(path) == bytes) << path.toStdString();
}

TEST(Generator, FailuresExitWithOneAndSayWhy) {
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

    // A help source that does not fit stops the build, naming the file and the line.
    QTemporaryDir sources;
    for (int game = 1; game <= 4; ++game) {
        QFile source(sources.filePath(QStringLiteral("Ita_%1.txt").arg(game)));
        ASSERT_TRUE(source.open(QIODevice::WriteOnly));
        source.write(game == 3 ? "= Capitolo\n== Argomento\nUna freccia \xE2\x86\x92 qui.\n"
                               : "= C\n== A\nTesto.\n");
    }
    const GeneratorRun badHelp = runGenerator({QStringLiteral("--out"), dir.filePath(QStringLiteral("out")),
                                               QStringLiteral("--help-texts"), sources.path()});
    EXPECT_EQ(badHelp.exitCode, 1);
    EXPECT_TRUE(badHelp.errors.contains(QStringLiteral("Ita_3.txt, line 3:")))
        << badHelp.errors.toStdString();
    EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("out/Cards"))).exists());
}

}  // namespace
