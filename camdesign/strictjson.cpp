// A recursive-descent JSON reader over the file's bytes. Positions are byte offsets while
// reading; only a refusal turns its offset into the line and column a text editor shows.
#include "strictjson.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <utility>
#include <vector>

namespace camdesign {
namespace {

// The messages' translation context, shared with the rest of the design reader.
class DesignFile
{
    Q_DECLARE_TR_FUNCTIONS(DesignFile)
};

struct Decoded {
    char32_t codePoint;
    int length; // in bytes; 0 where the bytes are not UTF-8
};

// Strict UTF-8: no overlong forms, no encoded surrogates, nothing past U+10FFFF.
Decoded decodeUtf8(const QByteArray &bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return i < bytes.size() ? uchar(bytes[i]) : uchar(0); };
    const uchar lead = byte(at);
    if (lead < 0x80)
        return {lead, 1};
    int length = 0;
    char32_t codePoint = 0;
    uchar lowest = 0x80;
    uchar highest = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
        codePoint = lead & 0x1fu;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        codePoint = lead & 0x0fu;
        lowest = lead == 0xe0 ? 0xa0 : 0x80;
        highest = lead == 0xed ? 0x9f : 0xbf;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        codePoint = lead & 0x07u;
        lowest = lead == 0xf0 ? 0x90 : 0x80;
        highest = lead == 0xf4 ? 0x8f : 0xbf;
    } else {
        return {0, 0};
    }
    for (int i = 1; i < length; ++i) {
        const uchar next = byte(at + i);
        if (next < lowest || next > highest)
            return {0, 0};
        codePoint = (codePoint << 6) | (next & 0x3fu);
        lowest = 0x80;
        highest = 0xbf;
    }
    return {codePoint, length};
}

