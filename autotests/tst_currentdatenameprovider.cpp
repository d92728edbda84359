/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "currentdatenameprovider.h"

#include <KLocalizedString>

#include <QTest>

namespace
{
const QStringList englishMonths = {QStringLiteral("January"),
                                   QStringLiteral("February"),
                                   QStringLiteral("March"),
                                   QStringLiteral("April"),
                                   QStringLiteral("May"),
                                   QStringLiteral("June"),
                                   QStringLiteral("July"),
                                   QStringLiteral("August"),
                                   QStringLiteral("September"),
                                   QStringLiteral("October"),
                                   QStringLiteral("November"),
                                   QStringLiteral("December")};
const QStringList englishDays = {QStringLiteral("Sunday"),
                                 QStringLiteral("Monday"),
                                 QStringLiteral("Tuesday"),
                                 QStringLiteral("Wednesday"),
                                 QStringLiteral("Thursday"),
                                 QStringLiteral("Friday"),
                                 QStringLiteral("Saturday")};
}

class CurrentDateNameProviderTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        KLocalizedString::addDomainLocaleDir("orv-admin-date-plugin", QStringLiteral(ORV_TEST_LOCALE_DIR));
    }

    // Runs first: nothing has touched the process-wide switch yet.
    void translatesWithoutBeingAsked()
    {
        QVERIFY(CurrentDateNameProvider::translate());
        KLocalizedString::setLanguages({QStringLiteral("de")});
        QCOMPARE(CurrentDateNameProvider::getMonthNames().first(), QStringLiteral("Januar"));
    }

    void cleanup()
    {
        CurrentDateNameProvider::setTranslate(true);
        KLocalizedString::clearLanguages();
    }

    void names_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("translate");
        QTest::addColumn<QStringList>("months");
        QTest::addColumn<QStringList>("days");

        const QStringList germanMonths = {QStringLiteral("Januar"),
                                          QStringLiteral("Februar"),
                                          QStringLiteral("März"),
                                          QStringLiteral("April"),
                                          QStringLiteral("Mai"),
                                          QStringLiteral("Juni"),
                                          QStringLiteral("Juli"),
                                          QStringLiteral("August"),
                                          QStringLiteral("September"),
                                          QStringLiteral("Oktober"),
                                          QStringLiteral("November"),
                                          QStringLiteral("Dezember")};
        const QStringList germanDays = {QStringLiteral("Sonntag"),
                                        QStringLiteral("Montag"),
                                        QStringLiteral("Dienstag"),
                                        QStringLiteral("Mittwoch"),
                                        QStringLiteral("Donnerstag"),
                                        QStringLiteral("Freitag"),
                                        QStringLiteral("Samstag")};
        // The label reads "weekday, day month, year": Russian months in the genitive.
        const QStringList russianMonths = {QStringLiteral("января"),
                                           QStringLiteral("февраля"),
                                           QStringLiteral("марта"),
                                           QStringLiteral("апреля"),
                                           QStringLiteral("мая"),
                                           QStringLiteral("июня"),
                                           QStringLiteral("июля"),
                                           QStringLiteral("августа"),
                                           QStringLiteral("сентября"),
                                           QStringLiteral("октября"),
                                           QStringLiteral("ноября"),
                                           QStringLiteral("декабря")};
        const QStringList russianDays = {QStringLiteral("Воскресенье"),
                                         QStringLiteral("Понедельник"),
                                         QStringLiteral("Вторник"),
                                         QStringLiteral("Среда"),
                                         QStringLiteral("Четверг"),
                                         QStringLiteral("Пятница"),
                                         QStringLiteral("Суббота")};
        QStringList lackingMay;
        for (const QString &month : englishMonths) {
            lackingMay.append(month == QLatin1String("May") ? month : QStringLiteral("x-") + month);
        }
        QStringList testDays;
        for (const QString &day : englishDays) {
            testDays.append(QStringLiteral("x-") + day);
        }

        QTest::newRow("German") << "de" << true << germanMonths << germanDays;
        QTest::newRow("Russian") << "ru" << true << russianMonths << russianDays;
        QTest::newRow("English, which has no catalogue") << "en_US" << true << englishMonths << englishDays;
        QTest::newRow("a language without a catalogue") << "fr" << true << englishMonths << englishDays;
        QTest::newRow("a catalogue that lacks May") << "x-test" << true << lackingMay << testDays;
        QTest::newRow("German switched off") << "de" << false << englishMonths << englishDays;
        QTest::newRow("Russian switched off") << "ru" << false << englishMonths << englishDays;
    }

    void names()
    {
        QFETCH(QString, language);
        QFETCH(bool, translate);
        QFETCH(QStringList, months);
        QFETCH(QStringList, days);

        KLocalizedString::setLanguages({language});
        CurrentDateNameProvider::setTranslate(translate);

        QCOMPARE(CurrentDateNameProvider::getMonthNames(), months);
        QCOMPARE(CurrentDateNameProvider::getDaysOfWeek(), days);
    }

    void languageChangeBetweenTwoCalls()
    {
        KLocalizedString::setLanguages({QStringLiteral("de")});
        QCOMPARE(CurrentDateNameProvider::getDaysOfWeek().at(1), QStringLiteral("Montag"));
        KLocalizedString::setLanguages({QStringLiteral("ru")});
        QCOMPARE(CurrentDateNameProvider::getDaysOfWeek().at(1), QStringLiteral("Понедельник"));
        QCOMPARE(CurrentDateNameProvider::getMonthNames().at(11), QStringLiteral("декабря"));
    }

    void switchIsSharedByAllInstances()
    {
        KLocalizedString::setLanguages({QStringLiteral("de")});
        CurrentDateNameProvider first;
        CurrentDateNameProvider second;

        QVERIFY(QMetaObject::invokeMethod(&first, "setTranslate", Q_ARG(bool, false)));

        bool translate = true;
        QVERIFY(QMetaObject::invokeMethod(&second, "translate", Q_RETURN_ARG(bool, translate)));
        QVERIFY(!translate);
        QVERIFY(QMetaObject::invokeMethod(&first, "translate", Q_RETURN_ARG(bool, translate)));
        QVERIFY(!translate);
        QStringList months;
        QVERIFY(QMetaObject::invokeMethod(&second, "getMonthNames", Q_RETURN_ARG(QStringList, months)));
        QCOMPARE(months, englishMonths);

        // Destroying the instance that set it does not reset the switch.
        {
            CurrentDateNameProvider third;
            third.setTranslate(true);
        }
        QVERIFY(second.translate());
        QCOMPARE(second.getMonthNames().at(2), QStringLiteral("März"));
    }
};

QTEST_GUILESS_MAIN(CurrentDateNameProviderTest)

#include "tst_currentdatenameprovider.moc"
