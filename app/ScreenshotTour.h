#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QQmlApplicationEngine;
class QQuickItem;

// `pacelog --screenshots DIR`: over a small sample log, shows the menu and every page in the
// light and in the dark appearance and saves each as DIR/<page>-<appearance>.png, so a person
// can see every screen as it is drawn.
class ScreenshotTour : public QObject {
    Q_OBJECT
public:
    ScreenshotTour(QQmlApplicationEngine *engine, const QString &directory,
                   QObject *parent = nullptr);
    // Writes about twenty sessions through the store, as the entry screen does.
    static void seedSampleLog();
    // Starts on the next turn of the event loop; quits the application when done.
    void start();

private:
    void run();
    bool capture(const QString &name);
    // Nothing covers the page on top, and a summary shows the sessions it was opened for.
    bool showsItsOwnContent(QQuickItem *stack, const QString &name);
    QQmlApplicationEngine *m_engine;
    QString m_directory;
    int m_failures = 0;
};
