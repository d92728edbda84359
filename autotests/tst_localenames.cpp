/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include <KLocalizedString>

#include <QDir>
#include <QLocale>
#include <QTest>

// Holds every month and weekday name of every compiled catalogue against the locale data
// that Qt ships, so that a slip of the pen in a catalogue fails. A name that departs from
// the locale data on purpose is listed below with its reason.
namespace
{
const char domain[] = "orv-admin-date-plugin";

const char *const months[] =
    {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October", "November", "December"};
// Monday first, as QLocale counts and as the grid's header runs.
const char *const weekdays[] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
const char *const headerDays[] = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"};

// The locale's form of a header name a catalogue follows, when not the short day name.
enum class HeaderForm { Short, Narrow, ShortWithoutStop, ShortCapitalised };

HeaderForm headerForm(const QString &language)
{
    // Arabic's short names are the full ones and Hebrew's carry "day", too wide for a cell.
    if (language == QLatin1String("ar") || language == QLatin1String("he"))
        return HeaderForm::Narrow;
    // A column header needs no abbreviation mark.
    if (language == QLatin1String("de"))
        return HeaderForm::ShortWithoutStop;
    // The header's names stand alone, so they start with a capital as in Russian calendars.
    if (language == QLatin1String("ru"))
        return HeaderForm::ShortCapitalised;
    return HeaderForm::Short;
}

struct Departure {
    const char *language;
    const char *message;
    const char *name;
};

// Polish calendars print two letters; the locale's "niedz." is wider than a cell.
const Departure departures[] = {{"pl", "Mo", "Pn"},
                                {"pl", "Tu", "Wt"},
                                {"pl", "We", "Śr"},
                                {"pl", "Th", "Cz"},
                                {"pl", "Fr", "Pt"},
                                {"pl", "Sa", "So"},
                                {"pl", "Su", "Nd"}};

QString capitalised(const QString &name)
{
    return name.left(1).toUpper() + name.mid(1);
}

QString headerName(const QString &language, int day)
{
    const QLocale locale(language);
    switch (headerForm(language)) {
    case HeaderForm::Narrow:
        return locale.dayName(day, QLocale::NarrowFormat);
    case HeaderForm::ShortWithoutStop:
        return locale.dayName(day, QLocale::ShortFormat).remove(QLatin1Char('.'));
    case HeaderForm::ShortCapitalised:
        return capitalised(locale.dayName(day, QLocale::ShortFormat));
    case HeaderForm::Short:
        break;
    }
    return locale.dayName(day, QLocale::ShortFormat);
}
}

class LocaleNamesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        KLocalizedString::addDomainLocaleDir(domain, QStringLiteral(ORV_LOCALE_BUILD_DIR));
        QVERIFY2(languages().size() >= 16, qPrintable(languages().join(QLatin1Char(' '))));
    }

    void names_data()
    {
        QTest::addColumn<QString>("translated");
        QTest::addColumn<QString>("expected");

        for (const QString &language : languages()) {
            const QLocale locale(language);
            const QStringList only{language};
            auto row = [&](const char *what, const char *message, const QString &translated, QString expected) {
                for (const Departure &departure : departures) {
                    if (language == QLatin1String(departure.language) && qstrcmp(message, departure.message) == 0)
                        expected = QString::fromUtf8(departure.name);
                }
                QTest::addRow("%s: %s %s", qPrintable(language), what, message) << translated << expected;
            };
            for (int m = 1; m <= 12; ++m) {
                const char *month = months[m - 1];
                // Inside the long date: the form a date takes (the genitive where a language has one).
                row("in the date", month, ki18ndc(domain, "Current date", month).toString(only), locale.monthName(m));
                // An entry of the month box's list, which starts with a capital.
                row("in the month box", month, ki18nd(domain, month).toString(only), capitalised(locale.standaloneMonthName(m)));
            }
            for (int d = 1; d <= 7; ++d) {
                // The weekday begins the long date, so it starts with a capital.
                row("in the date", weekdays[d - 1], ki18nd(domain, weekdays[d - 1]).toString(only), capitalised(locale.dayName(d)));
                row("in the header", headerDays[d - 1], ki18nd(domain, headerDays[d - 1]).toString(only), headerName(language, d));
            }
        }
    }

    void names()
    {
        QFETCH(QString, translated);
        QFETCH(QString, expected);
        QCOMPARE(translated, expected);
    }

private:
    // Every language whose catalogue the build compiled.
    static QStringList languages()
    {
        QStringList found;
        const QDir locales(QStringLiteral(ORV_LOCALE_BUILD_DIR));
        for (const QString &language : locales.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (locales.exists(language + QStringLiteral("/LC_MESSAGES/") + QLatin1String(domain) + QStringLiteral(".mo")))
                found.append(language);
        }
        return found;
    }
};

QTEST_GUILESS_MAIN(LocaleNamesTest)

#include "tst_localenames.moc"
