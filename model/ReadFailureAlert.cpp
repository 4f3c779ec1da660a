#include "model/ReadFailureAlert.h"

#include "platform/AlertPresenter.h"

const QString ReadFailureAlert::Title = QStringLiteral("Not Read");

void ReadFailureAlert::present(QObject *screen, const QString &error) {
    AlertPresenter *alerts = AlertPresenter::instance();
    if (alerts->showing() && alerts->title() == Title)
        return;
    alerts->present(screen, Title,
                    QStringLiteral("Not everything stored could be read (%1), so this screen "
                                   "shows less than Pacelog holds. Nothing stored was changed.")
                        .arg(error.trimmed()));
}
