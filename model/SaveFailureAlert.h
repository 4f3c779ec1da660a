#pragma once

#include <QObject>
#include <QString>

// Tells the person on screen that a change was not saved, and why in their words: a full
// device, a read-only data folder, or the store's own message. The screen carries on with its
// own rules (log, go back); earlier saves are untouched because a failed write rolls back.
class SaveFailureAlert {
public:
    static void present(QObject *screen, const QString &error);
};
