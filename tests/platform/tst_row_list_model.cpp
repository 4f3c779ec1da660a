#include "platform/RowListModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

class RowListModelTest : public QObject {
    Q_OBJECT
private slots:
    // Roles are the rows' keys; those named up front keep their place when rows arrive later.
    void rolesAndRemoval() {
        RowListModel model(nullptr, {"name"});
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.roleNames().value(Qt::UserRole), "name");
        QSignalSpy counted(&model, &RowListModel::countChanged);

        model.setRows({{{"name", "Macon"}, {"miles", 400}}, {{"name", "Atlanta"}}});
        QCOMPARE(model.count(), 2);
        QCOMPARE(model.roleNames().value(Qt::UserRole), "name");
        const int miles = model.roleNames().key("miles");
        QCOMPARE(model.data(model.index(0), miles), QVariant(400));
        QVERIFY(!model.data(model.index(1), miles).isValid());

        QVERIFY(model.removeRow(0));
        QVERIFY(!model.removeRow(1));
        QCOMPARE(model.get(0).value("name"), QVariant("Atlanta"));
        QCOMPARE(counted.count(), 2);
    }
};

QTEST_GUILESS_MAIN(RowListModelTest)
#include "tst_row_list_model.moc"
