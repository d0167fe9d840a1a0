// tavolora_sheet: one PNG of every picture in a program folder (each deck with its
// backs, the table backgrounds small and at full size, the users' pictures, the
// icons on a light and a dark ground, at their size and doubled), for review.
// `--scale N` shows the cards N times their size, pixel for pixel, to look at
// their details.
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kMargin = 16;
constexpr int kGap = 8;
constexpr int kLabel = 14;
constexpr int kSheetWidth = 1600;
const QColor kGround(0x3a, 0x3f, 0x44);
const QColor kLight(0xf2, 0xf2, 0xee);
const QColor kDark(0x20, 0x22, 0x26);

int fail(const QString& message) {
    std::fprintf(stderr, "tavolora_sheet: %s\n", qPrintable(message));
    return 1;
}

QFont labelFont(int pixels, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A block of the sheet: its height, and how to paint it at a top edge.
struct Block {
    int height;
    std::function<void(QPainter&, int top)> paint;
};

Block heading(const QString& text) {
    return {28, [text](QPainter& p, int top) {
                p.setFont(labelFont(18, true));
                p.setPen(Qt::white);
                p.drawText(QRect(kMargin, top, kSheetWidth - 2 * kMargin, 26),
                           Qt::AlignLeft | Qt::AlignBottom, text);
            }};
}

// Pictures in rows, each with its name under it, wrapped to the sheet's width.
Block gallery(const std::vector<std::pair<QString, QImage>>& pictures, int scale, const QColor& ground) {
    int x = kMargin;
    int rowHeight = 0;
    int height = 0;
    struct Placed {
        QPoint at;
        QString name;
        QImage image;
    };
    std::vector<Placed> placed;
    for (const auto& [name, image] : pictures) {
        const QImage shown = scale == 1 ? image : image.scaled(image.size() * scale);
        const int w = std::max(shown.width(), 60);
        if (x + w > kSheetWidth - kMargin && x > kMargin) {
            x = kMargin;
            height += rowHeight + kGap;
            rowHeight = 0;
        }
        placed.push_back({QPoint(x, height), name, shown});
        x += w + kGap;
        rowHeight = std::max(rowHeight, shown.height() + kLabel);
    }
    height += rowHeight;
    return {height + kGap, [placed, ground](QPainter& p, int top) {
                p.setFont(labelFont(10));
                for (const Placed& item : placed) {
                    const QRect frame(item.at + QPoint(0, top), item.image.size());
                    p.fillRect(frame.adjusted(-2, -2, 2, 2), ground);
                    p.drawImage(frame.topLeft(), item.image);
                    p.setPen(QColor(0xdd, 0xdd, 0xdd));
                    p.drawText(
                        QRect(frame.left() - 2, frame.bottom() + 2, std::max(frame.width() + 4, 60), kLabel),
                        Qt::AlignLeft | Qt::AlignTop, item.name);
                }
            }};
}

QStringList sortedEntries(const QDir& dir, QDir::Filters filters, const QStringList& patterns = {}) {
    QStringList names =
        dir.entryList(patterns, filters | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    return names;
}

void addDecks(const QDir& root, int scale, std::vector<Block>& blocks) {
    const QDir cards(root.filePath(QStringLiteral("Cards")));
    for (const QString& deck : sortedEntries(cards, QDir::Dirs)) {
        blocks.push_back(heading(QStringLiteral("Cards/%1").arg(deck)));
        for (int suit = 1; suit <= 4; ++suit) {
            std::vector<std::pair<QString, QImage>> row;
            for (int value = 1; value <= 10; ++value)
                row.emplace_back(
                    QStringLiteral("%1/%2").arg(suit).arg(value),
                    QImage(cards.filePath(QStringLiteral("%1/%2/%3.bmp").arg(deck).arg(suit).arg(value))));
            if (suit == 1) {
                row.emplace_back(QStringLiteral("1/0"),
                                 QImage(cards.filePath(deck + QStringLiteral("/1/0.bmp"))));
                row.emplace_back(QStringLiteral("1/00"),
                                 QImage(cards.filePath(deck + QStringLiteral("/1/00.bmp"))));
            }
            blocks.push_back(gallery(row, scale, kGround));
        }
    }
}

void addTables(const QDir& root, std::vector<Block>& blocks) {
    const QDir tables(root.filePath(QStringLiteral("Tables")));
    std::vector<std::pair<QString, QImage>> small;
    std::vector<std::pair<QString, QImage>> detail;
    for (const QString& name : sortedEntries(tables, QDir::Files, {QStringLiteral("*.jpg")})) {
        const QImage image(tables.filePath(name));
        small.emplace_back(QStringLiteral("%1 (%2x%3)").arg(name).arg(image.width()).arg(image.height()),
                           image.scaledToWidth(360, Qt::SmoothTransformation));
        detail.emplace_back(name + QStringLiteral(", a corner at full size"), image.copy(0, 0, 360, 200));
    }
    blocks.push_back(heading(QStringLiteral("Tables")));
    blocks.push_back(gallery(small, 1, kGround));
    blocks.push_back(gallery(detail, 1, kGround));
}

void addFolder(const QDir& root, const QString& folder, const QString& pattern, std::vector<Block>& blocks) {
    const QDir dir(root.filePath(folder));
    std::vector<std::pair<QString, QImage>> pictures;
    for (const QString& name : sortedEntries(dir, QDir::Files, {pattern}))
        pictures.emplace_back(name, QImage(dir.filePath(name)));
    blocks.push_back(heading(folder));
    blocks.push_back(gallery(pictures, 1, kLight));
    blocks.push_back(gallery(pictures, 1, kDark));
    blocks.push_back(gallery(pictures, 2, kLight));
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws one PNG of every picture in a Tavolora program folder."));
    parser.addHelpOption();
    const QCommandLineOption inOption(QStringLiteral("in"), QStringLiteral("Program folder."),
                                      QStringLiteral("DIR"));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("The sheet to write."),
                                       QStringLiteral("FILE.png"));
    const QCommandLineOption scaleOption(QStringLiteral("scale"),
                                         QStringLiteral("Show the cards N times their size (1 to 6)."),
                                         QStringLiteral("N"), QStringLiteral("1"));
    parser.addOptions({inOption, outOption, scaleOption});
    parser.process(app);
    if (!parser.isSet(inOption) || !parser.isSet(outOption))
        return fail(QStringLiteral("--in and --out are required"));
    bool scaleRead = false;
    const int scale = parser.value(scaleOption).toInt(&scaleRead);
    if (!scaleRead || scale < 1 || scale > 6) return fail(QStringLiteral("--scale takes a whole number from 1 to 6"));
    const QDir root(parser.value(inOption));
    if (!root.exists()) return fail(QStringLiteral("no folder %1").arg(parser.value(inOption)));

    std::vector<Block> blocks;
    addDecks(root, scale, blocks);
    addTables(root, blocks);
    addFolder(root, QStringLiteral("Photos"), QStringLiteral("*.bmp"), blocks);
    addFolder(root, QStringLiteral("Icons"), QStringLiteral("*.png"), blocks);

    int height = kMargin;
    for (const Block& block : blocks) height += block.height;
    QImage sheet(kSheetWidth, height + kMargin, QImage::Format_RGB32);
    sheet.fill(kGround);
    {
        QPainter p(&sheet);
        int top = kMargin;
        for (const Block& block : blocks) {
            block.paint(p, top);
            top += block.height;
        }
    }
    const QString out = parser.value(outOption);
    QDir().mkpath(QFileInfo(out).absolutePath());
    if (!sheet.save(out, "PNG")) return fail(QStringLiteral("cannot write %1").arg(out));
    return 0;
}
