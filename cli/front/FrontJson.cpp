#include "FrontJson.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace crescendar::front {

namespace {

// A text as QJsonDocument quotes it: the quotation mark, the backslash and control
// characters escaped, the rest as UTF-8.
void Quote(std::string& out, const std::string& text) {
    out += '"';
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", c);
                out += escape;
            } else {
                out += ch;
            }
        }
    }
    out += '"';
}

} // namespace

std::string JsonNumber(double v) {
    if (!std::isfinite(v)) return "null";
    constexpr double kExact = 9007199254740992.0; // 2^53
    if (v == std::trunc(v) && std::fabs(v) <= kExact)
        return std::to_string(static_cast<long long>(v));
    // The shortest digits and their exponent, from the exponent form.
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
    const std::string sci(buf, result.ptr);
    const bool negative = sci[0] == '-';
    const std::size_t e = sci.find('e');
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i)
        if (sci[i] != '.') digits += sci[i];
    const int x = std::atoi(sci.c_str() + e + 1);
    const int p = static_cast<int>(digits.size());
    const int expDigits = std::max(2, std::abs(x) >= 100 ? 3 : 2);
    const int sciLength = p + (p > 1 ? 1 : 0) + 2 + expDigits;
    const int fixedLength = x < 0 ? 1 - x + p : (x + 1 >= p ? x + 1 : p + 1);
    std::string out = negative ? "-" : "";
    if (sciLength < fixedLength) {
        out += digits[0];
        if (p > 1) out += '.' + digits.substr(1);
        char exponent[16];
        std::snprintf(exponent, sizeof exponent, "e%c%02d", x < 0 ? '-' : '+', std::abs(x));
        return out + exponent;
    }
    if (x < 0) return out + "0." + std::string(static_cast<std::size_t>(-x - 1), '0') + digits;
    if (x + 1 >= p) return out + digits + std::string(static_cast<std::size_t>(x + 1 - p), '0');
    return out + digits.substr(0, static_cast<std::size_t>(x + 1)) + '.' +
           digits.substr(static_cast<std::size_t>(x + 1));
}

void TJson::Set(const std::string& key, TJson value) {
    for (auto& member : members_)
        if (member.first == key) {
            member.second = std::move(value);
            return;
        }
    members_.emplace_back(key, std::move(value));
}

void TJson::Write(std::string& out, int indent) const {
    switch (kind_) {
    case Kind::Number:
        out += JsonNumber(number_);
        return;
    case Kind::Text:
        Quote(out, text_);
        return;
    case Kind::Object:
        break;
    }
    std::vector<const std::pair<std::string, TJson>*> sorted;
    for (const auto& member : members_) sorted.push_back(&member);
    std::sort(sorted.begin(), sorted.end(), [](auto* a, auto* b) { return a->first < b->first; });
    out += "{\n";
    const std::string inner(static_cast<std::size_t>(indent + 1) * 4, ' ');
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        out += inner;
        Quote(out, sorted[i]->first);
        out += ": ";
        sorted[i]->second.Write(out, indent + 1);
        out += i + 1 < sorted.size() ? ",\n" : "\n";
    }
    out += std::string(static_cast<std::size_t>(indent) * 4, ' ') + "}";
}

std::string TJson::Document() const {
    std::string out;
    Write(out, 0);
    return out + "\n";
}

} // namespace crescendar::front
