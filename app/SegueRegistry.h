#pragma once

#include <QList>
#include <QObject>
#include <QQmlEngine>
#include <QString>
#include <QStringList>

// Where every segue leads: (the screen performing it, its identifier) -> the page it opens, and
// each unwind identifier -> the pages it returns to. Pages are paths inside the module
// ("log/DetailPage.qml"). A new screen is one line in segues() and its page.
class SegueRegistry : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
public:
    struct Segue {
        QString source; // the performing screen's controller class (its page's objectName)
        QString identifier;
        QString page;
    };
    struct Unwind {
        QString identifier;
        QString page;
    };

    static const QList<Segue> &segues();
    static const QList<Unwind> &unwinds();
    // The root page of the navigation; an unwind that no page on the stack accepts ends here.
    Q_INVOKABLE static QString menuPage() { return QStringLiteral("app/MainMenuPage.qml"); }

    static SegueRegistry *create(QQmlEngine *, QJSEngine *);

    // The page a screen's segue opens; empty when none is registered.
    Q_INVOKABLE static QString pageFor(const QString &source, const QString &identifier);
    Q_INVOKABLE static bool isUnwind(const QString &identifier);
    // Whether the page (a module path) is a destination of the unwind.
    Q_INVOKABLE static bool acceptsUnwind(const QString &page, const QString &identifier);
    // A module path as the URL the engine loads it from.
    Q_INVOKABLE static QString url(const QString &page);
    // Every page a segue can open, once each, sorted.
    static QStringList pages();

private:
    SegueRegistry() = default;
};