void appendCodePoint(QString &text, char32_t codePoint)
{
    text += QChar::fromUcs4(codePoint);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Where a word ends when the reader quotes what it found instead of what it expected.
bool endsWord(char32_t c)
{
    return c != 0 && c < 0x80 && std::strchr(" \t\n\r,:[]{}\"", char(c));
}

struct Refusal {
    qsizetype at;
    QString reason;
};

class Reader
{
public:
    explicit Reader(const QByteArray &bytes) : m_bytes(bytes) {}

    QJsonValue document()
    {
        if (m_bytes.startsWith("\xef\xbb\xbf"))
            refuse(DesignFile::tr("the file starts with a byte-order mark; save it as UTF-8 "
                                  "without one."));
        skipSpace();
        const QJsonValue value = this->value(0);
        skipSpace();
        if (!atEnd())
            unexpected(DesignFile::tr("the JSON has already ended here, yet \"%1\" follows."));
        return value;
    }

    // The line and column of a byte offset, counting characters as a text editor does.
    QString where(qsizetype at) const
    {
        qsizetype line = 1;
        qsizetype column = 1;
        for (qsizetype i = 0; i < at && i < m_bytes.size(); ++i) {
            if (m_bytes[i] == '\n') {
                ++line;
                column = 1;
            } else if ((uchar(m_bytes[i]) & 0xc0) != 0x80) { // not inside a character
                ++column;
            }
        }
        return DesignFile::tr("Line %1, column %2: ").arg(line).arg(column);
    }

private:
    [[noreturn]] void refuse(const QString &reason) const { throw Refusal{m_at, reason}; }

    // Refuses if the file ends here or its bytes stop being UTF-8.
    void refuseEndOrNotUtf8() const
    {
        if (atEnd())
            refuse(DesignFile::tr("the file ends before its JSON is complete."));
        if (decodeUtf8(m_bytes, m_at).length == 0)
            refuse(DesignFile::tr("the file is not UTF-8 text here; save it as UTF-8."));
    }

    // Refuses with `reason`, whose %1 quotes the word found here.
    [[noreturn]] void unexpected(const QString &reason) const
    {
        refuseEndOrNotUtf8();
        refuse(reason.arg(excerpt(wordAt(m_at))));
    }

    // The characters from `at` to the next space or punctuation (at least one), and one more
    // than an excerpt shows, so that a long word is cut rather than read to its end.
    QString wordAt(qsizetype at) const
    {
        QString word;
        for (int count = 0; count <= 40; ++count) {
            if (at >= m_bytes.size())
                break;
            const Decoded next = decodeUtf8(m_bytes, at);
            if (next.length == 0 || (count > 0 && endsWord(next.codePoint)))
                break;
            appendCodePoint(word, next.codePoint);
            at += next.length;
        }
        return word;
    }

    bool atEnd() const { return m_at >= m_bytes.size(); }
    char current() const { return atEnd() ? '\0' : m_bytes[m_at]; }
    bool isNext(char c) const { return !atEnd() && m_bytes[m_at] == c; }

    void skipSpace()
    {
        while (isNext(' ') || isNext('\t') || isNext('\n') || isNext('\r'))
            ++m_at;
    }

    void expectLiteral(const char *literal)
    {
        if (wordAt(m_at) != QLatin1String(literal))
            unexpected(DesignFile::tr("a value is expected here, not \"%1\"."));
        m_at += qsizetype(qstrlen(literal));
    }

    QJsonValue value(int depth)
    {
        switch (current()) {
        case '{':
            return object(depth + 1);
        case '[':
            return array(depth + 1);
        case '"':
            return string();
        case 't':
            expectLiteral("true");
            return true;
        case 'f':
            expectLiteral("false");
            return false;
        case 'n':
            expectLiteral("null");
            return QJsonValue::Null;
        default:
            if (isDigit(current()) || isNext('-') || isNext('.'))
                return number();
            unexpected(DesignFile::tr("a value is expected here, not \"%1\"."));
        }
    }

    void enter(int depth) const
    {
        if (depth > deepestJsonNesting)
            refuse(DesignFile::tr("lists and objects nest more than %1 deep here.")
                       .arg(deepestJsonNesting));
    }

    QJsonObject object(int depth)
    {
        enter(depth);
        // Gathered first and inserted in key order: QJsonObject keeps its keys sorted, and a
        // file of many keys in reverse order would otherwise take time to the square.
        std::vector<std::pair<QString, QJsonValue>> members;
        QSet<QString> keys;
        ++m_at;
        skipSpace();
        if (isNext('}')) {
            ++m_at;
            return {};
        }
        for (;;) {
            if (!isNext('"'))
                unexpected(DesignFile::tr("a key in double quotes is expected here, not "
                                          "\"%1\"."));
            const qsizetype keyAt = m_at;
            QString key = string();
            if (keys.contains(key)) {
                m_at = keyAt;
                refuse(DesignFile::tr("the key \"%1\" appears twice in one object.")
                           .arg(excerpt(key)));
            }
            keys.insert(key);
            skipSpace();
            if (!isNext(':'))
                unexpected(DesignFile::tr("\":\" is expected after a key, not \"%1\"."));
            ++m_at;
            skipSpace();
            members.emplace_back(std::move(key), value(depth));
            skipSpace();
            if (isNext('}'))
                break;
            if (!isNext(','))
                unexpected(DesignFile::tr("\",\" or \"}\" is expected here, not \"%1\"."));
            ++m_at;
            skipSpace();
        }
        ++m_at;
        std::sort(members.begin(), members.end(),
                  [](const auto &a, const auto &b) { return a.first < b.first; });
        QJsonObject object;
        for (const auto &[key, member] : members)
            object.insert(key, member);
        return object;
    }

    QJsonArray array(int depth)
    {
        enter(depth);
        QJsonArray array;
        ++m_at;
        skipSpace();
        if (isNext(']')) {
            ++m_at;
            return array;
        }
        for (;;) {
            array.append(value(depth));
            skipSpace();
            if (isNext(']')) {
                ++m_at;
                return array;
            }
            if (!isNext(','))
                unexpected(DesignFile::tr("\",\" or \"]\" is expected here, not \"%1\"."));
            ++m_at;
            skipSpace();
        }
    }

    // Four hexadecimal digits at `at`, or -1.
    int hexUnit(qsizetype at) const
    {
        int unit = 0;
        for (int i = 0; i < 4; ++i) {
            const int digit = at + i < m_bytes.size() ? hexDigit(m_bytes[at + i]) : -1;
            if (digit < 0)
                return -1;
            unit = unit * 16 + digit;
        }
        return unit;
    }

    // A \u escape from its backslash, joining a surrogate pair and making a lone half U+FFFD.
    char32_t unicodeEscape()
    {
        const int unit = hexUnit(m_at + 2);
        if (unit < 0)
            refuse(DesignFile::tr("\\u must be followed by four hexadecimal digits."));
        m_at += 6;
        if (QChar::isLowSurrogate(char32_t(unit)))
            return QChar::ReplacementCharacter;
        if (!QChar::isHighSurrogate(char32_t(unit)))
            return char32_t(unit);
        const int low = m_bytes.mid(m_at, 2) == "\\u" ? hexUnit(m_at + 2) : -1;
        if (low < 0 || !QChar::isLowSurrogate(char32_t(low)))
            return QChar::ReplacementCharacter;
        m_at += 6;
        return QChar::surrogateToUcs4(char16_t(unit), char16_t(low));
    }

    QString string()
    {
        QString text;
        ++m_at;
        for (;;) {
            refuseEndOrNotUtf8();
            const char c = current();
            if (c == '"') {
                ++m_at;
                return text;
            }
            if (uchar(c) < 0x20)
                refuse(DesignFile::tr("a text holds a control character as it is; write it as "
                                      "an escape such as \\n or \\t."));
            if (c != '\\') {
                const Decoded next = decodeUtf8(m_bytes, m_at);
                appendCodePoint(text, next.codePoint);
                m_at += next.length;
                continue;
            }
            if (m_at + 1 >= m_bytes.size()) {
                m_at = m_bytes.size();
                refuseEndOrNotUtf8();
            }
            if (m_bytes[m_at + 1] == 'u') {
                appendCodePoint(text, unicodeEscape());
                continue;
            }
            text.append(QLatin1Char(simpleEscape()));
            m_at += 2;
        }
    }

    // The character a backslash and the letter after it stand for, other than \u.
    char simpleEscape()
    {
        switch (m_bytes[m_at + 1]) {
        case '"':
            return '"';
        case '\\':
            return '\\';
        case '/':
            return '/';
        case 'b':
            return '\b';
        case 'f':
            return '\f';
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case 't':
            return '\t';
        default:
            break;
        }
        const Decoded after = decodeUtf8(m_bytes, m_at + 1);
        if (after.length == 0) {
            ++m_at;
            refuseEndOrNotUtf8();
        }
        QString shown;
        appendCodePoint(shown, after.codePoint);
        refuse(DesignFile::tr("\"\\%1\" is not an escape JSON knows; write a backslash as "
                              "\\\\.")
                   .arg(excerpt(shown)));
    }

    QJsonValue number()
    {
        const qsizetype start = m_at;
        const auto digits = [this] {
            const qsizetype from = m_at;
            while (isDigit(current()))
                ++m_at;
            return m_at - from;
        };
        const auto refuseNumber = [&](const QString &reason) {
            m_at = start;
            refuse(reason.arg(excerpt(wordAt(start))));
        };
        if (isNext('-'))
            ++m_at;
        if (isNext('.'))
            refuseNumber(DesignFile::tr("a number needs a digit before its decimal point "
                                        "(\"%1\")."));
        const qsizetype integerAt = m_at;
        const qsizetype integerDigits = digits();
        if (integerDigits == 0)
            refuseNumber(DesignFile::tr("a number needs a digit after its minus sign (\"%1\")."));
        if (integerDigits > 1 && m_bytes[integerAt] == '0')
            refuseNumber(DesignFile::tr("a number may not begin with 0 followed by more digits "
                                        "(\"%1\")."));
        qsizetype fractionAt = m_at;
        if (isNext('.')) {
            ++m_at;
            fractionAt = m_at;
            if (digits() == 0)
                refuseNumber(DesignFile::tr("a number needs a digit after its decimal point "
                                            "(\"%1\")."));
        }
        const qsizetype fractionEnd = m_at;
        qint64 exponent = 0;
        if (isNext('e') || isNext('E')) {
            ++m_at;
            const bool negative = isNext('-');
            if (isNext('-') || isNext('+'))
                ++m_at;
            if (!isDigit(current()))
                refuseNumber(DesignFile::tr("a number needs a digit in its exponent (\"%1\")."));
            for (; isDigit(current()); ++m_at)
                exponent = std::min<qint64>(exponent * 10 + (current() - '0'), 1'000'000'000);
            if (negative)
                exponent = -exponent;
        }

        double x = 0;
        const char *text = m_bytes.constData();
        if (std::from_chars(text + start, text + m_at, x).ec != std::errc::result_out_of_range)
            return x;
        // Out of range either way: which way follows from the first digit that is not 0.
        qint64 magnitude = integerDigits - 1;
        if (m_bytes[integerAt] == '0') {
            qsizetype first = fractionAt;
            while (first < fractionEnd && m_bytes[first] == '0')
                ++first;
            if (first == fractionEnd)
                return 0.0; // nothing but zeros, whatever the exponent
            magnitude = -(first - fractionAt) - 1;
        }
        if (magnitude + exponent < 0)
            return 0.0; // too small for a double: nearer zero than to anything it holds
        refuseNumber(DesignFile::tr("the number %1 is too large."));
        return {};
    }

    const QByteArray &m_bytes;
    qsizetype m_at = 0;
};

bool needsEscape(char32_t c)
{
    if (c == 0x200c || c == 0x200d) // the joiners that hold some scripts and emoji together
        return false;
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

QString escaped(char16_t unit)
{
    return QStringLiteral("\\u") + QString::number(unit, 16).toUpper().rightJustified(4, u'0');
}

QString printable(char32_t c)
{
    switch (c) {
    case '\b':
        return QStringLiteral("\\b");
    case '\f':
        return QStringLiteral("\\f");
    case '\n':
        return QStringLiteral("\\n");
    case '\r':
        return QStringLiteral("\\r");
    case '\t':
        return QStringLiteral("\\t");
    default:
        break;
    }
    QString shown;
    if (!needsEscape(c))
        appendCodePoint(shown, c);
    else if (QChar::requiresSurrogates(c))
        shown = escaped(QChar::highSurrogate(c)) + escaped(QChar::lowSurrogate(c));
    else
        shown = escaped(char16_t(c));
    return shown;
}

} // namespace

JsonReading readStrictJson(const QByteArray &bytes)
{
    Reader reader(bytes);
    try {
        return {reader.document(), QString()};
    } catch (const Refusal &refusal) {
        return {QJsonValue::Undefined, reader.where(refusal.at) + refusal.reason};
    }
}

QString excerpt(QStringView text)
{
    constexpr qsizetype longest = 40;
    // No character takes more than two UTF-16 units, so this holds one more than is shown.
    const QList<uint> characters = text.left(2 * (longest + 1)).toUcs4();
    QString shown;
    qsizetype length = 0;
    for (const uint c : characters) {
        const QString piece = printable(c);
        length += QStringView(piece).toUcs4().size();
        if (length > longest)
            return shown + QChar(0x2026);
        shown += piece;
    }
    return shown;
}

} // namespace camdesign
