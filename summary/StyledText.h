#pragma once

#include <QColor>
#include <QString>
#include <QTextDocument>
#include <memory>

// A text with colour, font and alignment runs, built the way a report is written: append a
// piece with its style, restyle a range later. An alignment belongs to the paragraph that a
// styled range starts; a piece without a font or alignment keeps the document's defaults.
class StyledText {
public:
    struct Style {
        QColor color = Qt::black;
        QString fontFamily; // empty: the default font
        qreal pointSize = 0;
        bool centred = false; // false: natural alignment
    };

    StyledText();

    void append(const QString &text, const Style &style);
    // Replaces the style of [start, start + length).
    void restyle(qsizetype start, qsizetype length, const Style &style);
    // Restyles the first occurrence of `text`; nothing when it does not occur.
    void restyleFirst(const QString &text, const Style &style);

    QString text() const { return m_text; }
    const QTextDocument &document() const { return *m_document; }

private:
    void align(qsizetype start, qsizetype end, bool centred);

    std::unique_ptr<QTextDocument> m_document;
    // The same characters as the document, "\n" for each paragraph break.
    QString m_text;
};
