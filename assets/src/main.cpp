// tavolora_assets: draws the card pictures that Tavolora shows on its table.
#include "deckoutput.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>

namespace {

QtMessageHandler defaultMessageHandler = nullptr;

// A headless start without XDG_RUNTIME_DIR makes Qt say so on every run;
// that note only clutters the build log.
void messageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    defaultMessageHandler(type, context, message);
}

int fail(const QString& message) {
    std::fprintf(stderr, "tavolora_assets: %s\n", qPrintable(message));
    return 1;
}

bool isPlainFolderName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

}  // namespace

int main(int argc, char** argv) {
    // The pictures are drawn off screen; no display is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultMessageHandler = qInstallMessageHandler(messageHandler);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("tavolora_assets"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the Tavolora card pictures as BMP files."));
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"),
                                       QStringLiteral("Program folder that receives Cards/<deck>/."),
                                       QStringLiteral("DIR"));
    const QCommandLineOption deckOption(QStringLiteral("deck"), QStringLiteral("Deck folder name."),
                                        QStringLiteral("NAME"), QStringLiteral("Tavolora"));
    const QCommandLineOption sheetOption(QStringLiteral("sheet"),
                                         QStringLiteral("Also write a contact sheet of all cards."),
                                         QStringLiteral("FILE.png"));
    const QCommandLineOption scaleOption(QStringLiteral("sheet-scale"),
                                         QStringLiteral("Enlarge the contact sheet N times (1-8)."),
                                         QStringLiteral("N"), QStringLiteral("1"));
    parser.addOptions({outOption, deckOption, sheetOption, scaleOption});
    if (!parser.parse(QGuiApplication::arguments())) return fail(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));
    if (!parser.isSet(outOption) || parser.value(outOption).isEmpty())
        return fail(QStringLiteral("--out DIR is required"));
    const QString deck = parser.value(deckOption);
    if (!isPlainFolderName(deck)) return fail(QStringLiteral("invalid deck name \"%1\"").arg(deck));
    bool scaleOk = false;
    const int scale = parser.value(scaleOption).toInt(&scaleOk);
    if (!scaleOk || scale < 1 || scale > 8)
        return fail(QStringLiteral("--sheet-scale must be a whole number from 1 to 8"));

    QString error;
    if (!tavolora::art::writeDeck(parser.value(outOption), deck, &error)) return fail(error);
    if (parser.isSet(sheetOption) &&
        !tavolora::art::writeContactSheet(parser.value(sheetOption), scale, &error))
        return fail(error);
    return 0;
}
