// JSON written without Qt, byte for byte as the Qt program's QJsonDocument writes it
// (Indented): keys sorted, four blanks of indent, whole numbers as integers and the others in
// the shortest form that reads back to the same double.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace crescendar::front {

class TJson {
  public:
    TJson(double number) : kind_(Kind::Number), number_(number) {}
    TJson(int number) : TJson(static_cast<double>(number)) {}
    TJson(std::string text) : kind_(Kind::Text), text_(std::move(text)) {}
    TJson(const char* text) : TJson(std::string(text)) {}
    // An object of (key, value) pairs, in any order.
    TJson(std::initializer_list<std::pair<std::string, TJson>> members)
        : kind_(Kind::Object), members_(members) {}

    void Set(const std::string& key, TJson value);

    // What the value is, for a writer of another kind of document.
    enum class Kind { Number, Text, Object };
    Kind GetKind() const { return kind_; }
    double Number() const { return number_; }
    const std::string& Text() const { return text_; }
    const std::vector<std::pair<std::string, TJson>>& Members() const { return members_; }

    // The document as QJsonDocument::toJson(Indented) gives it, "\n" at the end.
    std::string Document() const;

  private:
    void Write(std::string& out, int indent) const;
    Kind kind_;
    double number_ = 0;
    std::string text_;
    std::vector<std::pair<std::string, TJson>> members_;
};

// A double as QJsonValue writes it: "null" when not finite, an integer when whole and within
// 2^53, else the shortest digits in fixed or exponent form, whichever is shorter (fixed on a
// tie).
std::string JsonNumber(double v);

} // namespace crescendar::front
