#pragma once

#include "platform/Outlet.h"
#include "summary/StyledText.h"

#include <QDateTime>
#include <QObject>
#include <QQmlEngine>
#include <array>

class FetchRequest;
class QTimer;

// Totals: life-, year- and month-to-date sums of the sessions for a picked date, the route
// panel drawn from the life-to-date distance, and the printed report of it all.
class TotalsViewController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Outlet *todaysDateLabel READ todaysDateLabel CONSTANT)
    Q_PROPERTY(Outlet *LTDTotalsLabel READ LTDTotalsLabel CONSTANT)
    Q_PROPERTY(Outlet *textLtdCals READ textLtdCals CONSTANT)
    Q_PROPERTY(Outlet *textLtdFatCals READ textLtdFatCals CONSTANT)
    Q_PROPERTY(Outlet *textLtdMiles READ textLtdMiles CONSTANT)
    Q_PROPERTY(Outlet *textLtdLaps READ textLtdLaps CONSTANT)
    Q_PROPERTY(Outlet *LTDDistanceLabel READ LTDDistanceLabel CONSTANT)
    Q_PROPERTY(Outlet *YTDTotalsLabel READ YTDTotalsLabel CONSTANT)
    Q_PROPERTY(Outlet *textYtdCals READ textYtdCals CONSTANT)
    Q_PROPERTY(Outlet *textYtdFatCals READ textYtdFatCals CONSTANT)
    Q_PROPERTY(Outlet *textYtdMiles READ textYtdMiles CONSTANT)
    Q_PROPERTY(Outlet *textYtdLaps READ textYtdLaps CONSTANT)
    Q_PROPERTY(Outlet *YTDDistanceLabel READ YTDDistanceLabel CONSTANT)
    Q_PROPERTY(Outlet *MTDTotalsLabel READ MTDTotalsLabel CONSTANT)
    Q_PROPERTY(Outlet *textMtdCals READ textMtdCals CONSTANT)
    Q_PROPERTY(Outlet *textMtdFatCals READ textMtdFatCals CONSTANT)
    Q_PROPERTY(Outlet *textMtdMiles READ textMtdMiles CONSTANT)
    Q_PROPERTY(Outlet *textMtdLaps READ textMtdLaps CONSTANT)
    Q_PROPERTY(Outlet *MTDDistanceLabel READ MTDDistanceLabel CONSTANT)
    Q_PROPERTY(Outlet *FirstCityTextField READ FirstCityTextField CONSTANT)
    Q_PROPERTY(Outlet *SecondCityTextField READ SecondCityTextField CONSTANT)
    Q_PROPERTY(Outlet *ThirdCityTextField READ ThirdCityTextField CONSTANT)
    Q_PROPERTY(Outlet *FourthCityTextField READ FourthCityTextField CONSTANT)
    Q_PROPERTY(Outlet *RouteExplanationLabel READ RouteExplanationLabel CONSTANT)
    Q_PROPERTY(Outlet *MilesToSLCLabel READ MilesToSLCLabel CONSTANT)
    Q_PROPERTY(Outlet *MilesToSeattleLabel READ MilesToSeattleLabel CONSTANT)
    Q_PROPERTY(Outlet *MilesToBangorLabel READ MilesToBangorLabel CONSTANT)
    Q_PROPERTY(Outlet *MilesToMiamiLabel READ MilesToMiamiLabel CONSTANT)
    Q_PROPERTY(Outlet *rangeDatePicker READ rangeDatePicker CONSTANT)
    Q_PROPERTY(qint64 recordCount READ recordCount NOTIFY recordCountChanged)
public:
    explicit TotalsViewController(QObject *parent = nullptr);
    ~TotalsViewController() override;

    Outlet *todaysDateLabel() const { return m_todaysDateLabel; }
    Outlet *LTDTotalsLabel() const { return m_ltd.header; }
    Outlet *textLtdCals() const { return m_ltd.calories; }
    Outlet *textLtdFatCals() const { return m_ltd.fatCalories; }
    Outlet *textLtdMiles() const { return m_ltd.distance; }
    Outlet *textLtdLaps() const { return m_ltd.laps; }
    Outlet *LTDDistanceLabel() const { return m_ltd.unit; }
    Outlet *YTDTotalsLabel() const { return m_ytd.header; }
    Outlet *textYtdCals() const { return m_ytd.calories; }
    Outlet *textYtdFatCals() const { return m_ytd.fatCalories; }
    Outlet *textYtdMiles() const { return m_ytd.distance; }
    Outlet *textYtdLaps() const { return m_ytd.laps; }
    Outlet *YTDDistanceLabel() const { return m_ytd.unit; }
    Outlet *MTDTotalsLabel() const { return m_mtd.header; }
    Outlet *textMtdCals() const { return m_mtd.calories; }
    Outlet *textMtdFatCals() const { return m_mtd.fatCalories; }
    Outlet *textMtdMiles() const { return m_mtd.distance; }
    Outlet *textMtdLaps() const { return m_mtd.laps; }
    Outlet *MTDDistanceLabel() const { return m_mtd.unit; }
    Outlet *FirstCityTextField() const { return m_cityFields[0]; }
    Outlet *SecondCityTextField() const { return m_cityFields[1]; }
    Outlet *ThirdCityTextField() const { return m_cityFields[2]; }
    Outlet *FourthCityTextField() const { return m_cityFields[3]; }
    Outlet *RouteExplanationLabel() const { return m_routeExplanationLabel; }
    Outlet *MilesToSLCLabel() const { return m_legLabels[0]; }
    Outlet *MilesToSeattleLabel() const { return m_legLabels[1]; }
    Outlet *MilesToBangorLabel() const { return m_legLabels[2]; }
    Outlet *MilesToMiamiLabel() const { return m_legLabels[3]; }
    Outlet *rangeDatePicker() const { return m_rangeDatePicker; }

    qint64 recordCount() const { return m_recordCount; }
    // The last report built by PrintButtonClicked.
    const StyledText &TotalsString() const { return m_totalsString; }

    Q_INVOKABLE void viewDidLoad();
    // The rating prompt belongs to this screen and closes when it is left.
    Q_INVOKABLE void viewWillDisappear();
    Q_INVOKABLE void rangeDatePickerChanged(const QDateTime &date);
    Q_INVOKABLE void PrintButtonClicked();

    // How long after loading the rating service gets its chance.
    static constexpr int ReviewDelayMs = 5000;

signals:
    void recordCountChanged();

private:
    struct Block {
        Outlet *header;
        Outlet *calories;
        Outlet *fatCalories;
        Outlet *distance;
        Outlet *laps;
        Outlet *unit;
    };
    Block makeBlock(const QString &caption);
    // Sums the sessions of `request` into the block's fields; returns the distance sum.
    double computeBlock(const FetchRequest &request, const Block &block);
    void computeLtd();
    void computeYtd();
    void computeMtd();
    void showRoute(double distance);

    Outlet *m_todaysDateLabel;
    Block m_ltd;
    Block m_ytd;
    Block m_mtd;
    std::array<Outlet *, 4> m_cityFields;
    Outlet *m_routeExplanationLabel;
    std::array<Outlet *, 4> m_legLabels;
    Outlet *m_rangeDatePicker;
    QTimer *m_reviewTimer;
    qint64 m_recordCount = 0;
    StyledText m_totalsString;
};
