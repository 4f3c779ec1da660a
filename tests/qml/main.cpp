#include "TestStore.h"
#include "model/AppDelegate.h"
#include "platform/AlertPresenter.h"
#include "platform/RatingPrompt.h"
#include "platform/ShareSheet.h"

#include <QApplication>
#include <QQmlEngine>
#include <QQuickStyle>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest/quicktest.h>
#include <memory>
#include <vector>

Q_IMPORT_QML_PLUGIN(PacelogPlugin)

// Each test file gets the module on its import path and, unless PACELOG_DATA_DIR says
// otherwise, a fresh empty data directory.
class Setup : public QObject {
    Q_OBJECT
public slots:
    void qmlEngineAvailable(QQmlEngine *engine) {
        engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
        if (qEnvironmentVariableIsEmpty("PACELOG_DATA_DIR")) {
            m_dirs.push_back(std::make_unique<QTemporaryDir>());
            AppDelegate::setDataDirectory(m_dirs.back()->path());
        } else {
            AppDelegate::setDataDirectory(QString());
        }
        AlertPresenter::instance()->clear();
        RatingPrompt::instance()->respond(false);
        ShareSheet::instance()->dismiss();
    }

private:
    std::vector<std::unique_ptr<QTemporaryDir>> m_dirs;
};

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Material"));
    qmlRegisterSingletonType<TestStore>(
        "PacelogTest", 1, 0, "TestStore",
        [](QQmlEngine *, QJSEngine *) -> QObject * { return new TestStore; });
    Setup setup;
    return quick_test_main_with_setup(argc, argv, "pacelog_qmltests", nullptr, &setup);
}

#include "main.moc"
