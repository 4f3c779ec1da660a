#include "platform/Outlet.h"

Outlet::Outlet(QObject *parent, const QString &text) : QObject(parent), m_text(text) {}

void Outlet::setText(const QString &text) {
    if (text == m_text && text.isNull() == m_text.isNull())
        return;
    m_text = text;
    emit textChanged();
}

void Outlet::setEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    emit enabledChanged();
}

void Outlet::setHidden(bool hidden) {
    if (hidden == m_hidden)
        return;
    m_hidden = hidden;
    emit hiddenChanged();
}

void Outlet::setChecked(bool checked) {
    if (checked == m_checked)
        return;
    m_checked = checked;
    emit checkedChanged();
}

void Outlet::setColor(const QColor &color) {
    if (color == m_color)
        return;
    m_color = color;
    emit colorChanged();
}

void Outlet::setBackgroundColor(const QColor &color) {
    if (color == m_backgroundColor)
        return;
    m_backgroundColor = color;
    emit backgroundColorChanged();
}

void Outlet::setDate(const QDateTime &date) {
    if (date == m_date)
        return;
    m_date = date;
    emit dateChanged();
}

void Outlet::setStyle(const QString &style) {
    if (style == m_style)
        return;
    m_style = style;
    emit styleChanged();
}

bool Outlet::acceptsLineText(const QString &, int, int, const QString &replacement) {
    for (const QChar c : replacement) {
        if (c == QLatin1Char('^') || c == QLatin1Char('\n') || c == QLatin1Char('\r') ||
            c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return false;
    }
    return true;
}

bool Outlet::userEdit(const QString &proposed) {
    if (proposed == m_text)
        return true;
    if (m_filter) {
        // The edit as one replaced range: what lies between the common prefix and suffix.
        const QString &old = m_text;
        int prefix = 0;
        const int shorter = int(qMin(old.size(), proposed.size()));
        while (prefix < shorter && old.at(prefix) == proposed.at(prefix))
            ++prefix;
        int suffix = 0;
        while (suffix < shorter - prefix &&
               old.at(old.size() - 1 - suffix) == proposed.at(proposed.size() - 1 - suffix))
            ++suffix;
        const int length = int(old.size()) - prefix - suffix;
        const QString replacement = proposed.mid(prefix, proposed.size() - prefix - suffix);
        if (!m_filter(old, prefix, length, replacement))
            return false;
    }
    setText(proposed);
    return true;
}
