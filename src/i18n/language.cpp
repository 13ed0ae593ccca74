#include "i18n/language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace language
{

bool prefersEnglish(const QStringList &uiLanguages)
{
    if (uiLanguages.isEmpty())
        return false;
    const QString &first = uiLanguages.first();
    return first.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0 ||
           first.startsWith(QLatin1String("en-"), Qt::CaseInsensitive) ||
           first.startsWith(QLatin1String("en_"), Qt::CaseInsensitive);
}

bool systemPrefersEnglish()
{
    return prefersEnglish(QLocale::system().uiLanguages());
}

bool installTranslator()
{
    if (!QCoreApplication::instance() || !systemPrefersEnglish())
        return false;
    auto *english = new QTranslator(QCoreApplication::instance());
    if (!english->load(QStringLiteral(":/i18n/tavlora_en.qm")) ||
        !QCoreApplication::installTranslator(english)) {
        delete english;
        return false;
    }
    return true;
}

} // namespace language
