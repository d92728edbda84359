/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "previewoptions.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimeZone>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace
{
constexpr int defaultFontSize = 13;

int positiveNumber(const QString &text, int fallback)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok && number > 0 ? number : fallback;
}
}

PreviewOptions::PreviewOptions(QObject *parent)
    : QObject(parent)
    , m_dark(QStringLiteral("dark"), QStringLiteral("Dark palette and dark artwork."))
    , m_light(QStringLiteral("light"), QStringLiteral("Light palette and light artwork (default: follow the palette)."))
    , m_applet(QStringLiteral("applet"), QStringLiteral("Show the calendar panel in its applet look."))
    , m_lang(QStringLiteral("lang"), QStringLiteral("Translate the page into the language <code>, e.g. de or ru."), QStringLiteral("code"))
    , m_zone(QStringLiteral("zone"),
             QStringLiteral("Start in the time zone <name>, e.g. Europe/Berlin. It also becomes the process's TZ, "
                            "so the calendar's today and the long date follow it."),
             QStringLiteral("name"))
    , m_fontSize(QStringLiteral("font-size"),
                 QStringLiteral("Pixel size of the editing components' texts, %1 to %2 (default 13).").arg(smallestFontSize).arg(largestFontSize),
                 QStringLiteral("n"))
    , m_screenshot(QStringLiteral("screenshot"),
                   QStringLiteral("Save the page as a PNG to <file> after its first frame, then quit. "
                                  "Works on a display, under xvfb-run and on the offscreen platform."),
                   QStringLiteral("file"))
    , m_dumpGeometry(QStringLiteral("dump-geometry"),
                     QStringLiteral("After the first frame, print the page's parts and today's cell as a JSON line."))
    , m_driveDay(QStringLiteral("drive-day"),
                 QStringLiteral("After the first frame, choose day <n> of the month through the panel's date picker, "
                                "as a user typing it would."),
                 QStringLiteral("n"))
    , m_style(QStringLiteral("style"),
              QStringLiteral("Qt Quick Controls style <name>, e.g. org.kde.desktop, Fusion (default), Default or Material."),
              QStringLiteral("name"))
    , m_driveZone(QStringLiteral("drive-zone"),
                  QStringLiteral("After the first frame, choose the zone <name> in the zone box, before any --drive-day."),
                  QStringLiteral("name"))
    , m_driveReset(QStringLiteral("drive-reset"), QStringLiteral("After the first frame and the other driven choices, press Reset."))
    , m_page(QStringLiteral("page"),
             QStringLiteral("Show the QML document <file> instead of the preview's page, in the same engine: the module "
                            "imports and i18n() translates. A page whose root is an Item gets a window of its own."),
             QStringLiteral("file"))
    , m_applyThroughTimedated(QStringLiteral("apply-through-timedated"),
                              QStringLiteral("Apply really sets the machine's date, time and zone through systemd-timedated "
                                             "on the system bus, which asks for authorisation. Each call and its answer is printed."))
{
    m_parser.setApplicationDescription(
        QStringLiteral("Shows the date and time components on a settings page. Every chosen date, entered time "
                       "and Apply is printed as one JSON line on standard output; the machine's clock is left alone unless "
                       "--apply-through-timedated is given."));
    m_parser.addHelpOption();
    m_parser.addOptions({m_dark, m_light, m_applet, m_lang, m_zone, m_fontSize, m_screenshot, m_dumpGeometry, m_driveDay, m_style, m_driveZone, m_driveReset, m_page, m_applyThroughTimedated});
    // Qt's own options have one dash and whole words (-platform, -style): read so, they
    // are told apart from a mistyped option of the page.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
}

bool PreviewOptions::parse(const QStringList &arguments)
{
    m_parsed = m_parser.parse(arguments);
    // The application object takes -style and --style away for its widget styles.
    m_styleName = m_parser.value(m_style);
    return m_parsed;
}

bool PreviewOptions::needsNoWindow() const
{
    // Qt's own options are taken away by the application object, which needs a display
    // to exist; anything else that does not parse is a usage error to report without one.
    if (!m_parsed) {
        return m_parser.unknownOptionNames().isEmpty() || hasForeignOption() || m_parser.isSet(QStringLiteral("help"));
    }
    return m_parser.isSet(QStringLiteral("help")) || !checkValues().isEmpty();
}

bool PreviewOptions::hasForeignOption() const
{
    static const QStringList qtOptions = {
        QStringLiteral("platform"), QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
        QStringLiteral("plugin"), QStringLiteral("qmljsdebugger"), QStringLiteral("qwindowgeometry"),
        QStringLiteral("geometry"), QStringLiteral("qwindowtitle"), QStringLiteral("title"),
        QStringLiteral("qwindowicon"), QStringLiteral("icon"), QStringLiteral("reverse"),
        QStringLiteral("session"), QStringLiteral("display"), QStringLiteral("name"),
    };
    const QStringList unknown = m_parser.unknownOptionNames();
    return std::any_of(unknown.cbegin(), unknown.cend(), [](const QString &option) { return !qtOptions.contains(option); });
}

