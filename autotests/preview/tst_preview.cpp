/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

// The preview host as a script sees it: its screenshots and its JSON lines.

#include <QColor>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QTest>

namespace
{
struct Run {
    int exitCode = -1;
    QList<QJsonObject> lines;
    QString errors;

    QJsonObject event(const QString &name) const
    {
        for (const QJsonObject &line : lines) {
            if (line.value(QStringLiteral("event")).toString() == name) {
                return line;
            }
        }
        return {};
    }
};

Run runPreview(const QStringList &arguments, const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ORV_PREVIEW_BINARY), arguments);
    Run run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        run.errors = QStringLiteral("the preview did not finish");
        return run;
    }
    run.exitCode = process.exitCode();
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    const QList<QByteArray> output = process.readAllStandardOutput().split('\n');
    for (const QByteArray &line : output) {
        if (!line.isEmpty()) {
            run.lines.append(QJsonDocument::fromJson(line).object());
        }
    }
    return run;
}

QRect rectOf(const QJsonObject &object, qreal devicePixelRatio)
{
    const QRectF rect(object.value(QStringLiteral("x")).toDouble(), object.value(QStringLiteral("y")).toDouble(),
                      object.value(QStringLiteral("width")).toDouble(), object.value(QStringLiteral("height")).toDouble());
    return QRectF(rect.topLeft() * devicePixelRatio, rect.size() * devicePixelRatio).toAlignedRect();
}

bool isNear(QRgb pixel, const QColor &colour)
{
    constexpr int tolerance = 8;
    return qAbs(qRed(pixel) - colour.red()) <= tolerance && qAbs(qGreen(pixel) - colour.green()) <= tolerance
        && qAbs(qBlue(pixel) - colour.blue()) <= tolerance;
}

qreal shareOfColour(const QImage &image, const QRect &rect, const QColor &colour)
{
    int matching = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            matching += isNear(image.pixel(x, y), colour) ? 1 : 0;
        }
    }
    return qreal(matching) / (rect.width() * rect.height());
}

qreal meanLightness(const QImage &image)
{
    qint64 sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            sum += qGray(image.pixel(x, y));
        }
    }
    return qreal(sum) / (qint64(image.width()) * image.height());
}
}

class PreviewTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void screenshotShowsTodayInHighlight_data();
    void screenshotShowsTodayInHighlight();
    void darkPageIsDarker();
    void dayTypedIntoThePickerIsReported();
    void helpNeedsNoDisplay();
    void usageErrorsNeedNoDisplay_data();
    void usageErrorsNeedNoDisplay();
    void languageWithoutCatalogueIsReported();
    void pageShowsThePendingDay();
    void rightToLeftLanguageMirrorsThePanel_data();
    void rightToLeftLanguageMirrorsThePanel();
    void stylesPrintNoWarning_data();
    void stylesPrintNoWarning();
    void geometryIsWrittenOnce();
    void pageOfOnesOwn();

private:
    QImage screenshot(const QString &theme, QJsonObject *geometry, const QString &platform = QString());

    QTemporaryDir m_dir;
};

// The page's screenshot on the platform of the test's own environment, or on `platform`.
QImage PreviewTest::screenshot(const QString &theme, QJsonObject *geometry, const QString &platform)
{
    const QString file = m_dir.filePath(theme + platform + QStringLiteral(".png"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!platform.isEmpty()) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    }
    const Run run = runPreview({theme, QStringLiteral("--screenshot"), file, QStringLiteral("--dump-geometry")}, environment);
    if (run.exitCode != 0) {
        qWarning("%s", qPrintable(run.errors));
        return {};
    }
    *geometry = run.event(QStringLiteral("geometry"));
    return QImage(file);
}

void PreviewTest::screenshotShowsTodayInHighlight_data()
{
    QTest::addColumn<QString>("theme");
    QTest::addColumn<QString>("platform");
    // A screenshot is taken from the window on a display, and read back from the software
    // renderer's backing store on the offscreen platform.
    QTest::newRow("light page") << QStringLiteral("--light") << QString();
    QTest::newRow("dark page") << QStringLiteral("--dark") << QString();
    QTest::newRow("light page, offscreen") << QStringLiteral("--light") << QStringLiteral("offscreen");
    QTest::newRow("dark page, offscreen") << QStringLiteral("--dark") << QStringLiteral("offscreen");
}

