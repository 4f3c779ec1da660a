#include "app/SelfTest.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QTimer>
#include <cstdio>

namespace {

int qmlProblems = 0;
QtMessageHandler previousHandler = nullptr;

void countProblems(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (type != QtDebugMsg && type != QtInfoMsg &&
        (message.contains(QLatin1String("qrc:/qt/qml/Pacelog")) ||
         QByteArray(context.file ? context.file : "").contains("qt/qml/Pacelog")))
        ++qmlProblems;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

SelfTest::SelfTest(QQmlApplicationEngine *engine, QObject *parent)
    : QObject(parent), m_engine(engine) {}

QStringList SelfTest::pageUrls() {
    QStringList urls;
    QDirIterator it(QStringLiteral(":/qt/qml/Pacelog"), {QStringLiteral("*Page.qml")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        // The menu is always on screen; every other page is opened once.
        if (!path.endsWith(QLatin1String("/ScreenPage.qml")) &&
            !path.endsWith(QLatin1String("/MainMenuPage.qml")))
            urls << QStringLiteral("qrc") + path;
    }
    urls.sort();
    return urls;
}

void SelfTest::start() {
    previousHandler = qInstallMessageHandler(countProblems);
    QTimer::singleShot(0, this, &SelfTest::run);
}

void SelfTest::run() {
    QObject *root = m_engine->rootObjects().value(0);
    QObject *appRoot = root ? root->findChild<QObject *>(QStringLiteral("appRoot")) : nullptr;
    if (!appRoot) {
        std::fprintf(stderr, "self-test: the app did not load\n");
        QCoreApplication::exit(1);
        return;
    }
    int failures = 0;
    for (const QString &url : pageUrls()) {
        QVariant opened;
        const int before = qmlProblems;
        QMetaObject::invokeMethod(appRoot, "openForSelfTest", Q_RETURN_ARG(QVariant, opened),
                                  Q_ARG(QVariant, url));
        QCoreApplication::processEvents();
        const bool ok = opened.toBool() && qmlProblems == before;
        std::printf("self-test: %s %s\n", ok ? "ok  " : "FAIL", qPrintable(url));
        if (!ok)
            ++failures;
    }
    std::printf("self-test: %d pages, %d failed\n", int(pageUrls().size()), failures);
    std::fflush(stdout);
    QCoreApplication::exit(failures == 0 && qmlProblems == 0 ? 0 : 1);
}
