#include "FitFileWriter.h"
#include "exchange/device/DeviceFileReader.h"
#include "exchange/device/FitReader.h"
#include "exchange/device/GpxReader.h"

#include <QTest>

namespace {

using F = FitFileWriter;
constexpr qint64 FitEpoch = 631065600;
const quint64 Invalid32 = 0xFFFFFFFF;

quint64 fitTime(const char *iso) {
    return quint64(QDateTime::fromString(QLatin1String(iso), Qt::ISODate).toSecsSinceEpoch() -
                   FitEpoch);
}

const QList<F::Field> FileIdFields{{0, 1, F::Enum}, {1, 2, F::UInt16}, {4, 4, F::UInt32}};
const QList<F::Field> SessionFields{{253, 4, F::UInt32}, {2, 4, F::UInt32}, {5, 1, F::Enum},
                                    {6, 1, F::Enum},     {9, 4, F::UInt32}, {11, 2, F::UInt16}};
const QList<F::Field> LapFields{
    {253, 4, F::UInt32}, {2, 4, F::UInt32}, {9, 4, F::UInt32}, {11, 2, F::UInt16}};
const QList<F::Field> RecordFields{{253, 4, F::UInt32}, {5, 4, F::UInt32}, {3, 1, F::UInt8}};

// file_id, then one running treadmill session of 5 km and 300 kcal.
F treadmillRun(const char *start = "2024-03-05T11:30:00Z") {
    F fit;
    fit.define(0, 0, FileIdFields).data(0, {4, 1, fitTime(start)});
    fit.define(1, 18, SessionFields)
        .data(1, {fitTime(start) + 1800, fitTime(start), 1, 1, 500000, 300});
    return fit;
}

QString describe(const FoundSession &s) {
    return s.start.toString(Qt::ISODate) + QLatin1Char(' ') + s.sport + QLatin1Char('/') +
           s.subSport + QLatin1Char(' ') + QString::number(s.metres, 'f', 2) +
           QStringLiteral(" m ") +
           (s.kilocalories ? QString::number(*s.kilocalories) : QStringLiteral("-"));
}

const QString RunSession = "2024-03-05T11:30:00Z running/treadmill 5000.00 m 300";

} // namespace

// Each row is one way a device file can differ; the expected column is the sessions found or
// the reason the file is refused.
class DeviceReadersTest : public QObject {
    Q_OBJECT

private slots:
    void crcIsTheProtocols() {
        // CRC-16/ARC's check value, which the FIT checksum is.
        QCOMPARE(FitReader::crc("123456789"), quint16(0xBB3D));
        QCOMPARE(FitFileWriter::crc16("123456789"), quint16(0xBB3D));
    }

    void read_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("sessions");
        QTest::addColumn<QString>("refusal");