void PreviewTest::screenshotShowsTodayInHighlight()
{
    QFETCH(QString, theme);
    QFETCH(QString, platform);
    QJsonObject geometry;
    const QImage image = screenshot(theme, &geometry, platform);
    QVERIFY(!image.isNull());
    QVERIFY(!geometry.isEmpty());

    const qreal ratio = geometry.value(QStringLiteral("devicePixelRatio")).toDouble();
    const QJsonObject window = geometry.value(QStringLiteral("window")).toObject();
    QCOMPARE(image.size(), (QSizeF(window.value(QStringLiteral("width")).toDouble(), window.value(QStringLiteral("height")).toDouble()) * ratio).toSize());
    QVERIFY(image.width() >= 800 && image.height() >= 500);

    QVERIFY2(geometry.value(QStringLiteral("todayCell")).isObject(), "the page found no cell for today");
    const QRect cell = rectOf(geometry.value(QStringLiteral("todayCell")).toObject(), ratio);
    QVERIFY(image.rect().contains(cell));
    QVERIFY(rectOf(geometry.value(QStringLiteral("panel")).toObject(), ratio).contains(cell));
    const QColor highlight(geometry.value(QStringLiteral("highlight")).toString());
    // The day number covers part of the cell; the fill takes most of the rest.
    QVERIFY2(shareOfColour(image, cell, highlight) > 0.5, qPrintable(QStringLiteral("today's cell is not %1").arg(highlight.name())));
    // The fill marks today alone: the place one and a half cells to the left is not filled.
    QVERIFY(shareOfColour(image, cell.translated(-cell.width() * 3 / 2, 0), highlight) < 0.5);
}

void PreviewTest::darkPageIsDarker()
{
    QJsonObject geometry;
    const QImage light = screenshot(QStringLiteral("--light"), &geometry);
    const QImage dark = screenshot(QStringLiteral("--dark"), &geometry);
    QVERIFY(!light.isNull() && !dark.isNull());
    QCOMPARE(dark.size(), light.size());
    QVERIFY2(meanLightness(dark) + 64 < meanLightness(light),
             qPrintable(QStringLiteral("dark %1, light %2").arg(meanLightness(dark)).arg(meanLightness(light))));
}

void PreviewTest::dayTypedIntoThePickerIsReported()
{
    const QDate today = QDate::currentDate();
    const int day = today.day() == 5 ? 6 : 5;
    const Run run = runPreview({QStringLiteral("--drive-day"), QString::number(day), QStringLiteral("--screenshot"),
                                m_dir.filePath(QStringLiteral("driven.png"))});
    QVERIFY2(run.exitCode == 0, qPrintable(run.errors));

    const QJsonObject chosen = run.event(QStringLiteral("newDateSelected"));
    QVERIFY(!chosen.isEmpty());
    const QDate expected(today.year(), today.month(), day);
    QCOMPARE(chosen.value(QStringLiteral("date")).toString(), expected.toString(Qt::ISODate));
    // The panel reports local midnight of that day (its first instant where the day begins
    // in a daylight-saving gap) as UTC text.
    QCOMPARE(chosen.value(QStringLiteral("iso")).toString(), expected.startOfDay().toUTC().toString(Qt::ISODateWithMs));
    QVERIFY(chosen.value(QStringLiteral("pending")).toString().startsWith(expected.toString(Qt::ISODate) + QLatin1Char('T')));
    QVERIFY(!chosen.value(QStringLiteral("zone")).toString().isEmpty());
}

void PreviewTest::helpNeedsNoDisplay()
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ORV_PREVIEW_BINARY), {QStringLiteral("--help")});
    QVERIFY(process.waitForFinished(20000));
    QCOMPARE(process.exitCode(), 0);
    const QString help = QString::fromLocal8Bit(process.readAllStandardOutput());
    for (const char *option : {"--dark", "--light", "--applet", "--lang", "--zone", "--font-size", "--screenshot"}) {
        QVERIFY2(help.contains(QLatin1String(option)), option);
    }
}

void PreviewTest::usageErrorsNeedNoDisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--bogus")};
    QTest::newRow("unknown option beside Qt's own") << QStringList{QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("--bogus")};
    QTest::newRow("font size too large") << QStringList{QStringLiteral("--font-size"), QStringLiteral("500")};
    QTest::newRow("font size too small") << QStringList{QStringLiteral("--font-size"), QStringLiteral("7")};
    QTest::newRow("language without its code") << QStringList{QStringLiteral("--lang")};
}

void PreviewTest::usageErrorsNeedNoDisplay()
{
    QFETCH(QStringList, arguments);
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ORV_PREVIEW_BINARY), arguments);
    QVERIFY(process.waitForFinished(20000));
    const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 2);
    QVERIFY2(errors.contains(QLatin1String("Usage:")) && errors.contains(QLatin1String("--font-size")), qPrintable(errors));
}

