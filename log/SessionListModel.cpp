#include "log/SessionListModel.h"

#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/Entity.h"
#include "model/RowsCommand.h"
#include "model/UndoService.h"

SessionListModel::SessionListModel(QObject *parent) : QAbstractListModel(parent) {
    connect(AppState::instance(), &AppState::distanceUnitChanged, this,
            &SessionListModel::unitChanged);
}

void SessionListModel::load(bool ascending) {
    FetchRequest request = UserData::fetchRequest();
    request.sortBy(QStringLiteral("iyear"), ascending)
        .sortBy(QStringLiteral("imonth"), ascending)
        .sortBy(QStringLiteral("iday"), ascending);
    request.setIncludesPropertyValues(false);
    const QList<Record> records = AppDelegate::shared()->persistentContainer().fetch(request);
    QList<qint64> ids;
    ids.reserve(records.size());
    for (const Record &record : records)
        ids.append(record.id());

    m_cells.clear();
    m_miles = AppState::instance()->isMiles();
    if (ids == m_ids) {
        // The same rows in the same order (a figure was edited): the view keeps its place.
        if (!m_ids.isEmpty())
            emit dataChanged(index(0), index(int(m_ids.size()) - 1));
        return;
    }
    beginResetModel();
    m_ids = std::move(ids);
    endResetModel();
    emit countChanged();
}

UserData SessionListModel::session(int row) const {
    if (row < 0 || row >= m_ids.size())
        return UserData(Record());
    const Record stored = AppDelegate::shared()->persistentContainer().refetch(
        Record(Entity::named(QStringLiteral("UserData")), m_ids.at(row)));
    return UserData(stored);
}

bool SessionListModel::removeSession(int row) {
    if (row < 0 || row >= m_ids.size())
        return false;
    Context &context = AppDelegate::shared()->persistentContainer();
    RowsCommand *undo = UndoService::shared()->aboutToChange(
        QStringLiteral("UserData"), {m_ids.at(row)}, QStringLiteral("Session deleted"));
    // The deletion and its save are one step for the person; either failing stops the program,
    // so the list never shows a session gone that the store still holds.
    context.remove(Record(Entity::named(QStringLiteral("UserData")), m_ids.at(row)));
    QString error;
    if (!context.save(&error))
        AppDelegate::stopOnStoreError(error);
    UndoService::shared()->changed(undo, true);
    beginRemoveRows(QModelIndex(), row, row);
    m_cells.remove(m_ids.takeAt(row));
    endRemoveRows();
    emit countChanged();
    return true;
}

int SessionListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_ids.size());
}

QVariant SessionListModel::data(const QModelIndex &index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
        (role != FirstLabelRole && role != SecondLabelRole && role != Qt::DisplayRole))
        return QVariant();
    const qint64 id = m_ids.at(index.row());
    MasterTableViewCell *cell = m_cells.object(id);
    if (!cell) {
        const UserData stored = session(index.row());
        // A row deleted elsewhere since the load shows empty until the next load.
        cell = new MasterTableViewCell(stored.isValid()
                                           ? MasterTableViewCell::forSession(stored, m_miles)
                                           : MasterTableViewCell{});
        m_cells.insert(id, cell);
    }
    return role == SecondLabelRole ? cell->SecondLabel : cell->FirstLabel;
}

QHash<int, QByteArray> SessionListModel::roleNames() const {
    return {{FirstLabelRole, "firstLabel"}, {SecondLabelRole, "secondLabel"}};
}

void SessionListModel::unitChanged() {
    m_miles = AppState::instance()->isMiles();
    m_cells.clear();
    if (!m_ids.isEmpty())
        emit dataChanged(index(0), index(int(m_ids.size()) - 1), {SecondLabelRole});
}
