/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

// The name provider driven by a script of bytes: switch translation, switch the
// language, fetch both lists. The lists always have 12 and 7 names, none empty, the
// untranslated ones are the English translations whatever the language, and the lists
// never change between two fetches with nothing switched in between.

#include "currentdatenameprovider.h"
#include "fuzzing.h"

#include <KLocalizedString>

#include <QCoreApplication>

#include <array>
#include <memory>

namespace
{
// "x-test" lacks one month; "fr" has no catalogue at all.
const std::array<QString, 5> languages = {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("ru"), QStringLiteral("x-test"), QStringLiteral("fr")};
// The names as translated into English, to check the untranslated texts against.
QStringList englishMonths;
QStringList englishDays;

bool hasNoEmptyName(const QStringList &names)
{
    return std::none_of(names.cbegin(), names.cend(), [](const QString &name) {
        return name.isEmpty();
    });
}
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static std::unique_ptr<QCoreApplication> application = std::make_unique<QCoreApplication>(*argc, *argv);
    KLocalizedString::addDomainLocaleDir("orv-admin-date-plugin", QStringLiteral(ORV_TEST_LOCALE_DIR));
    KLocalizedString::setLanguages({languages.front()});
    englishMonths = CurrentDateNameProvider::getMonthNames();
    englishDays = CurrentDateNameProvider::getDaysOfWeek();
    require(englishMonths.first() == QLatin1String("January") && englishDays.first() == QLatin1String("Sunday"), "English names in English");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    QString language = languages.front();
    KLocalizedString::setLanguages({language});
    CurrentDateNameProvider::setTranslate(true);
    QStringList lastMonths;
    QStringList lastDays;

    while (!input.atEnd()) {
        const auto step = input.take<std::uint8_t>();
        switch (step % 3) {
        case 0:
            CurrentDateNameProvider::setTranslate(step & 0x80);
            lastMonths.clear();
            break;
        case 1:
            language = languages[(step >> 2) % languages.size()];
            KLocalizedString::setLanguages({language});
            lastMonths.clear();
            break;
        default: {
            const QStringList months = CurrentDateNameProvider::getMonthNames();
            const QStringList days = CurrentDateNameProvider::getDaysOfWeek();
            require(months.size() == 12 && days.size() == 7, "12 months and 7 weekdays");
            require(hasNoEmptyName(months) && hasNoEmptyName(days), "no empty name");
            if (!CurrentDateNameProvider::translate() || language == languages.front()) {
                require(months == englishMonths && days == englishDays, "English names untranslated or in English");
            }
            require(lastMonths.isEmpty() || (months == lastMonths && days == lastDays), "the same names with nothing switched");
            lastMonths = months;
            lastDays = days;
        }
        }
    }
    return 0;
}
