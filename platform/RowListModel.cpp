#include "platform/RowListModel.h"

RowListModel::RowListModel(QObject *parent) : QAbstractListModel(parent) {}

void RowListModel::setRows(const QList<QVariantMap> &rows) {
    beginResetModel();
    m_rows = rows;
    m_roles.clear();
    int role = Qt::UserRole + 1;
    if (!m_rows.isEmpty()) {
        for (auto it = m_rows.first().cbegin(); it != m_rows.first().cend(); ++it)
            m_roles.insert(role++, it.key().toUtf8());
    }
    endResetModel();
    emit countChanged();
}

void RowListModel::removeRow(int row) {
    if (row < 0 || row >= m_rows.size())
        return;
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
    emit countChanged();
}

int RowListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant RowListModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    return m_rows.at(index.row()).value(QString::fromUtf8(m_roles.value(role)));
}

QHash<int, QByteArray> RowListModel::roleNames() const {
    return m_roles;
}
