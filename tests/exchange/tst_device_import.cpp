#include "DataDirectory.h"
#include "SessionFixture.h"
#include "exchange/DeviceImportCommand.h"
#include "exchange/DeviceImportPreview.h"
#include "exchange/DeviceImportWriter.h"
#include "exchange/device/DeviceFileSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <archive.h>
#include <archive_entry.h>

namespace {

// A TCX activity: "Sport|start|metres|kcal" (kcal empty for none).
QByteArray tcx(const QStringList &activities) {
    QByteArray out = "<TrainingCenterDatabase><Activities>";
    for (const QString &a : activities) {
        const QStringList f = a.split('|');
        out += "<Activity Sport=\"" + f[0].toUtf8() + "\"><Id>" + f[1].toUtf8() +
               "</Id><Lap StartTime=\"" + f[1].toUtf8() + "\"><DistanceMeters>" + f[2].toUtf8() +
               "</DistanceMeters>" +
               (f[3].isEmpty() ? QByteArray() : "<Calories>" + f[3].toUtf8() + "</Calories>") +
               "</Lap></Activity>";
    }
    return out + "</Activities></TrainingCenterDatabase>";
}

QString describe(const DeviceImportRow &r) {
    return QStringList{r.statusText(), r.reason,      r.date, r.distance,
                       r.calories,     r.fatCalories, r.laps}
        .join('|');
}

QStringList storedSessions() {
    QStringList out;
    Context &context = AppDelegate::shared()->persistentContainer();
    FetchRequest request = UserData::fetchRequest();
    request.setSortDescriptors({SortDescriptor(QStringLiteral("treadDate"), true)});
    for (const UserData &s : context.fetchAs<UserData>(request))
        out << QStringList{s.date(),
                           s.calories(),
                           s.fatCalories(),
                           s.distance(),
                           s.laps(),
                           s.year(),
                           QString::number(s.iyear()),
                           QString::number(s.imonth().value_or(-1)),
                           QString::number(s.iday().value_or(-1)),
                           s.treadDate().toUTC().toString(Qt::ISODate)}
                   .join('|');
    return out;
}

void writeZip(const QString &path, const QList<std::pair<QByteArray, QByteArray>> &entries) {
    struct archive *zip = archive_write_new();
    archive_write_set_format_zip(zip);
    archive_write_open_filename(zip, QFile::encodeName(path).constData());
    for (const auto &[name, bytes] : entries) {
        struct archive_entry *entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.constData());
        const bool folder = name.endsWith('/');
        archive_entry_set_filetype(entry, folder ? AE_IFDIR : AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, bytes.size());
        archive_write_header(zip, entry);
        archive_write_data(zip, bytes.constData(), size_t(bytes.size()));
        archive_entry_free(entry);
    }
    archive_write_close(zip);
    archive_write_free(zip);
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

// What each found session becomes, and which are new, duplicates, skipped or refused.
class DeviceImportTest : public QObject {
    Q_OBJECT
    DataDirectory m_dir;

private slots:
    void init() { m_dir.fresh(); }

