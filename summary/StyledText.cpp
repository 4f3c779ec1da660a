#include "summary/StyledText.h"

#include <QTextBlock>
#include <QTextCursor>

namespace {

QTextCharFormat charFormat(const StyledText::Style &style) {
    QTextCharFormat format;
    format.setForeground(style.color);
    if (!style.fontFamily.isEmpty()) {
        format.setFontFamilies(QStringList{style.fontFamily});
        format.setFontPointSize(style.pointSize);
    }
    return format;
}

} // namespace

StyledText::StyledText() : m_document(std::make_unique<QTextDocument>()) {}

void StyledText::append(const QString &text, const Style &style) {
    const qsizetype start = m_text.size();
    const QTextCharFormat format = charFormat(style);
    QTextCursor cursor(m_document.get());
    cursor.movePosition(QTextCursor::End);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock(QTextBlockFormat(), format);
        if (!lines.at(i).isEmpty())
            cursor.insertText(lines.at(i), format);
    }
    m_text += text;
    align(start, m_text.size(), style.centred);
}

void StyledText::restyle(qsizetype start, qsizetype length, const Style &style) {
    start = qBound(qsizetype(0), start, m_text.size());
    const qsizetype end = qBound(start, start + length, m_text.size());
    if (start == end)
        return;
    QTextCursor cursor(m_document.get());
    cursor.setPosition(int(start));
    cursor.setPosition(int(end), QTextCursor::KeepAnchor);
    cursor.setCharFormat(charFormat(style));
    align(start, end, style.centred);
}

void StyledText::restyleFirst(const QString &text, const Style &style) {
    if (text.isEmpty())
        return;
    const qsizetype at = m_text.indexOf(text);
    if (at >= 0)
        restyle(at, text.size(), style);
}

void StyledText::align(qsizetype start, qsizetype end, bool centred) {
    // A paragraph takes the alignment of its first character.
    for (QTextBlock block = m_document->findBlock(int(start));
         block.isValid() && block.position() < end; block = block.next()) {
        if (block.position() < start)
            continue;
        QTextBlockFormat format = block.blockFormat();
        if (centred)
            format.setAlignment(Qt::AlignHCenter);
        else
            format.clearProperty(QTextFormat::BlockAlignment);
        QTextCursor(block).setBlockFormat(format);
    }
}
