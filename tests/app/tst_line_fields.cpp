#include "log/DetailViewController.h"
#include "log/EnterTreadmillDataViewController.h"
#include "route/EditLocationViewController.h"
#include "route/LocationViewController.h"

#include <QtTest>
#include <functional>
#include <memory>

// The free texts that go into the caret-separated files (fat calories and laps of a session, a
// place's name) refuse a caret or a line break as the number fields refuse a letter: either
// would split the line, and the file would no longer read back as it was written.
class LineFieldsTest : public QObject {
    Q_OBJECT

    struct Screen {
        std::function<QObject *()> make;
        std::function<Outlet *(QObject *)> field;
    };
    template <class Controller> static Screen screen(Outlet *(Controller::*field)() const) {
        return {[] { return new Controller; },
                [field](QObject *s) { return (static_cast<Controller *>(s)->*field)(); }};
    }
    static QMap<QString, Screen> screens() {
        return {
            {"entry fat calories", screen(&EnterTreadmillDataViewController::textFatCalories)},
            {"entry laps", screen(&EnterTreadmillDataViewController::textLaps)},
            {"edit fat calories", screen(&DetailViewController::fatCaloriesTextField)},
            {"edit laps", screen(&DetailViewController::lapsTextField)},
            {"new place name", screen(&LocationViewController::CityNameTextField)},
            {"place name", screen(&EditLocationViewController::CityNameTextField)},
        };
    }

private slots:
    void typedText_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        const QMap<QString, Screen> all = screens();
        for (const QString &screen : all.keys()) {
            const QByteArray name = screen.toUtf8();
            QTest::newRow(name + ": caret") << screen << "12^5" << false;
            QTest::newRow(name + ": pasted line feed") << screen << "12\n5" << false;
            QTest::newRow(name + ": carriage return") << screen << "12\r" << false;
            QTest::newRow(name + ": plain text") << screen << "12.5 ok" << true;
        }
    }
    void typedText() {
        QFETCH(QString, screen);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        const Screen s = screens().value(screen);
        std::unique_ptr<QObject> controller(s.make());
        Outlet *field = s.field(controller.get());
        field->setText(QStringLiteral("12"));
        QCOMPARE(field->userEdit(typed), accepted);
        QCOMPARE(field->text(), accepted ? typed : QStringLiteral("12"));
    }
};

QTEST_MAIN(LineFieldsTest)
#include "tst_line_fields.moc"
