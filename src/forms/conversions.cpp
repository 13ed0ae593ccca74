#include "forms/conversions.h"

namespace conversions
{

QLocale numberLocale()
{
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace conversions
