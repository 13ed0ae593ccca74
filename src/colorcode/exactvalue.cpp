#include "colorcode/exactvalue.h"

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