void PreviewTest::languageWithoutCatalogueIsReported()
{
    const QString file = m_dir.filePath(QStringLiteral("language.png"));
    const Run unknown = runPreview({QStringLiteral("--lang"), QStringLiteral("xx"), QStringLiteral("--screenshot"), file});
    QCOMPARE(unknown.exitCode, 0);
    QVERIFY2(unknown.errors.contains(QLatin1String("\"xx\"")), qPrintable(unknown.errors));
    const Run german = runPreview({QStringLiteral("--lang"), QStringLiteral("de"), QStringLiteral("--screenshot"), file});
    QCOMPARE(german.exitCode, 0);
    QVERIFY2(!german.errors.contains(QLatin1String("no translation")), qPrintable(german.errors));
    QCOMPARE(runPreview({QStringLiteral("--style"), QStringLiteral("NoSuchStyle")}).exitCode, 2);
}

void PreviewTest::pageShowsThePendingDay()
{
    // Kiritimati and Honolulu are a whole day apart: the chosen zone's date is always
    // another than the one the page started on. Each zone's date is read before and after
    // the run, in case midnight passes in between.
    const QTimeZone started("Pacific/Kiritimati");
    const QTimeZone chosen("Pacific/Honolulu");
    const QDate chosenBefore = QDateTime::currentDateTimeUtc().toTimeZone(chosen).date();
    const QDate startedBefore = QDateTime::currentDateTimeUtc().toTimeZone(started).date();
    const Run run = runPreview({QStringLiteral("--zone"), QStringLiteral("Pacific/Kiritimati"), QStringLiteral("--drive-zone"),
                                QStringLiteral("Pacific/Honolulu"), QStringLiteral("--drive-reset"), QStringLiteral("--screenshot"),
                                m_dir.filePath(QStringLiteral("zone.png"))});
    const QDate chosenAfter = QDateTime::currentDateTimeUtc().toTimeZone(chosen).date();
    QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
    QVERIFY(startedBefore != chosenBefore && startedBefore != chosenAfter);
    const QStringList chosenDates{chosenBefore.toString(Qt::ISODate), chosenAfter.toString(Qt::ISODate)};
    QStringList events;
    for (const QJsonObject &line : run.lines) {
        const QString event = line.value(QStringLiteral("event")).toString();
        events.append(event);
        QCOMPARE(line.value(QStringLiteral("zone")).toString(), QStringLiteral("Pacific/Honolulu"));
        const QString shown = line.value(QStringLiteral("shown")).toString();
        QVERIFY2(chosenDates.contains(shown), qPrintable(event + QStringLiteral(": the page shows ") + shown + QStringLiteral(", not Honolulu's date")));
        QCOMPARE(line.value(QStringLiteral("pending")).toString().left(10), shown);
    }
    QCOMPARE(events, (QStringList{QStringLiteral("zoneChosen"), QStringLiteral("reset")}));

    // The day already pending, typed again into the picker, changes nothing and says nothing.
    const Run again = runPreview({QStringLiteral("--drive-day"), QString::number(QDate::currentDate().day()), QStringLiteral("--drive-reset"),
                                  QStringLiteral("--screenshot"), m_dir.filePath(QStringLiteral("again.png"))});
    QVERIFY2(again.exitCode == 0, qPrintable(again.errors));
    QCOMPARE(again.lines.size(), 1);
    QCOMPARE(again.lines.constFirst().value(QStringLiteral("event")).toString(), QStringLiteral("reset"));
}

void PreviewTest::stylesPrintNoWarning_data()
{
    QTest::addColumn<QString>("style");
    for (const char *style : {"org.kde.desktop", "Fusion", "Default", "Material"}) {
        QTest::newRow(style) << QString::fromLatin1(style);
    }
}

