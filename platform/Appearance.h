#pragma once

#include <QObject>
#include <QQmlEngine>

// Light or dark: the system's appearance unless one is forced (`--appearance light|dark`).
// Qt 6.4 has no colour-scheme query, so the system's choice is read from what a desktop
// does tell a Qt program: a palette whose window is darker than its text (KDE, qt6ct, a
// dark platform theme), else GTK_THEME naming a dark variant ("Adwaita:dark").
class Appearance : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool dark READ dark NOTIFY darkChanged)
public:
    static Appearance *instance();
    static Appearance *create(QQmlEngine *, QJSEngine *);

    bool dark() const;
    // "light" or "dark" forces that appearance, "" follows the system again; false for any
    // other text.
    Q_INVOKABLE bool force(const QString &name);
    static bool systemIsDark();

signals:
    void darkChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Appearance();
    void update();
    QString m_forced;
    bool m_dark = false;
};
