#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

// One Pacelog per data folder. The first start on a folder holds its lock and listens on a
// local socket named after the folder; a later start finds the lock held, asks the running one
// to come forward through that socket, and opens nothing. The operating system frees the lock
// of a Pacelog that was killed, so a lock left behind never blocks the next start.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &dataDirectory, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process now holds the folder; false when another Pacelog does (it has
    // then been asked to come forward).
    bool claim();

    // The lock and socket name of a folder: the same for every spelling of its path.
    static QString keyFor(const QString &dataDirectory);

signals:
    // Another start on the same folder handed over to this one.
    void activationRequested();

private:
    void listen();
    void askRunningToComeForward();

    QString m_key;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};