        QTest::newRow("FIT: one treadmill run")
            << "a.fit" << treadmillRun().file() << QStringList{RunSession} << "";
        QTest::newRow("FIT: 12-byte header without its own checksum")
            << "a.fit" << treadmillRun().file(12) << QStringList{RunSession} << "";
        QTest::newRow("FIT: header checksum 0 means none was computed")
            << "a.fit" << treadmillRun().file(14, false) << QStringList{RunSession} << "";
        {
            F fit;
            fit.define(0, 0, FileIdFields, {}, true)
                .data(0, {4, 1, fitTime("2024-03-05T11:30:00Z")});
            fit.define(1, 18, SessionFields, {}, true)
                .data(1, {Invalid32, fitTime("2024-03-05T11:30:00Z"), 1, 1, 500000, 300});
            QTest::newRow("FIT: big-endian messages")
                << "a.fit" << fit.file() << QStringList{RunSession} << "";
        }
        {
            F fit;
            fit.define(0, 0, FileIdFields, {3, 1}).data(0, {4, 1, fitTime("2024-03-05T11:30:00Z")});
            fit.define(1, 18, SessionFields, {2, 4, 1})
                .data(1, {Invalid32, fitTime("2024-03-05T11:30:00Z"), 1, 1, 500000, 300});
            QTest::newRow("FIT: developer fields are stepped over")
                << "a.fit" << fit.file() << QStringList{RunSession} << "";
        }
        {
            // Records every second under compressed headers, the offset rolling over 31 -> 0.
            const quint64 start = fitTime("2024-03-05T11:30:00Z");
            F fit;
            fit.define(0, 0, FileIdFields).data(0, {4, 1, start});
            fit.define(2, 20, RecordFields).data(2, {start + 30, 0, 90});
            fit.define(3, 20, {{5, 4, F::UInt32}, {3, 1, F::UInt8}});
            for (quint8 t = 31; t < 40; ++t)
                fit.compressed(3, quint8((start + t) & 0x1F), {t * 300u, 100});
            fit.define(1, 18, SessionFields).data(1, {start + 60, start, 1, 1, 500000, 300});
            QTest::newRow("FIT: compressed timestamp headers")
                << "a.fit" << fit.file() << QStringList{RunSession} << "";
        }
        {
            const quint64 start = fitTime("2024-03-05T11:30:00Z");
            F fit;
            fit.define(0, 0, FileIdFields).data(0, {4, 1, start});
            fit.define(1, 18, SessionFields)
                .data(1, {Invalid32, start, 1, 0, 400000, 250})
                .data(1, {Invalid32, start + 3600, 2, 7, 2000000, 600});
            QTest::newRow("FIT: several sessions (multisport)")
                << "brick.fit" << fit.file()
                << QStringList{"2024-03-05T11:30:00Z running/generic 4000.00 m 250",
                               "2024-03-05T12:30:00Z cycling/road 20000.00 m 600"}
                << "";
        }
        QTest::newRow("FIT: two files chained in one")
            << "a.fit" << treadmillRun().file() + treadmillRun("2024-03-06T11:30:00Z").file()
            << QStringList{RunSession, "2024-03-06T11:30:00Z running/treadmill 5000.00 m 300"}
            << "";
        {
            const quint64 start = fitTime("2024-03-05T11:30:00Z");
            F fit;
            fit.define(0, 0, FileIdFields).data(0, {4, 1, start});
            fit.define(3, 12, {{0, 1, F::Enum}, {1, 1, F::Enum}}).data(3, {11, 0});
            fit.define(2, 19, LapFields)
                .data(2, {Invalid32, start, 160934, 100})
                .data(2, {Invalid32, start + 900, 160934, 110});
            fit.define(1, 18, {{253, 4, F::UInt32}, {7, 4, F::UInt32}})
                .data(1, {start + 1800, 1800000});
            QTest::newRow("FIT: sport, start, distance and calories from sport and laps")
                << "walk.fit" << fit.file()
                << QStringList{"2024-03-05T11:30:00Z walking/generic 3218.68 m 210"} << "";
        }
        {
            const quint64 start = fitTime("2024-03-05T11:30:00Z");
            F fit;
            fit.define(0, 0, FileIdFields).data(0, {4, 1, start});
            fit.define(1, 18, SessionFields).data(1, {Invalid32, start, 1, 1, Invalid32, 0xFFFF});
            QTest::newRow("FIT: session without distance or calories")
                << "a.fit" << fit.file()
                << QStringList{"2024-03-05T11:30:00Z running/treadmill 0.00 m -"} << "";
        }
        {
            const QByteArray whole = treadmillRun().file();
            QTest::newRow("FIT: cut short")
                << "a.fit" << whole.left(whole.size() - 9) << QStringList{} << "FIT file cut short";
            QTest::newRow("FIT: cut inside the header")
                << "a.fit" << whole.left(13) << QStringList{} << "FIT file cut short";
            QTest::newRow("FIT: second chained file cut short")
                << "a.fit" << whole + whole.left(30) << QStringList{} << "FIT file cut short";
        }
        {
            const quint64 start = fitTime("2024-03-05T11:30:00Z");
            F fit;
            fit.define(0, 0, FileIdFields).data(0, {4, 1, start});
            fit.define(2, 19, LapFields).data(2, {Invalid32, start, 160934, 100});
            QTest::newRow("FIT: written up to before its session")
                << "a.fit" << fit.file() << QStringList{} << "no session in the FIT file";
        }
        {
            QByteArray bytes = treadmillRun().file();
            bytes[bytes.size() - 5] = char(bytes[bytes.size() - 5] ^ 0x01);
            QTest::newRow("FIT: a changed byte breaks the checksum")
                << "a.fit" << bytes << QStringList{} << "FIT checksum does not match";
        }
        {
            QByteArray bytes = treadmillRun().file();
            bytes[1] = char(0x10);
            QTest::newRow("FIT: wrong header checksum")
                << "a.fit" << bytes << QStringList{} << "wrong FIT header checksum";
            bytes = treadmillRun().file();
            bytes[9] = 'X';
            QTest::newRow("FIT: no .FIT signature")
                << "a.fit" << bytes << QStringList{} << "wrong FIT header";
            bytes = treadmillRun().file();
            bytes[0] = char(13);
            QTest::newRow("FIT: unknown header size")
                << "a.fit" << bytes << QStringList{} << "wrong FIT header";
        }
        {
            F fit;
            fit.define(0, 0, FileIdFields).data(0, {4, 1, 0}).data(5, {});
            QTest::newRow("FIT: a message of an undefined local type")
                << "a.fit" << fit.file() << QStringList{}
                << "damaged FIT file: a message has no definition";
        }
        QTest::newRow("FIT: gzipped")
            << "a.fit.gz" << FitFileWriter::gzip(treadmillRun().file()) << QStringList{RunSession} << "";
        QTest::newRow("gzip cut short") << "a.fit.gz" << FitFileWriter::gzip(treadmillRun().file()).left(20)
                                        << QStringList{} << "gzip: file cut short";

