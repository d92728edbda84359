/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "currentdatenameprovider.h"

#include <KLocalizedString>

#include <QDate>
#include <QLocale>
#include <QSet>

#include <array>

namespace
{
constexpr char domain[] = "orv-admin-date-plugin";

template<std::size_t N>
QStringList namesOf(const std::array<KLocalizedString, N> &messages, bool translated)
{
    QStringList names;
    names.reserve(int(N));
    for (const KLocalizedString &message : messages) {
        names.append(translated ? message.toString() : QString::fromUtf8(message.untranslatedText()));
    }
    return names;
}

// English is the catalogue's source language: a language after it in the list is never used.
QLocale namesLocale(bool translated)
{
    if (translated) {
        static const QSet<QString> catalogues = KLocalizedString::availableDomainTranslations(domain);
        for (const QString &language : KLocalizedString::languages()) {
            if (language == QLatin1String("en") || language.startsWith(QLatin1String("en_"))) {
                break;
            }
            if (catalogues.contains(language)) {
                return QLocale(language);
            }
        }
    }
    return QLocale(QLocale::English, QLocale::UnitedStates);
}
}

bool CurrentDateNameProvider::m_translate = true;

CurrentDateNameProvider::CurrentDateNameProvider(QObject *parent)
    : QObject(parent)
{
}

void CurrentDateNameProvider::setTranslate(bool translate) noexcept
{
    m_translate = translate;
}

bool CurrentDateNameProvider::translate() noexcept
{
    return m_translate;
}

QStringList CurrentDateNameProvider::getMonthNames()
{
    static const std::array<KLocalizedString, 12> months = {
        ki18ndc(domain, "Current date", "January"),
        ki18ndc(domain, "Current date", "February"),
        ki18ndc(domain, "Current date", "March"),
        ki18ndc(domain, "Current date", "April"),
        ki18ndc(domain, "Current date", "May"),
        ki18ndc(domain, "Current date", "June"),
        ki18ndc(domain, "Current date", "July"),
        ki18ndc(domain, "Current date", "August"),
        ki18ndc(domain, "Current date", "September"),
        ki18ndc(domain, "Current date", "October"),
        ki18ndc(domain, "Current date", "November"),
        ki18ndc(domain, "Current date", "December"),
    };
    return namesOf(months, m_translate);
}

QStringList CurrentDateNameProvider::getDaysOfWeek()
{
    static const std::array<KLocalizedString, 7> days = {
        ki18nd(domain, "Sunday"),
        ki18nd(domain, "Monday"),
        ki18nd(domain, "Tuesday"),
        ki18nd(domain, "Wednesday"),
        ki18nd(domain, "Thursday"),
        ki18nd(domain, "Friday"),
        ki18nd(domain, "Saturday"),
    };
    return namesOf(days, m_translate);
}

QString CurrentDateNameProvider::getLongDate(int year, int month, int day)
{
    if (month < 0 || month > 11) {
        return {};
    }
    const QDate date(year, month + 1, day);
    return date.isValid() ? namesLocale(m_translate).toString(date, QLocale::LongFormat) : QString();
}
