#include "app/MainMenuViewController.h"
#include "app/SegueRegistry.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtTest>

// Every segue the code performs leads somewhere, and everything the registry names exists.
class SegueRegistryTest : public QObject {
    Q_OBJECT

    struct Performed {
        QString file;
        QString identifier;
    };

    // The segue identifiers our sources perform, with the file that performs each.
    static QList<Performed> performedSegues() {
        static const QRegularExpression call(
            QStringLiteral("performSegue\\(\\s*(?:QStringLiteral\\(\\s*)?\"([^\"]+)\""));
        QList<Performed> found;
        const QString root = QStringLiteral(PACELOG_SOURCE_DIR);
        for (const char *dir :
             {"platform", "model", "log", "summary", "route", "exchange", "app"}) {
            QDirIterator it(root + QLatin1Char('/') + QLatin1String(dir), {"*.cpp", "*.h", "*.qml"},
                            QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile file(it.next());
                if (!file.open(QIODevice::ReadOnly))
                    continue;
                const QString text = QString::fromUtf8(file.readAll());
                for (const auto &match : call.globalMatch(text))
                    found.append({QFileInfo(file).fileName(), match.captured(1)});
            }
        }
        return found;
    }

private slots:
    void performedSeguesHaveAPage() {
        const QList<Performed> performed = performedSegues();
        QVERIFY2(!performed.isEmpty(), "the scan finds the segues the screens perform");
        for (const Performed &segue : performed) {
            if (SegueRegistry::isUnwind(segue.identifier))
                continue;
            // A controller performs its segues from its own screen.
            const QString source = QFileInfo(segue.file).completeBaseName();
            bool registered = false;
            for (const SegueRegistry::Segue &known : SegueRegistry::segues())
                registered |= known.identifier == segue.identifier &&
                              (known.source == source || !source.endsWith("Controller"));
            QVERIFY2(registered, qPrintable(segue.file + " performs \"" + segue.identifier +
                                            "\", which has no page"));
        }
    }

    // A menu entry is offered exactly when its screen is registered.
    void menuOffersOnlyEntriesWithAPage() {
        MainMenuViewController menu;
        menu.HandleSelection(); // the folded entries show as well
        for (const auto &entry : MainMenuViewController::entries()) {
            const bool hasPage =
                !SegueRegistry::pageFor("MainMenuViewController", entry.identifier).isEmpty();
            QCOMPARE(!menu.outlet(entry.button)->hidden(), hasPage);
        }
    }

    void registeredPagesExist() {
        QStringList pages = SegueRegistry::pages();
        for (const SegueRegistry::Unwind &unwind : SegueRegistry::unwinds()) {
            // A destination may come with a later screen; the stack then falls back to the menu.
            if (QFile::exists(QStringLiteral(PACELOG_SOURCE_DIR "/") + unwind.page))
                pages << unwind.page;
        }
        pages << SegueRegistry::menuPage();
        for (const QString &page : std::as_const(pages)) {
            QVERIFY2(QFile::exists(QStringLiteral(PACELOG_SOURCE_DIR "/") + page),
                     qPrintable(page));
            QVERIFY2(QFile::exists(":/qt/qml/Pacelog/" + page),
                     qPrintable(page + " is in the module"));
        }
    }
};

QTEST_GUILESS_MAIN(SegueRegistryTest)
#include "tst_segue_registry.moc"