    void preview_data() {
        QTest::addColumn<QStringList>("stored"); // "UTC start|distance"
        QTest::addColumn<bool>("miles");
        QTest::addColumn<bool>("allSports");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("rows");

        const QString run = "Running|2024-03-05T11:30:00Z|5000|300";
        QTest::newRow("a run in miles: texts as the entry screen derives them")
            << QStringList{} << true << false << tcx({run})
            << QStringList{"new||Mar 5, 2024|3.107|300|93.5159|12.43"};
        QTest::newRow("in kilometres") << QStringList{} << false << false << tcx({run})
                                       << QStringList{"new||Mar 5, 2024|5.000|300|93.5159|13.67"};
        QTest::newRow("the local day, not the UTC one; calories rounded to whole kcal")
            << QStringList{} << true << false
            << tcx({"Walking|2024-03-06T03:30:00Z|1609.344|120.6"})
            << QStringList{"new||Mar 5, 2024|1.000|121|37.71808|4.00"};
        QTest::newRow("no calories in the file: 0")
            << QStringList{} << true << false << tcx({"Running|2024-03-05T11:30:00Z|1000|"})
            << QStringList{"new||Mar 5, 2024|0.621|0|0.0|2.48"};
        QTest::newRow("stored the same local day within 1 %")
            << QStringList{"2024-03-05T23:00:00Z|3.1"} << true << false << tcx({run})
            << QStringList{"duplicate|already stored|Mar 5, 2024|3.107|300|93.5159|12.43"};
        QTest::newRow("stored the same day 2 % shorter")
            << QStringList{"2024-03-05T23:00:00Z|3.04"} << true << false << tcx({run})
            << QStringList{"new||Mar 5, 2024|3.107|300|93.5159|12.43"};
        QTest::newRow("stored the next local day")
            << QStringList{"2024-03-06T05:30:00Z|3.107"} << true << false << tcx({run})
            << QStringList{"new||Mar 5, 2024|3.107|300|93.5159|12.43"};
        QTest::newRow("twice in one import")
            << QStringList{} << true << false
            << tcx({run, "Running|2024-03-05T20:00:00Z|5040|310",
                    "Running|2024-03-05T21:00:00Z|5200|310"})
            << QStringList{"new||Mar 5, 2024|3.107|300|93.5159|12.43",
                           "duplicate|earlier in this import|Mar 5, 2024|3.132|310|96.633095|12.53",
                           "new||Mar 5, 2024|3.231|310|96.633095|12.92"};
        const QByteArray ride = tcx({"Biking|2024-03-05T11:30:00Z|20000|600", run});
        QTest::newRow("other sports are skipped with the sport as reason")
            << QStringList{} << true << false << ride
            << QStringList{"skipped|biking|Mar 5, 2024|12.427|600|187.0318|49.71",
                           "new||Mar 5, 2024|3.107|300|93.5159|12.43"};
        QTest::newRow("all sports: other sports are new too")
            << QStringList{} << true << true << ride
            << QStringList{"new||Mar 5, 2024|12.427|600|187.0318|49.71",
                           "new||Mar 5, 2024|3.107|300|93.5159|12.43"};
        QTest::newRow("a file that is none of the formats")
            << QStringList{} << true << false << QByteArray("hello")
            << QStringList{"refused|not a FIT, TCX or GPX file|||||"};
    }

    void preview() {
        QFETCH(QStringList, stored);
        QFETCH(bool, miles);
        QFETCH(bool, allSports);
        QFETCH(QByteArray, file);
        QFETCH(QStringList, rows);
        for (const QString &s : stored) {
            const QStringList f = s.split('|');
            addSession(QDateTime::fromString(f[0], Qt::ISODate), "300", f[1]);
        }
        DeviceImportPreview preview(miles);
        QVERIFY(preview.loadStored(AppDelegate::shared()->persistentContainer()));
        preview.addFile({QStringLiteral("a.tcx"), file, {}, false});
        preview.classify(allSports);
        QStringList found;
        for (const DeviceImportRow &r : preview.rows())
            found << describe(r);
        QCOMPARE(found, rows);
    }

    // Sessions from an export file carry the day only as year text, month and day numbers.
    void sessionsFromAnExportFileCountAsStored() {
        addImported("Mar 5, 2024", "2024", 3, 5);
        DeviceImportPreview preview(true);
        QVERIFY(preview.loadStored(AppDelegate::shared()->persistentContainer()));
        preview.addFile({"a.tcx", tcx({"Running|2024-03-05T11:30:00Z|4989|300"}), {}, false});
        preview.classify(false);
        QCOMPARE(preview.rows().at(0).reason, QStringLiteral("already stored"));
    }

    // The new rows become ordinary sessions, in one transaction; a second import adds nothing.
    void storeThenImportAgain() {
        const QByteArray file =
            tcx({"Running|2024-03-05T11:30:00Z|5000|300", "Biking|2024-03-05T13:30:00Z|20000|600",
                 "Walking|2024-12-31T23:30:00-05:00|3000|150"});
        for (int round = 0; round < 2; ++round) {
            std::unique_ptr<Context> context = AppDelegate::shared()->newContainer();
            DeviceImportPreview preview(true);
            QVERIFY(preview.loadStored(*context));
            preview.addFile({"a.tcx", file, {}, false});
            preview.classify(false);
            QList<UserData> sessions;
            for (const DeviceImportRow &r : preview.rows()) {
                if (r.status == DeviceImportRow::Status::New)
                    sessions << DeviceImportPreview::session(r);
            }
            QCOMPARE(sessions.size(), round == 0 ? 2 : 0);
            DeviceImportWriter writer(*context, sessions);
            QVERIFY(writer.writeNext(100));
            QVERIFY(writer.commit());
        }
        QCOMPARE(storedSessions(),
                 (QStringList{"Mar 5, 2024|300|93.5159|3.107|12.43|2024|2024|3|5|"
                              "2024-03-05T11:30:00Z",
                              "Dec 31, 2024|150|46.75795|1.864|7.46|2024|2024|12|31|"
                              "2025-01-01T04:30:00Z"}));
    }

