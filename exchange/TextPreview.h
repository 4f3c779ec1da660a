#pragma once

#include <QString>

// What a text view shows of a file's text: the whole text when it is of a size a text view
// lays out at once, else its start and a last line saying how much more the file holds.
// Laying out 100,000 lines would freeze the screen for seconds.
class TextPreview {
public:
    static constexpr int MaxLines = 2000;
    static constexpr qsizetype MaxCharacters = 160000;

    static QString of(const QString &text);
};
