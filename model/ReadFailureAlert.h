#pragma once

#include <QObject>
#include <QString>

// Tells the person that the store could not be read to its end (a damaged page, a failing
// device), so the screen shows less than is stored. Nothing is written because of it. A
// screen that reads several times reports the first failure only.
class ReadFailureAlert {
public:
    static const QString Title;
    static void present(QObject *screen, const QString &error);
};