        const QByteArray tcx =
            "<?xml version=\"1.0\"?>\n"
            "<TrainingCenterDatabase xmlns=\"http://www.garmin.com/xmlschemas/"
            "TrainingCenterDatabase/v2\"><Activities>"
            "<Activity Sport=\"Running\"><Id>2024-03-05T11:29:58Z</Id>"
            "<Lap StartTime=\"2024-03-05T11:30:00.000Z\"><TotalTimeSeconds>900</TotalTimeSeconds>"
            "<DistanceMeters>2500.5</DistanceMeters><Calories>150</Calories><Track><Trackpoint>"
            "<Time>2024-03-05T11:30:01Z</Time><DistanceMeters>3</DistanceMeters></Trackpoint>"
            "</Track></Lap>"
            "<Lap StartTime=\"2024-03-05T11:45:00Z\"><DistanceMeters>2499.5</DistanceMeters>"
            "<Calories>151</Calories></Lap></Activity>"
            "<Activity Sport=\"Biking\"><Id>2024-03-06T07:00:00-05:00</Id>"
            "<Lap StartTime=\"2024-03-06T07:00:00-05:00\"><DistanceMeters>10000</DistanceMeters>"
            "</Lap></Activity>"
            "</Activities></TrainingCenterDatabase>";
        QTest::newRow("TCX: laps add up; Sport in lower case; an offset is read")
            << "a.tcx" << tcx
            << QStringList{"2024-03-05T11:30:00Z running/ 5000.00 m 301",
                           "2024-03-06T12:00:00Z biking/ 10000.00 m -"}
            << "";
        QTest::newRow("TCX: cut short") << "a.tcx" << tcx.left(300) << QStringList{}
                                        << "damaged TCX file: Premature end of document.";
        QTest::newRow("TCX: no activity")
            << "a.tcx" << QByteArray("<TrainingCenterDatabase><Courses/></TrainingCenterDatabase>")
            << QStringList{} << "no activity in the TCX file";

        const QByteArray gpx =
            "<?xml version=\"1.0\"?><gpx version=\"1.1\" creator=\"t\" "
            "xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><name>Morning</name><trkseg>"
            "<trkpt lat=\"40.0\" "
            "lon=\"-74.0\"><ele>5</ele><time>2024-03-05T11:30:00Z</time></trkpt>"
            "<trkpt lat=\"40.01\" lon=\"-74.0\"><time>2024-03-05T11:35:00Z</time></trkpt>"
            "</trkseg><trkseg>"
            "<trkpt lat=\"50.0\" lon=\"0.0\"><time>2024-03-05T11:40:00Z</time></trkpt>"
            "<trkpt lat=\"50.0\" lon=\"0.01\"><time>2024-03-05T11:45:00Z</time></trkpt>"
            "</trkseg></trk>"
            "<trk><type>Walking</type><trkseg>"
            "<trkpt lat=\"0\" lon=\"0\"><time>2024-03-07T10:00:00Z</time></trkpt>"
            "<trkpt lat=\"0\" lon=\"0.01\"><time>2024-03-07T10:10:00Z</time></trkpt>"
            "</trkseg></trk></gpx>";
        // 0.01 degree of latitude is 1111.95 m on the mean sphere; of longitude at 50 degrees
        // 714.75 m; the gap between segments counts nothing.
        QTest::newRow("GPX: distance along each segment; type names the sport")
            << "a.gpx" << gpx
            << QStringList{"2024-03-05T11:30:00Z running/ 1826.70 m -",
                           "2024-03-07T10:00:00Z walking/ 1111.95 m -"}
            << "";
        QTest::newRow("GPX: a track without times")
            << "a.gpx"
            << QByteArray("<gpx><trk><trkseg><trkpt lat=\"1\" lon=\"1\"/><trkpt lat=\"1\" "
                          "lon=\"2\"/></trkseg></trk></gpx>")
            << QStringList{} << "GPX track without times";
        QTest::newRow("GPX: cut short") << "a.gpx" << gpx.left(200) << QStringList{}
                                        << "damaged GPX file: Premature end of document.";

        QTest::newRow("other XML") << "a.xml" << QByteArray("<html><body/></html>") << QStringList{}
                                   << "not a FIT, TCX or GPX file";
        QTest::newRow("text") << "notes.txt" << QByteArray("hello") << QStringList{}
                              << "not a FIT, TCX or GPX file";
        QTest::newRow("empty .fit")
            << "a.fit" << QByteArray() << QStringList{} << "wrong FIT header";
    }

    void read() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, sessions);
        QFETCH(QString, refusal);
        const DeviceFileContent content = DeviceFileReader::read(name, bytes);
        QCOMPARE(content.refusal, refusal);
        QStringList found;
        for (const FoundSession &s : content.sessions)
            found << describe(s);
        QCOMPARE(found, sessions);
    }

    // No cut of a valid file is read as a session, and none crashes.
    void everyCutIsRefused() {
        const QByteArray whole = treadmillRun().file();
        for (qsizetype n = 0; n < whole.size(); ++n)
            QVERIFY2(DeviceFileReader::read("a.fit", whole.left(n)).isRefused(),
                     qPrintable(QString::number(n)));
    }
};

QTEST_GUILESS_MAIN(DeviceReadersTest)
#include "tst_device_readers.moc"
