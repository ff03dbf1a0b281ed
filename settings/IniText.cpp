#include "IniText.h"

#include <QString>

#include <algorithm>
#include <map>

namespace crescendar {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsHexDigit(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

QByteArray Hex(unsigned c) {
    return "\\x" + QByteArray::number(c, 16);
}

// A key as QSettings writes it: letters, digits, "_", "-" and "." as they are, "/" as "\",
// any other character as %XX or %UXXXX.
QByteArray KeyText(const std::string& name) {
    QByteArray key;
    for (const QChar qc : QString::fromStdString(name)) {
        const char16_t c = qc.unicode();
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            c == '_' || c == '-' || c == '.')
            key += static_cast<char>(c);
        else if (c == '/')
            key += '\\';
        else if (c <= 0xFF)
            key += '%' + QByteArray::number(c, 16).rightJustified(2, '0').toUpper();
        else
            key += "%U" + QByteArray::number(c, 16).rightJustified(4, '0').toUpper();
    }
    return key;
}

struct Line {
    qsizetype Begin = 0; // first byte of the line's text (after a byte-order mark)
    qsizetype End = 0;   // the line end, or the end of the text
};

std::vector<Line> SplitLines(const QByteArray& text) {
    std::vector<Line> lines;
    qsizetype i = text.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < text.size()) {
        Line line{i, i};
        while (line.End < text.size() && text[line.End] != '\n' && text[line.End] != '\r')
            ++line.End;
        lines.push_back(line);
        i = line.End;
        if (i < text.size() && text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        if (i < text.size()) ++i;
    }
    return lines;
}

QByteArray LineEndOf(const QByteArray& text) {
    const qsizetype i = text.indexOf('\n');
    const qsizetype r = text.indexOf('\r');
    if (r >= 0 && (i < 0 || r < i)) return r + 1 == i ? "\r\n" : "\r";
    return "\n";
}

QByteArray Trimmed(const QByteArray& text, qsizetype begin, qsizetype end) {
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.mid(begin, end - begin);
}

// The stretch of a key line's value: after "=" and its blanks, up to a comment or the line
// end, less trailing blanks. Quoted text and escaped characters are the value's own.
std::pair<qsizetype, qsizetype> ValueSpan(const QByteArray& text, qsizetype equals,
                                          qsizetype end) {
    qsizetype begin = equals + 1;
    while (begin < end && IsBlank(text[begin])) ++begin;
    qsizetype k = begin;
    bool quoted = false;
    while (k < end) {
        const char c = text[k];
        if (c == '\\') {
            k += 2;
            continue;
        }
        if (c == '"') quoted = !quoted;
        if (c == ';' && !quoted) break;
        ++k;
    }
    k = std::min(k, end);
    while (k > begin && IsBlank(text[k - 1])) --k;
    return {begin, k};
}

} // namespace

QByteArray IniValueText(const std::string& value) {
    QByteArray out;
    if (!value.empty() && value[0] == '@') out += '@'; // "@..." would read as a typed value
    bool needsQuotes = false;
    bool escapeHexDigit = false; // after \x.. or \0 a hex digit would join the escape
    for (const char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == ';' || c == ',' || c == '=') needsQuotes = true;
        if (escapeHexDigit && IsHexDigit(c)) {
            out += Hex(c);
            continue;
        }
        escapeHexDigit = false;
        switch (c) {
        case '\0':
            out += "\\0";
            escapeHexDigit = true;
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
            out += ch;
            break;
        default:
            if (c <= 0x1F) {
                out += Hex(c);
                escapeHexDigit = true;
            } else {
                out += ch; // UTF-8 as it is
            }
        }
    }
    if (needsQuotes || (!out.isEmpty() && (out.front() == ' ' || out.back() == ' ')))
        out = '"' + out + '"';
    return out;
}

QByteArray SetIniValues(const QByteArray& text, const std::string& group,
                        const std::vector<std::pair<std::string, std::string>>& values) {
    // The last text given for each key.
    std::map<QByteArray, QByteArray> wanted;
    std::vector<QByteArray> order;
    for (const auto& [name, value] : values) {
        const QByteArray key = KeyText(name);
        if (!wanted.count(key)) order.push_back(key);
        wanted[key] = IniValueText(value);
    }

    const QByteArray header = QByteArray::fromStdString(group);
    const QByteArray lineEnd = LineEndOf(text);
    std::vector<std::pair<std::pair<qsizetype, qsizetype>, QByteArray>> edits; // span, new text
    std::map<QByteArray, bool> found;
    qsizetype groupEnd = -1; // where the group's last section ends its last key (or header)
    bool inGroup = false;
    for (const Line& line : SplitLines(text)) {
        qsizetype b = line.Begin;
        while (b < line.End && IsBlank(text[b])) ++b;
        if (b == line.End || text[b] == ';') continue;
        if (text[b] == '[') {
            const qsizetype close = text.indexOf(']', b);
            inGroup = close > b && close < line.End && Trimmed(text, b + 1, close) == header;
            if (inGroup) groupEnd = line.End;
            continue;
        }
        if (!inGroup) continue;
        groupEnd = line.End;
        const qsizetype equals = text.indexOf('=', b);
        if (equals < 0 || equals >= line.End) continue;
        const auto it = wanted.find(Trimmed(text, b, equals));
        if (it == wanted.end()) continue;
        found[it->first] = true;
        edits.push_back({ValueSpan(text, equals, line.End), it->second});
    }

    QByteArray added;
    for (const QByteArray& key : order)
        if (!found.count(key)) added += lineEnd + key + '=' + wanted[key];

    QByteArray out = text;
    if (!added.isEmpty()) {
        if (groupEnd >= 0) {
            out.insert(groupEnd, added);
        } else {
            const bool empty = SplitLines(text).empty();
            if (!empty && !out.endsWith('\n') && !out.endsWith('\r')) out += lineEnd;
            out += (empty ? QByteArray() : lineEnd) + '[' + header + ']' + added +
                   lineEnd;
        }
    }
    // From the end, so that the spans before stay where they are.
    for (auto e = edits.rbegin(); e != edits.rend(); ++e)
        out.replace(e->first.first, e->first.second - e->first.first, e->second);
    return out;
}

} // namespace crescendar
