#pragma once

#include <QString>
#include <compare>

// A dynamic value of the shared game state: empty, a number or a text. Empty counts as 0 in
// arithmetic and comparisons with numbers and as "" in comparisons with text; that is how party
// positions, inventory codes, grid cells, log entries and save values behave.
class Value {
  public:
    enum class Kind { Empty, Number, Text };

    Value() = default;
    Value(int n) : kind_(Kind::Number), num_(n) {}
    Value(long long n) : kind_(Kind::Number), num_(static_cast<double>(n)) {}
    Value(double n) : kind_(Kind::Number), num_(n) {}
    Value(const QString& t) : kind_(Kind::Text), text_(t) {}
    Value(const char* utf8) : kind_(Kind::Text), text_(QString::fromUtf8(utf8)) {}

    Kind kind() const { return kind_; }
    bool isEmpty() const { return kind_ == Kind::Empty; }
    bool isNumber() const { return kind_ == Kind::Number; }
    bool isText() const { return kind_ == Kind::Text; }
    // Empty, or a text of no characters: both read as "nothing here".
    bool isBlank() const { return kind_ == Kind::Empty || (isText() && text_.isEmpty()); }

    // The value as a number. Empty gives 0, a numeric text its number; any other text is a type
    // fault and raises a GameError.
    double num() const;
    // num() rounded to the nearest whole number, halves to even (conversion to an integer).
    long long toInt() const;
    // The value as a text: empty gives "", numbers print in plain decimal ("12.5", "-2").
    QString text() const;

    // VB-style Val(): the numeric prefix of the text (0 when there is none). Never raises.
    double val() const;

    // Whether s reads as a number (optional sign, digits, optional fraction and exponent).
    static bool isNumericText(const QString& s);
    static QString formatNumber(double n);

    friend bool operator==(const Value& a, const Value& b) { return compare(a, b) == 0; }
    friend std::strong_ordering operator<=>(const Value& a, const Value& b) {
        int c = compare(a, b);
        return c < 0 ? std::strong_ordering::less
                     : (c > 0 ? std::strong_ordering::greater : std::strong_ordering::equal);
    }

    friend Value operator+(const Value& a, const Value& b) { return Value(a.num() + b.num()); }
    friend Value operator-(const Value& a, const Value& b) { return Value(a.num() - b.num()); }
    friend Value operator*(const Value& a, const Value& b) { return Value(a.num() * b.num()); }
    friend Value operator/(const Value& a, const Value& b) { return Value(a.num() / b.num()); }
    Value& operator+=(const Value& b) { return *this = *this + b; }
    Value& operator-=(const Value& b) { return *this = *this - b; }

  private:
    // -1, 0, 1. Numbers compare numerically; texts by their characters; empty takes the other
    // side's kind; a number against a non-numeric text orders the number first.
    static int compare(const Value& a, const Value& b);

    Kind kind_ = Kind::Empty;
    double num_ = 0;
    QString text_;
};
