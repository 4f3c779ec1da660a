#pragma once

#include <QObject>
#include <QQmlEngine>
#include <QString>

// The values every screen shares for the whole run: the distance unit, the menu expansion
// flag and the summary selection.
class AppState : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(
        QString distanceUnit READ distanceUnit WRITE setDistanceUnit NOTIFY distanceUnitChanged)
    Q_PROPERTY(bool menuExpanded READ menuExpanded WRITE setMenuExpanded NOTIFY menuExpandedChanged)
    Q_PROPERTY(
        int appSelectedYear READ AppSelectedYear WRITE setAppSelectedYear NOTIFY selectionChanged)
    Q_PROPERTY(int appSelectedMonth READ AppSelectedMonth WRITE setAppSelectedMonth NOTIFY
                   selectionChanged)
public:
    static AppState *instance();
    static AppState *create(QQmlEngine *, QJSEngine *);

    QString distanceUnit() const { return m_distanceUnit; }
    void setDistanceUnit(const QString &unit);
    // Anything but "Miles" means kilometres.
    bool isMiles() const { return m_distanceUnit == QLatin1String("Miles"); }

    bool menuExpanded() const { return m_menuExpanded; }
    void setMenuExpanded(bool expanded);

    int AppSelectedYear() const { return m_selectedYear; }
    void setAppSelectedYear(int year);
    int AppSelectedMonth() const { return m_selectedMonth; }
    void setAppSelectedMonth(int month);

    // Back to the values of a fresh start (a new data directory).
    void reset();

signals:
    void distanceUnitChanged();
    void menuExpandedChanged();
    void selectionChanged();

private:
    AppState() = default;
    QString m_distanceUnit = QStringLiteral("Miles");
    bool m_menuExpanded = false;
    int m_selectedYear = 0;
    int m_selectedMonth = 0;
};
