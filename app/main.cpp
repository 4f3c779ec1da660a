#include "app/ScreenshotTour.h"
#include "app/SelfTest.h"
#include "app/SingleInstance.h"
#include "exchange/DeviceImportCommand.h"
#include "model/AppDelegate.h"
#include "platform/Appearance.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDebug>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtQml/qqmlextensionplugin.h>
#include <cstdio>

Q_IMPORT_QML_PLUGIN(PacelogPlugin)

namespace {

void nameApplication() {
    QCoreApplication::setOrganizationName(QStringLiteral("Pacelog"));
    QCoreApplication::setApplicationName(QStringLiteral("Pacelog"));
}

QCommandLineOption dataDirOption() {
    return QCommandLineOption(QStringLiteral("data-dir"),
                              QStringLiteral("Keep the store and settings in <dir>."),
                              QStringLiteral("dir"));
}

QCommandLineOption importOption() {
    return QCommandLineOption(
        QStringLiteral("import"),
        QStringLiteral("Import the sessions of FIT, TCX and GPX files, folders and zip "
                       "archives without opening a window; further paths may follow."),
        QStringLiteral("path"));
}

bool wantsImport(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--import" || argument.startsWith("--import="))
            return true;
    }
    return false;
}

// The device import from the command line needs no screen, so it runs on a core application
// (a terminal or a script without a display can use it).
int runImport(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    nameApplication();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Pacelog, a logbook for treadmill workouts"));
    parser.addHelpOption();
    const QCommandLineOption dataDir = dataDirOption();
    const QCommandLineOption import = importOption();
    const QCommandLineOption dryRun(QStringLiteral("dry-run"),
                                    QStringLiteral("With --import: show what would be stored, "
                                                   "store nothing."));
    const QCommandLineOption allSports(QStringLiteral("all-sports"),
                                       QStringLiteral("With --import: store other sports than "
                                                      "running and walking too."));
    parser.addOptions({dataDir, import, dryRun, allSports});
    parser.addPositionalArgument(QStringLiteral("path"), QStringLiteral("More paths to import."),
                                 QStringLiteral("[path...]"));
    parser.process(app);
    if (parser.isSet(dataDir))
        AppDelegate::setDataDirectory(parser.value(dataDir));
    // The folder's Pacelog keeps the store to itself, as it does from a second window: its
    // screens and its undo would not know of sessions stored under them. It is brought
    // forward, where the same import is on the data exchange page.
    QDir().mkpath(AppDelegate::dataDirectory());
    SingleInstance instance(AppDelegate::dataDirectory());
    if (!instance.claim()) {
        std::fprintf(stderr, "Pacelog is already running with this data folder\n"
                             "pacelog: nothing was imported; close Pacelog and import again, "
                             "or use Import / Export in its window\n");
        return 1;
    }
    DeviceImportCommand::Options options;
    options.paths = parser.values(import) + parser.positionalArguments();
    options.dryRun = parser.isSet(dryRun);
    options.allSports = parser.isSet(allSports);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return DeviceImportCommand::run(options, out, err);
}

} // namespace

int main(int argc, char *argv[]) {
    if (wantsImport(argc, argv))
        return runImport(argc, argv);

    // QApplication rather than QGuiApplication: the print dialog is a widget.
    QApplication app(argc, argv);
    nameApplication();
    // The desktop entry's name lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.pacelog.Pacelog"));
    QGuiApplication::setWindowIcon(
        QIcon(QStringLiteral(":/qt/qml/Pacelog/resources/desktop/org.pacelog.Pacelog.svg")));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Pacelog, a logbook for treadmill workouts"));
    parser.addHelpOption();
    const QCommandLineOption dataDir = dataDirOption();
    const QCommandLineOption selfTest(QStringLiteral("self-test"),
                                      QStringLiteral("Open every screen once and exit."));
    const QCommandLineOption appearance(QStringLiteral("appearance"),
                                        QStringLiteral("Use the light or dark appearance "
                                                       "instead of the system's."),
                                        QStringLiteral("light|dark"));
    const QCommandLineOption screenshots(
        QStringLiteral("screenshots"),
        QStringLiteral("Save every page, light and dark, over a sample log as PNGs in <dir>."),
        QStringLiteral("dir"));
    const QCommandLineOption firstFrame(
        QStringLiteral("first-frame"),
        QStringLiteral("Start as usual and exit once the menu's first frame is shown."));
    parser.addOptions({dataDir, selfTest, appearance, screenshots, firstFrame, importOption()});
    parser.process(app);
    if (parser.isSet(appearance) && !Appearance::instance()->force(parser.value(appearance))) {
        std::fprintf(stderr, "pacelog: --appearance takes light or dark\n");
        return 2;
    }
    // The sample log lives in a data directory of its own, never in the person's.
    QTemporaryDir sampleDir;
    if (parser.isSet(screenshots))
        AppDelegate::setDataDirectory(sampleDir.path());
    else if (parser.isSet(dataDir))
        AppDelegate::setDataDirectory(parser.value(dataDir));

    // A folder already in use is handed to the Pacelog using it: two apps writing one store
    // and one settings file would each undo what the other saved.
    QDir().mkpath(AppDelegate::dataDirectory());
    SingleInstance instance(AppDelegate::dataDirectory());
    if (!instance.claim()) {
        std::fprintf(stderr, "Pacelog is already running with this data folder\n");
        return 0;
    }

    // The store loads before any screen, so one that cannot be opened stops the program here.
    // Someone who started Pacelog from the desktop's menu never sees stderr, so where there is
    // a screen the reason is also shown in a dialog before the program stops.
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal") &&
        !parser.isSet(selfTest) && !parser.isSet(screenshots) && !parser.isSet(firstFrame))
        AppDelegate::setStopNotice([](const QString &explanation) {
            QMessageBox::critical(nullptr, QStringLiteral("Pacelog cannot open its store"),
                                  explanation);
        });
    AppDelegate::shared()->persistentContainer();
    AppDelegate::setStopNotice({});
    if (parser.isSet(screenshots))
        ScreenshotTour::seedSampleLog();

    QQuickStyle::setStyle(QStringLiteral("Material"));
    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    QObject::connect(&app, &QCoreApplication::aboutToQuit,
                     [] { AppDelegate::shared()->saveChanges(); });
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreationFailed, &app,
        [] { QCoreApplication::exit(1); }, Qt::QueuedConnection);
    engine.load(QUrl(QStringLiteral("qrc:/qt/qml/Pacelog/app/Main.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;

    if (auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().first())) {
        QObject::connect(&instance, &SingleInstance::activationRequested, window, [window] {
            qInfo().noquote() << "Pacelog: another start on this data folder brought the "
                                 "window forward";
            if (window->visibility() == QWindow::Minimized)
                window->showNormal();
            else
                window->show();
            window->raise();
            window->requestActivate();
        });
    }

    // For timing a start from outside: the menu (and its start-up work) is done by then.
    if (parser.isSet(firstFrame)) {
        if (auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().first()))
            QObject::connect(
                window, &QQuickWindow::frameSwapped, &app, [] { QCoreApplication::exit(0); },
                Qt::QueuedConnection);
    }

    SelfTest test(&engine);
    if (parser.isSet(selfTest))
        test.start();
    ScreenshotTour tour(&engine, parser.value(screenshots));
    if (parser.isSet(screenshots))
        tour.start();
    return app.exec();
}
