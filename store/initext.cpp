#include "initext.h"

#include <QDataStream>
#include <QVariant>

#include <charconv>

namespace {

bool isHexDigit(uint ch) { return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F'); }

// QSettings' escaping of a value: C escapes, \x for control and non-ASCII characters (and
// for a hex digit right after such an escape), quotes around a value with ';', ',' or '='
// or with a space at either end.
void appendEscaped(QByteArray &out, const QString &text)
{
    const int start = out.size();
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    for (const QChar c : text) {
        const uint ch = c.unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        if (escapeNextIfDigit && isHexDigit(ch)) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
        case '\0':
            out += "\\0";
            escapeNextIfDigit = true;
            break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"':
        case '\\':
            out += '\\';
            out += char(ch);
            break;
        default:
            if (ch <= 0x1F || ch >= 0x7F) {
                out += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfDigit = true;
            } else {
                out += char(ch);
            }
        }
    }
    if (needsQuotes || (start < out.size() && (out.at(start) == ' ' || out.at(out.size() - 1) == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

} // namespace

bool IsPlainIniKey(const QString &key)
{
    for (const QChar c : key) {
        const uint ch = c.unicode();
        if (!((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_'
              || ch == '/'))
            return false;
    }
    return !key.isEmpty();
}

QByteArray IniKeyText(const QString &key)
{
    QByteArray text = key.toLatin1();
    text.replace('/', '\\');
    return text;
}

QByteArray IniSectionLine(const QString &name) { return '[' + IniKeyText(name) + "]\n"; }

void AppendIniNumber(QByteArray &line, qint64 number)
{
    // Called for thousands of keys per file: no allocation per number.
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    line.append(digits, int(end - digits));
}

void AppendIniText(QByteArray &line, const QString &text)
{
    // Marks of QSettings' own: a text with a NUL in it, or starting with '@', is set apart.
    if (text.contains(QChar(0)))
        appendEscaped(line, QLatin1String("@String(") + text + QLatin1Char(')'));
    else if (text.startsWith(QLatin1Char('@')))
        appendEscaped(line, QLatin1Char('@') + text);
    else
        appendEscaped(line, text);
}

void AppendIniColor(QByteArray &line, const QColor &color)
{
    QByteArray data;
    QDataStream stream(&data, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_4_0);
    stream << QVariant(color);
    const QString bytes = QString::fromLatin1(data.constData(), data.size());  // NULs included
    appendEscaped(line, QLatin1String("@Variant(") + bytes + QLatin1Char(')'));
}