void PreviewOptions::process(const QCoreApplication &application)
{
    if (!m_parser.parse(application.arguments())) {
        usageError(m_parser.errorText());
    }
    if (m_parser.isSet(QStringLiteral("help"))) {
        m_parser.showHelp(0);
    }
    if (!m_parser.positionalArguments().isEmpty()) {
        usageError(QStringLiteral("unexpected argument: %1").arg(m_parser.positionalArguments().constFirst()));
    }
    const QString error = checkValues();
    if (!error.isEmpty()) {
        usageError(error);
    }
}

void PreviewOptions::checkStyle(const QStringList &availableStyles) const
{
    if (!m_styleName.isEmpty() && !availableStyles.contains(m_styleName, Qt::CaseInsensitive)) {
        usageError(QStringLiteral("unknown style: %1 (installed: %2)").arg(style(), availableStyles.join(QStringLiteral(", "))));
    }
}

void PreviewOptions::usageError(const QString &message) const
{
    std::fprintf(stderr, "%s: %s\n\n%s", qPrintable(QCoreApplication::applicationName()), qPrintable(message),
                 qPrintable(m_parser.helpText()));
    std::exit(2);
}

QString PreviewOptions::checkValues() const
{
    if (m_parser.isSet(m_dark) && m_parser.isSet(m_light)) {
        return QStringLiteral("--dark and --light exclude each other");
    }
    if (m_parser.isSet(m_page) && !QFileInfo(page()).isFile()) {
        return QStringLiteral("no such page: %1").arg(page());
    }
    const bool readsThePage = m_parser.isSet(m_dumpGeometry) || m_parser.isSet(m_driveDay) || m_parser.isSet(m_driveZone)
        || m_parser.isSet(m_driveReset) || m_parser.isSet(m_applyThroughTimedated);
    if (m_parser.isSet(m_page) && readsThePage) {
        return QStringLiteral("--page shows a page of one's own: --dump-geometry, the --drive options and "
                              "--apply-through-timedated need the preview's page");
    }
    if (m_parser.isSet(m_zone) && !QTimeZone(zone().toUtf8()).isValid()) {
        return QStringLiteral("unknown time zone: %1").arg(zone());
    }
    if (m_parser.isSet(m_fontSize)) {
        const int size = positiveNumber(m_parser.value(m_fontSize), 0);
        if (size < smallestFontSize || size > largestFontSize) {
            return QStringLiteral("--font-size needs a number from %1 to %2, the sizes the page is laid out for")
                .arg(smallestFontSize)
                .arg(largestFontSize);
        }
    }
    if (m_parser.isSet(m_driveZone) && !QTimeZone(driveZone().toUtf8()).isValid()) {
        return QStringLiteral("unknown time zone: %1").arg(driveZone());
    }
    if (m_parser.isSet(m_driveDay) && (driveDay() < 1 || driveDay() > 31)) {
        return QStringLiteral("--drive-day needs a day of the month, 1 to 31");
    }
    return {};
}

void PreviewOptions::exportEnvironment() const
{
    // QTimeZone and the QML engine's Date read the zone from TZ when first used, so it
    // must be in place before the application starts; an unknown name is reported later.
    // Only names of the zone database go there: TZ reads "UTC+05:00" as a POSIX rule
    // five hours west, the opposite of what QTimeZone means by it.
    if (m_parser.isSet(m_zone) && QFileInfo(QStringLiteral("/usr/share/zoneinfo/") + zone()).isFile()) {
        qputenv("TZ", zone().toUtf8());
        tzset();
    }
    if (m_parser.isSet(m_lang)) {
        qputenv("LANGUAGE", language().toUtf8());
    }
}

PreviewOptions::Theme PreviewOptions::theme() const
{
    if (m_parser.isSet(m_dark)) {
        return Theme::Dark;
    }
    return m_parser.isSet(m_light) ? Theme::Light : Theme::FromPalette;
}

void PreviewOptions::resolveTheme(bool paletteIsLight)
{
    m_paletteIsLight = paletteIsLight;
}

bool PreviewOptions::isLight() const
{
    switch (theme()) {
    case Theme::Dark:
        return false;
    case Theme::Light:
        return true;
    case Theme::FromPalette:
        break;
    }
    return m_paletteIsLight;
}

bool PreviewOptions::isApplet() const
{
    return m_parser.isSet(m_applet);
}

int PreviewOptions::fontSize() const
{
    return positiveNumber(m_parser.value(m_fontSize), defaultFontSize);
}

QString PreviewOptions::zone() const
{
    return m_parser.isSet(m_zone) ? m_parser.value(m_zone) : QString::fromUtf8(QTimeZone::systemTimeZoneId());
}

QString PreviewOptions::language() const
{
    return m_parser.value(m_lang);
}

QString PreviewOptions::page() const
{
    return m_parser.value(m_page);
}

QString PreviewOptions::driveZone() const
{
    return m_parser.value(m_driveZone);
}

bool PreviewOptions::driveReset() const
{
    return m_parser.isSet(m_driveReset);
}

QString PreviewOptions::style() const
{
    return m_styleName;
}

QString PreviewOptions::screenshotFile() const
{
    return m_parser.value(m_screenshot);
}

bool PreviewOptions::dumpGeometry() const
{
    return m_parser.isSet(m_dumpGeometry);
}

int PreviewOptions::driveDay() const
{
    return positiveNumber(m_parser.value(m_driveDay), 0);
}

bool PreviewOptions::appliesThroughTimedated() const
{
    return m_parser.isSet(m_applyThroughTimedated);
}
