#include "app/SelfTest.h"
#include "model/AppDelegate.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QQmlApplicationEngine>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(PacelogPlugin)

int main(int argc, char *argv[]) {
    // QApplication rather than QGuiApplication: the print dialog is a widget.
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Pacelog"));
    QCoreApplication::setApplicationName(QStringLiteral("Pacelog"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Pacelog, a logbook for treadmill workouts"));
    parser.addHelpOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Keep the store and settings in <dir>."),
                                     QStringLiteral("dir"));
    const QCommandLineOption selfTest(QStringLiteral("self-test"),
                                      QStringLiteral("Open every screen once and exit."));
    const QCommandLineOption firstFrame(
        QStringLiteral("first-frame"),
        QStringLiteral("Start as usual and exit once the menu's first frame is shown."));
    parser.addOption(dataDir);
    parser.addOption(selfTest);
    parser.addOption(firstFrame);
    parser.process(app);
    if (parser.isSet(dataDir))
        AppDelegate::setDataDirectory(parser.value(dataDir));

    // The store loads before any screen, so one that cannot be opened stops the program here.
    AppDelegate::shared()->persistentContainer();

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
    return app.exec();
}
