#pragma once

#include <QObject>
#include <QStringList>

class QQmlApplicationEngine;

// `pacelog --self-test`: opens every page the segue registry knows once on the running app and
// reports whether each was built without a QML error.
class SelfTest : public QObject {
    Q_OBJECT
public:
    explicit SelfTest(QQmlApplicationEngine *engine, QObject *parent = nullptr);
    // Starts on the next turn of the event loop; quits the application with the result.
    void start();

private:
    void run();
    QQmlApplicationEngine *m_engine;
};
