#include "exchange/CSVScanner.h"

#include "model/AppDelegate.h"
#include "model/UserData.h"

#include <QDebug>
#include <QFile>
#include <QStringDecoder>
#include <functional>

namespace {

// Hands each session of the file to `store` until it returns false; false when the file cannot
// be read or `store` stopped.
bool readSessions(const QString &path, const std::function<bool(UserData &)> &store) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(file.readAll());
    if (decoder.hasError()) {
        qWarning().noquote() << "Problem Loading file" << path;
        return false;
    }
    // CR LF becomes one line end; of two blank lines in a row one empty line stays.
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QStringLiteral("\n\n"), QStringLiteral("\n"));

    for (const QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        const QList<QStringView> fields = line.split(QLatin1Char(','));
        if (fields.first().isEmpty())
            continue;
        UserData session;
        for (qsizetype i = 0; i < qMin(fields.size(), UserData::LineFieldCount); ++i)
            session.setLineField(i, fields.at(i).toString());
        if (!store(session))
            return false;
    }
    return true;
}

} // namespace

QString CSVScanner::resourcePath(const QString &name) {
    return QStringLiteral(":/qt/qml/Pacelog/resources/") + name + QStringLiteral(".csv");
}

int CSVScanner::scanCSV(const QString &path) {
    std::unique_ptr<Context> context = AppDelegate::shared()->newContainer();
    int stored = 0;
    readSessions(path, [&](UserData &session) {
        context->insert(session);
        if (context->save())
            ++stored;
        else
            qWarning() << "Can't Save";
        return true;
    });
    return stored;
}

int CSVScanner::scanCSV(const QString &path, Context &context) {
    int inserted = 0;
    bool written = true;
    readSessions(path, [&](UserData &session) {
        written = context.insert(session);
        inserted += written;
        return written;
    });
    return written ? inserted : -1;
}
