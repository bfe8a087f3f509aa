// SPDX-FileCopyrightText: 2026 The Poolwright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/inisyntax.h"

#include <QLatin1StringView>
#include <QStringDecoder>

namespace inisyntax {

namespace {

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

bool IsSpace(char ch)
{
    return IsBlank(ch) || ch == '\n' || ch == '\r';
}

bool IsSpecial(char ch)
{
    return ch == '\n' || ch == '\r' || ch == '"' || ch == ';' || ch == '=' || ch == '\\';
}

// The next line from pos on, as Qt's reader finds it; false once nothing is left. A ';' starts
// a comment where a line begins, and ends the line elsewhere outside quotes.
bool NextLine(QByteArrayView data, qsizetype& pos, qsizetype& start, qsizetype& length,
              qsizetype& equals)
{
    const qsizetype size = data.size();
    bool inQuotes = false;
    equals = -1;
    start = pos;
    while (start < size && IsSpace(data[start]))
        ++start;
    qsizetype i = start;
    while (i < size) {
        const char ch = data[i++];
        if (!IsSpecial(ch))
            continue;
        if (ch == '=') {
            if (!inQuotes && equals == -1)
                equals = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (ch == '\\') {
            if (i < size) {
                const char escaped = data[i++];
                // \r\n and \n\r after a backslash are one line break
                if (i < size &&
                    ((escaped == '\n' && data[i] == '\r') || (escaped == '\r' && data[i] == '\n')))
                    ++i;
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else if (i == start + 1) { // ';' where the line begins: a comment line
            while (i < size && data[i] != '\n' && data[i] != '\r')
                ++i;
            while (i < size && IsSpace(data[i]))
                ++i;
            start = i;
        } else if (!inQuotes) {
            --i;
            break;
        }
    }
    pos = i;
    length = i - start;
    return length > 0;
}

int DigitValue(char ch, int base)
{
    int value = -1;
    if (ch >= '0' && ch <= '9')
        value = ch - '0';
    else if (ch >= 'a' && ch <= 'f')
        value = ch - 'a' + 10;
    else if (ch >= 'A' && ch <= 'F')
        value = ch - 'A' + 10;
    return value < base ? value : -1;
}

// What a backslash and code stand for, or 0 where code is no such escape.
char EscapedCharacter(char code)
{
    switch (code) {
    case 'a':
        return '\a';
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
    case 'v':
        return '\v';
    case '"':
    case '?':
    case '\'':
    case '\\':
        return code;
    default:
        return 0;
    }
}

// Qt's unescaping of a value, commas left as they are. The blanks before the value and after
// its closing quotes are dropped; the blanks at its end only when nothing in it was quoted. A
// backslash escapes as in C (\xHH and octal take every digit that follows), and before any
// other character it is dropped with that character.
QString Unescaped(QByteArrayView raw)
{
    QString text;
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
    bool inQuotes = false;
    bool quoted = false;
    qsizetype i = 0;
    qsizetype kept = 0; // the trailing blanks from here on may be chopped
    const auto skipBlanks = [&] {
        while (i < raw.size() && IsBlank(raw[i]))
            ++i;
        kept = text.size();
    };
    const auto addNumber = [&](int base, char16_t value) {
        for (int digit; i < raw.size() && (digit = DigitValue(raw[i], base)) >= 0; ++i)
            value = static_cast<char16_t>(value * base + digit);
        text += QChar(value);
        kept = text.size();
    };

    skipBlanks();
    while (i < raw.size()) {
        const char ch = raw[i];
        if (ch == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipBlanks();
            continue;
        }
        if (ch != '\\') {
            qsizetype end = i + 1;
            while (end < raw.size() && raw[end] != '\\' && raw[end] != '"')
                ++end;
            text += fromUtf8(raw.sliced(i, end - i));
            i = end;
            continue;
        }
        if (++i == raw.size())
            return text; // a backslash at the very end: dropped, and nothing is chopped
        const char code = raw[i++];
        if (const char escaped = EscapedCharacter(code)) {
            text += QLatin1Char(escaped);
            kept = text.size();
            continue;
        }
        if (code == 'x') {
            if (i == raw.size())
                return text;
            if (DigitValue(raw[i], 16) >= 0) {
                addNumber(16, 0);
                continue;
            }
        } else if (code >= '0' && code <= '7') {
            addNumber(8, static_cast<char16_t>(code - '0'));
            continue;
        } else if ((code == '\n' || code == '\r') && i < raw.size() &&
                   (raw[i] == '\n' || raw[i] == '\r') && raw[i] != code) {
            ++i; // a line carried on after \r\n or \n\r
        }
        kept = text.size();
    }
    if (!quoted) {
        while (text.size() > kept && (text.back() == u' ' || text.back() == u'\t'))
            text.chop(1);
    }
    return text;
}

// What a header line puts before the keys of its section, as Qt reads it.
QString SectionPrefix(QByteArrayView line)
{
    // The name ends at the first ']' (what follows it is ignored), or with the line.
    qsizetype close = line.indexOf(']');
    if (close < 0)
        close = line.size();
    const QByteArrayView name = line.first(close).sliced(1).trimmed();
    if (name.compare("general", Qt::CaseInsensitive) == 0)
        return QString();
    if (name.compare("%general", Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(name.sliced(1)) + u'/';
    return DecodedKey(name) + u'/';
}

} // namespace

void ForEachLine(QByteArrayView data, const std::function<void(const Line&)>& visit)
{
    qsizetype pos = data.startsWith("\xef\xbb\xbf") ? 3 : 0;
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype equals = -1;
    Line line;
    while (NextLine(data, pos, start, length, equals)) {
        line.text = data.sliced(start, length);
        line.equals = equals < 0 ? -1 : equals - start;
        line.header = line.text.startsWith('[');
        if (line.header)
            line.section = SectionPrefix(line.text);
        visit(line);
    }
}

QString Line::key() const
{
    return header || equals < 0 ? QString() : DecodedKey(text.first(equals).trimmed());
}

QString DecodedKey(QByteArrayView key)
{
    const QString text = QString::fromUtf8(key);
    QString decoded;
    decoded.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const QChar ch = text[i];
        if (ch == u'\\') {
            decoded += u'/';
            ++i;
            continue;
        }
        if (ch != u'%' || i == text.size() - 1) {
            decoded += ch;
            ++i;
            continue;
        }
        const bool wide = text[i + 1] == u'U';
        const qsizetype first = wide ? i + 2 : i + 1;
        const qsizetype digits = wide ? 4 : 2;
        bool ok = false;
        const ushort code = first + digits <= text.size()
                                ? QStringView(text).sliced(first, digits).toUShort(&ok, 16)
                                : 0;
        if (!ok) {
            decoded += u'%';
            ++i;
            continue;
        }
        decoded += QChar(code);
        i = first + digits;
    }
    return decoded;
}

std::optional<QByteArray> RawValue(QByteArrayView data, const QString& section, const QString& key)
{
    const QString sectionPrefix = section + u'/';
    // Qt reads [General] before the other sections, so a value under [section] wins.
    std::optional<QByteArray> inGeneral;
    std::optional<QByteArray> inSection;
    ForEachLine(data, [&](const Line& line) {
        if (line.header || line.equals < 0)
            return;
        if (line.section.isEmpty() && line.key() == sectionPrefix + key)
            inGeneral = line.text.sliced(line.equals + 1).toByteArray();
        else if (line.section == sectionPrefix && line.key() == key)
            inSection = line.text.sliced(line.equals + 1).toByteArray();
    });
    return inSection ? inSection : inGeneral;
}

std::optional<QString> TextWithCommas(QByteArrayView raw)
{
    const QString text = Unescaped(raw);
    if (!text.startsWith(u'@'))
        return text;
    if (text.endsWith(u')')) {
        if (text.startsWith(QLatin1StringView("@String(")))
            return text.sliced(8).chopped(1);
        for (const char* notation :
             {"@ByteArray(", "@Variant(", "@DateTime(", "@Rect(", "@Size(", "@Point("}) {
            if (text.startsWith(QLatin1StringView(notation)))
                return std::nullopt;
        }
        if (text == QLatin1StringView("@Invalid()"))
            return std::nullopt;
    }
    if (text.startsWith(QLatin1StringView("@@")))
        return text.sliced(1);
    return text;
}

} // namespace inisyntax
