#include "colorcode/colourtext.h"

#include <QCoreApplication>

namespace colorcode
{

QString colourText(Colour colour)
{
    return QCoreApplication::translate("colour", colourName(colour));
}

} // namespace colorcode
