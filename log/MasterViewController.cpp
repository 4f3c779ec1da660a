#include "log/MasterViewController.h"

#include "model/UndoService.h"
#include "platform/Navigator.h"

MasterViewController::MasterViewController(QObject *parent)
    : QObject(parent), m_dailyList(new SessionListModel(this)) {
    connect(m_dailyList, &SessionListModel::countChanged, this,
            &MasterViewController::titleForHeaderChanged);
    // An undone deletion or edit shows at once.
    connect(UndoService::shared(), &UndoService::undone, this, &MasterViewController::loadList);
}

void MasterViewController::setDarkMode(bool dark) {
    if (dark == m_darkMode)
        return;
    m_darkMode = dark;
    emit darkModeChanged();
}

QString MasterViewController::titleForHeader() const {
    return QStringLiteral("Total # of Treadmill Days: ") + QString::number(m_dailyList->rowCount());
}

void MasterViewController::viewDidLoad() {
    m_sortAsc = false;
    emit sortAscChanged();
    loadList();
}

void MasterViewController::viewWillAppear() {
    if (m_covered)
        loadList();
}

void MasterViewController::viewDidDisappear() {
    m_covered = true;
}

void MasterViewController::SortButtonTapped() {
    m_sortAsc = !m_sortAsc;
    emit sortAscChanged();
    loadList();
}

void MasterViewController::loadList() {
    m_covered = false;
    m_dailyList->load(m_sortAsc);
}

void MasterViewController::deleteRow(int row) {
    m_dailyList->removeSession(row);
}

void MasterViewController::selectRow(int row) {
    const UserData session = m_dailyList->session(row);
    if (!session.isValid()) {
        // Gone from the store since the list was loaded: show what is there now.
        loadList();
        return;
    }
    Navigator::instance()->performSegue(QStringLiteral("showDetail"),
                                        QVariant::fromValue<Record>(session));
}
