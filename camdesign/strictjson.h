// A strict JSON reader for design files, and the excerpts that let messages quote what a file
// holds. It takes exactly what RFC 8259 allows, in UTF-8, and refuses the rest with one
// sentence saying what is wrong and at which line and column.
//
// QJsonDocument forgives too much for a file a learner edits by hand (a key given twice, a
// stray byte-order mark), and refuses text that is valid (1e-400), so the design reader
// uses this one and hands its object on.
#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <QStringView>

namespace camdesign {

// A design nests three deep; past this a file is refused rather than read ever deeper.
inline constexpr int deepestJsonNesting = 64;

struct JsonReading {
    QJsonValue value; // undefined when the text was refused
    QString error;    // one sentence, with its line and column, when it was
};

// Reads one JSON value. A key given twice, a byte-order mark, a number JSON does not write
// (05, .5, 5.) and one too large for a double are refused; a number too small for a double
// reads as 0, and a lone surrogate escape (\ud800) as U+FFFD.
JsonReading readStrictJson(const QByteArray &bytes);

// Up to 40 characters of text, fit to stand inside a one-line message whatever the text
// holds: control and invisible formatting characters are written as escapes (\n, \u001B)
// and an ellipsis marks where it was cut.
QString excerpt(QStringView text);

} // namespace camdesign