void PreviewTest::stylesPrintNoWarning()
{
    QFETCH(QString, style);
    const Run run = runPreview({QStringLiteral("--style"), style, QStringLiteral("--lang"), QStringLiteral("de"), QStringLiteral("--font-size"),
                                QStringLiteral("20"), QStringLiteral("--dump-geometry"), QStringLiteral("--screenshot"),
                                m_dir.filePath(style + QStringLiteral(".png"))});
    QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
    // Longer German texts and a larger font widen the window instead of being cut at its edge.
    const QJsonObject geometry = run.event(QStringLiteral("geometry"));
    const QJsonObject window = geometry.value(QStringLiteral("window")).toObject();
    const QRect page(0, 0, window.value(QStringLiteral("width")).toInt(), window.value(QStringLiteral("height")).toInt());
    for (const char *part : {"longDate", "panel", "clock", "digitalClock", "settingsButton", "zoneBox"}) {
        QVERIFY2(page.contains(rectOf(geometry.value(QLatin1String(part)).toObject(), 1)), part);
    }
    // The picker's digits in the middle of its frame, and the return button's frame beside it as high.
    const QJsonObject parts = geometry.value(QStringLiteral("panelParts")).toObject();
    const QRect picker = rectOf(parts.value(QStringLiteral("picker")).toObject(), 1);
    QVERIFY(qAbs(rectOf(parts.value(QStringLiteral("pickerText")).toObject(), 1).center().y() - picker.center().y()) <= 1);
    const QRect returnButton = rectOf(parts.value(QStringLiteral("returnButton")).toObject(), 1);
    QCOMPARE(QPair(returnButton.top(), returnButton.bottom()), QPair(picker.top(), picker.bottom()));
    // What the platform says about itself (no runtime directory, no OpenGL offscreen) is no warning of the page.
    static const QRegularExpression pageWarning(QStringLiteral("\\.qml:\\d+|\\.js:\\d+|Error|Binding loop"));
    QVERIFY2(!pageWarning.match(run.errors).hasMatch(), qPrintable(run.errors));
}

// Under X the page draws with OpenGL in a render thread of its own, unless told otherwise.
void PreviewTest::geometryIsWrittenOnce()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QUICK_BACKEND"));
    // llvmpipe registers the unwind frames of the code it generates; AddressSanitizer's exact
    // unwinder, run on every allocation, then deadlocks in libgcc's lookup of those frames,
    // and its fast one cannot name Mesa's frames for a leak suppression. The software runs
    // above check the leaks.
    if (environment.contains(QStringLiteral("ASAN_OPTIONS"))) {
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           environment.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":fast_unwind_on_malloc=1:detect_leaks=0"));
    }
    const Run run = runPreview({QStringLiteral("--dump-geometry"), QStringLiteral("--screenshot"), m_dir.filePath(QStringLiteral("once.png"))}, environment);
    QCOMPARE(run.lines.size(), 1);
    QVERIFY(!run.event(QStringLiteral("geometry")).isEmpty());
}

// A host developer's first page, written from the README: the module, its documents and i18n().
void PreviewTest::pageOfOnesOwn()
{
    QFile page(m_dir.filePath(QStringLiteral("Page.qml")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write(R"(import QtQuick 2.15
import nimbara.orvadmindate 1.0
import "qrc:/qml"
Item { width: 600; height: 460
    Column { CurrentDate { width: 500; height: 30 } Text { text: i18n("To current date") } OrvCalendar { width: 500; height: 380 } } })");
    page.close();
    const Run run = runPreview({QStringLiteral("--page"), page.fileName(), QStringLiteral("--screenshot"), m_dir.filePath(QStringLiteral("own.png"))});
    QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
    static const QRegularExpression warning(QStringLiteral("\\.qml:\\d+|ReferenceError|Cannot create children"));
    QVERIFY2(!warning.match(run.errors).hasMatch(), qPrintable(run.errors));
}

void PreviewTest::rightToLeftLanguageMirrorsThePanel_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("mirrored");
    QTest::newRow("Arabic") << QStringLiteral("ar") << true;
    QTest::newRow("Hebrew") << QStringLiteral("he") << true;
    QTest::newRow("Japanese") << QStringLiteral("ja") << false;
}

void PreviewTest::rightToLeftLanguageMirrorsThePanel()
{
    QFETCH(QString, language);
    QFETCH(bool, mirrored);
    const Run run = runPreview({QStringLiteral("--lang"), language, QStringLiteral("--dump-geometry"), QStringLiteral("--screenshot"),
                                m_dir.filePath(language + QStringLiteral(".png"))});
    QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
    const QJsonObject geometry = run.event(QStringLiteral("geometry"));
    const QJsonObject parts = geometry.value(QStringLiteral("panelParts")).toObject();
    auto x = [](const QJsonObject &object, const char *name) {
        return object.value(QLatin1String(name)).toObject().value(QStringLiteral("x")).toDouble();
    };
    // Each pair stands the other way round when the page mirrors: Monday's column and
    // Sunday's, the week numbers and the grid, the month buttons, the panel and the clock.
    QCOMPARE(x(parts, "firstCell") > x(parts, "lastCell"), mirrored);
    QCOMPARE(x(parts, "weekNumbers") > x(parts, "firstCell"), mirrored);
    QCOMPARE(x(parts, "previousMonth") > x(parts, "nextMonth"), mirrored);
    QCOMPARE(x(geometry, "panel") > x(geometry, "clock"), mirrored);
}

QTEST_GUILESS_MAIN(PreviewTest)

#include "tst_preview.moc"
