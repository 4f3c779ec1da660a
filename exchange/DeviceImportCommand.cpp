#include "exchange/DeviceImportCommand.h"

#include "exchange/DeviceImportPreview.h"
#include "exchange/DeviceImportWriter.h"
#include "exchange/device/DeviceFileSource.h"
#include "model/AppDelegate.h"
#include "model/Settings.h"
#include "platform/Formatting.h"

#include <QTextStream>

QString DeviceImportCommand::line(const DeviceImportRow &row) {
    const bool refused = row.status == DeviceImportRow::Status::Refused;
    QStringList fields{row.statusText(),
                       refused ? QString() : row.day.toString(Qt::ISODate),
                       row.sport,
                       refused ? QString() : Formatting::fixed2(row.metres),
                       refused ? QString() : QString::number(row.kilocalories),
                       row.file};
    if (row.status != DeviceImportRow::Status::New)
        fields << row.reason;
    return fields.join(QLatin1Char('\t'));
}

int DeviceImportCommand::run(const Options &options, QTextStream &out, QTextStream &err) {
    // Anything but "Miles" means kilometres, as everywhere; a fresh install counts in miles.
    const QString unit = Settings::standard().string(QStringLiteral("Distance"));
    const bool miles = unit.isNull() || unit == QLatin1String("Miles");

    std::unique_ptr<Context> context = AppDelegate::shared()->newContainer();
    DeviceImportPreview preview(miles);
    QString error;
    if (!preview.loadStored(*context, &error)) {
        err << "pacelog: the stored sessions cannot be read: " << error << Qt::endl;
        return 1;
    }
    DeviceFileSource source(options.paths);
    DeviceFile file;
    while (source.next(file))
        preview.addFile(file);
    preview.classify(options.allSports);

    int status = source.anyUnreadablePath() ? 1 : 0;
    if (!options.dryRun) {
        QList<UserData> sessions;
        for (const DeviceImportRow &row : preview.rows()) {
            if (row.status == DeviceImportRow::Status::New)
                sessions.append(DeviceImportPreview::session(row));
        }
        DeviceImportWriter writer(*context, sessions);
        if (!writer.writeNext(sessions.size()) || !writer.commit()) {
            err << "pacelog: nothing was stored: " << writer.error() << Qt::endl;
            status = 1;
        }
    }
    for (const DeviceImportRow &row : preview.rows())
        out << line(row) << '\n';
    out.flush();
    return status;
}
