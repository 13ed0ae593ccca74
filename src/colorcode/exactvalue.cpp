#include "colorcode/exactvalue.h"

#include <algorithm>

namespace colorcode
{

ExactValue normalised(ExactValue value)
{
    const std::size_t first = value.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return {};
    value.digits.erase(0, first);
    const std::size_t last = value.digits.find_last_not_of('0');
    value.powerOfTen += int(value.digits.size() - 1 - last);
    value.digits.resize(last + 1);
    return value;
}

} // namespace colorcode

namespace colorcode
{

int compareValues(const ExactValue &a, const ExactValue &b)
{
    // Zero has no digits and lies below everything else.
    if (a.digits.empty() || b.digits.empty())
        return int(!a.digits.empty()) - int(!b.digits.empty());
    // By where the first digit stands, then digit by digit.
    const int magnitudeA = int(a.digits.size()) + a.powerOfTen;
    const int magnitudeB = int(b.digits.size()) + b.powerOfTen;
    if (magnitudeA != magnitudeB)
        return magnitudeA < magnitudeB ? -1 : 1;
    const std::size_t length = std::max(a.digits.size(), b.digits.size());
    for (std::size_t i = 0; i < length; ++i) {
        const char da = i < a.digits.size() ? a.digits[i] : '0';
        const char db = i < b.digits.size() ? b.digits[i] : '0';
        if (da != db)
            return da < db ? -1 : 1;
    }
    return 0;
}

} // namespace colorcode
