#include "platform/RowListModel.h"

RowListModel::RowListModel(QObject *parent, const QStringList &roles) : QAbstractListModel(parent) {
    addRoles(roles);
}

void RowListModel::addRoles(const QStringList &keys) {
    for (const QString &key : keys) {
        const QByteArray name = key.toUtf8();
        if (!m_roles.contains(name))
            m_roles.append(name);
    }
}

void RowListModel::setRows(const QList<QVariantMap> &rows) {
    const bool countChanges = rows.size() != m_rows.size();
    beginResetModel();
    m_rows = rows;
    for (const QVariantMap &row : rows)
        addRoles(row.keys());
    endResetModel();
    if (countChanges)
        emit countChanged();
}

bool RowListModel::removeRow(int row) {
    if (row < 0 || row >= m_rows.size())
        return false;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.removeAt(row);
    endRemoveRows();
    emit countChanged();
    return true;
}

int RowListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant RowListModel::data(const QModelIndex &index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int at = role - Qt::UserRole;
    if (at < 0 || at >= m_roles.size())
        return {};
    return m_rows.at(index.row()).value(QString::fromUtf8(m_roles.at(at)));
}

QHash<int, QByteArray> RowListModel::roleNames() const {
    QHash<int, QByteArray> names;
    for (int i = 0; i < m_roles.size(); ++i)
        names.insert(Qt::UserRole + i, m_roles.at(i));
    return names;
}