    // Cancelled part way, or refused by the store at the last session: nothing is stored.
    void nothingStoredUnlessAll_data() {
        QTest::addColumn<bool>("refuseLast");
        QTest::newRow("cancelled") << false;
        QTest::newRow("the store refuses a write") << true;
    }
    void nothingStoredUnlessAll() {
        QFETCH(bool, refuseLast);
        addSession(QDateTime(QDate(2020, 1, 1), QTime(12, 0)), "100", "1");
        QList<UserData> sessions;
        for (int day = 1; day <= 20; ++day) {
            DeviceImportRow row;
            row.start = QDateTime(QDate(2024, 1, day), QTime(12, 0));
            row.date = QStringLiteral("day %1").arg(day);
            row.distance = day == 20 ? QStringLiteral("9.999") : QStringLiteral("3");
            sessions << DeviceImportPreview::session(row);
        }
        if (refuseLast) {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "refuser");
            db.setDatabaseName(AppDelegate::storePath());
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec("CREATE TRIGGER refuse BEFORE INSERT ON UserData "
                                       "WHEN NEW.distance = '9.999' "
                                       "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        }
        std::unique_ptr<Context> context = AppDelegate::shared()->newContainer();
        DeviceImportWriter writer(*context, sessions);
        QVERIFY(writer.writeNext(10));
        if (refuseLast) {
            QVERIFY(!writer.writeNext(10));
            QVERIFY(writer.error().contains("refused"));
            QVERIFY(!writer.commit());
        } else {
            writer.cancel();
        }
        QCOMPARE(storedSessions().size(), 1);
        if (refuseLast)
            QSqlDatabase::removeDatabase("refuser");
    }

    // A folder stands for its files (subfolders too, by name), a zip for its file entries; a
    // path that is missing or a zip that is not one cannot be read at all.
    void fileSource() {
        const QString root = m_dir.filePath("picked");
        writeFile(root + "/watch/b.tcx", "B");
        writeFile(root + "/watch/a/c.gpx", "C");
        writeZip(
            root + "/export.zip",
            {{"activities/", ""}, {"activities/2.fit.gz", "two"}, {"activities/1.fit", "one"}});
        writeFile(root + "/broken.zip", "not a zip at all");
        DeviceFileSource source(
            {root + "/watch", root + "/export.zip", root + "/missing.fit", root + "/broken.zip"});
        QStringList seen;
        DeviceFile file;
        while (source.next(file))
            seen << file.name.mid(root.size() + 1) + "=" +
                        (file.error.isEmpty() ? QString::fromLatin1(file.bytes)
                                              : file.error.section(':', 0, 0));
        QCOMPARE(seen, (QStringList{"watch/a/c.gpx=C", "watch/b.tcx=B",
                                    "export.zip/activities/2.fit.gz=two",
                                    "export.zip/activities/1.fit=one", "missing.fit=cannot be read",
                                    "broken.zip=cannot be read as an archive"}));
        QVERIFY(source.anyUnreadablePath());
    }

    // The command's line: status, local day, sport, metres, kcal, file and the reason.
    void commandLine_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("new and skipped")
            << tcx({"Running|2024-03-06T02:00:00Z|5000.456|299.5",
                    "Biking|2024-03-05T11:30:00Z|20000|"})
            << QStringList{"new\t2024-03-05\trunning\t5000.46\t300\tf.tcx",
                           "skipped\t2024-03-05\tbiking\t20000.00\t0\tf.tcx\tbiking"};
        QTest::newRow("refused") << QByteArray("<gpx><trk/>")
                                 << QStringList{"refused\t\t\t\t\tf.tcx\tdamaged GPX file: "
                                                "Premature end of document."};
    }
    void commandLine() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, lines);
        DeviceImportPreview preview(true);
        preview.addFile({"f.tcx", file, {}, false});
        preview.classify(false);
        QStringList found;
        for (const DeviceImportRow &r : preview.rows())
            found << DeviceImportCommand::line(r);
        QCOMPARE(found, lines);
    }
};

QTEST_GUILESS_MAIN(DeviceImportTest)
#include "tst_device_import.moc"
