#include "app/SelfTest.h"

#include "app/SegueRegistry.h"

#include <QCoreApplication>
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
    // The menu is the root and always built; every page a segue opens is opened once.
    const QStringList pages = SegueRegistry::pages();
    for (const QString &page : pages) {
        QVariant opened;
        const int before = qmlProblems;
        QMetaObject::invokeMethod(appRoot, "openForSelfTest", Q_RETURN_ARG(QVariant, opened),
                                  Q_ARG(QVariant, page));
        QCoreApplication::processEvents();
        const bool ok = opened.toBool() && qmlProblems == before;
        std::printf("self-test: %s %s\n", ok ? "ok  " : "FAIL", qPrintable(page));
        if (!ok)
            ++failures;
    }
    std::printf("self-test: %d pages, %d failed\n", int(pages.size()), failures);
    std::fflush(stdout);
    QCoreApplication::exit(failures == 0 && qmlProblems == 0 ? 0 : 1);
}
