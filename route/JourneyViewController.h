#pragma once

#include "platform/Outlet.h"
#include "platform/RowListModel.h"

#include <QObject>
#include <QQmlEngine>

// The journey: every city and place the logged sessions reached, oldest first, each with the
// date of the session that reached it under the leg it lies on, and when the next one comes at
// the pace of the last 30 days.
class JourneyViewController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Outlet *forecastLabel READ forecastLabel CONSTANT)
    // Rows with the roles textLabel, detailTextLabel, leg (the leg's caption) and firstOfLeg
    // (whether the row is the first of its leg, under the caption).
    Q_PROPERTY(RowListModel *JourneyList READ JourneyList CONSTANT)
    Q_PROPERTY(int recordCount READ recordCount NOTIFY reloaded)
    Q_PROPERTY(QString NextPlace READ NextPlace NOTIFY reloaded)
public:
    explicit JourneyViewController(QObject *parent = nullptr);

    Outlet *forecastLabel() const { return m_forecast; }
    RowListModel *JourneyList() const { return m_rows; }
    int recordCount() const { return m_rows->count(); }
    QString NextPlace() const { return m_nextPlace; }

    // "Miami to SLC": the caption of the leg with this index in the loop.
    static QString legCaption(qsizetype leg);

    // Reads the store once: the places, then every session in date order.
    Q_INVOKABLE void viewDidLoad();

signals:
    void reloaded();

private:
    Outlet *m_forecast;
    RowListModel *m_rows;
    QString m_nextPlace;
};
