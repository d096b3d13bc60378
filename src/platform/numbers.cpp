#include "platform/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace fixtora {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

} // namespace

double Val(const QString &text)
{
    std::string number;
    bool haveDigits = false, havePoint = false, haveExponent = false;
    bool exponentSignAllowed = false;

    for (QChar c : text) {
        if (isBlank(c))
            continue;
        const char ch = c.toLatin1();
        if (number.empty() && (ch == '+' || ch == '-')) {
            number += ch;
        } else if (ch >= '0' && ch <= '9') {
            number += ch;
            if (!haveExponent)
                haveDigits = true;
            exponentSignAllowed = false;
        } else if (ch == '.' && !havePoint && !haveExponent) {
            number += ch;
            havePoint = true;
        } else if ((ch == 'e' || ch == 'E' || ch == 'd' || ch == 'D') && haveDigits && !haveExponent) {
            number += 'e';
            haveExponent = true;
            exponentSignAllowed = true;
        } else if ((ch == '+' || ch == '-') && exponentSignAllowed) {
            number += ch;
            exponentSignAllowed = false;
        } else {
            break;
        }
    }
    if (!haveDigits)
        return 0.0;
    // A dangling exponent ("12e" or "12e-") reads as the mantissa alone.
    while (!number.empty() && (number.back() == 'e' || number.back() == '+' || number.back() == '-'))
        number.pop_back();
    // Read in the same way whatever the user's locale; a number beyond what a
    // double holds, either way, is no number the program can use.
    const char *first = number.data() + (number.front() == '+' ? 1 : 0);
    double value = 0.0;
    const std::from_chars_result read = std::from_chars(first, number.data() + number.size(), value);
    if (read.ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return value;
}

long long RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value < 0 ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
    const double clamped = std::clamp(value, -9.2e18, 9.2e18);
    return static_cast<long long>(std::nearbyint(clamped));
}

int ValInRange(const QString &text, int low, int high)
{
    return static_cast<int>(std::clamp<long long>(RoundHalfEven(Val(text)), low, high));
}

} // namespace fixtora
