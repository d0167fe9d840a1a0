// tavolora_assets: draws the pictures that Tavolora shows and writes its help files.
#include "output.h"

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

}  // namespace

int main(int argc, char** argv) {
    // The pictures are drawn off screen; no display is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultMessageHandler = qInstallMessageHandler(messageHandler);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("tavolora_assets"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws the Tavolora pictures and writes the help files into the program folder."));
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"),
                                       QStringLiteral("Program folder that receives Cards, Tables, Photos, "
                                                      "Icons and Languages."),
                                       QStringLiteral("DIR"));
    const QCommandLineOption helpOption(QStringLiteral("help-texts"),
                                        QStringLiteral("Folder of the help files' sources."),
                                        QStringLiteral("DIR"), QStringLiteral(TAVOLORA_HELP_SOURCES));
    parser.addOptions({outOption, helpOption});
    if (!parser.parse(QGuiApplication::arguments())) return fail(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));
    if (!parser.isSet(outOption) || parser.value(outOption).isEmpty())
        return fail(QStringLiteral("--out DIR is required"));

    const QString out = parser.value(outOption);
    QString error;
    // The help files first: a fault in a source is found before the long drawing.
    if (!tavolora::art::writeHelp(out, parser.value(helpOption), &error) ||
        !tavolora::art::writeDecks(out, &error) || !tavolora::art::writeTables(out, &error) ||
        !tavolora::art::writePhotos(out, &error) || !tavolora::art::writeIcons(out, &error))
        return fail(error);
    return 0;
}
