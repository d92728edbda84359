/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef PREVIEWOPTIONS_H
#define PREVIEWOPTIONS_H

#include <QCommandLineParser>
#include <QObject>

class QCoreApplication;

/**
 * The preview's command line. The page reads the look and the zone through
 * the QML singleton PreviewOptions; the startup actions read the rest.
 */
class PreviewOptions : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isLight READ isLight CONSTANT)
    Q_PROPERTY(bool isApplet READ isApplet CONSTANT)
    Q_PROPERTY(int fontSize READ fontSize CONSTANT)
    Q_PROPERTY(QString zone READ zone CONSTANT)
    Q_PROPERTY(QString style READ style CONSTANT)
    Q_PROPERTY(bool appliesThroughTimedated READ appliesThroughTimedated CONSTANT)
    Q_PROPERTY(QString language READ language CONSTANT)

public:
    enum class Theme { FromPalette, Light, Dark };

    /// The font sizes the page is laid out for.
    static constexpr int smallestFontSize = 8;
    static constexpr int largestFontSize = 24;

    explicit PreviewOptions(QObject *parent = nullptr);

    /**
     * Reads the arguments without an application object, so that the zone and the
     * language can reach the environment before Qt reads it. Errors are left to process().
     */
    bool parse(const QStringList &arguments);
    /// Whether the command line asks only for help, or is wrong: then no window is needed.
    bool needsNoWindow() const;
    /// Full handling: --help ends the process with 0, unknown options and bad values with 2.
    void process(const QCoreApplication &application);
    /// Ends the process with 2 after the message and the usage, when --style names no style.
    void checkStyle(const QStringList &availableStyles) const;

    /// Sets TZ and LANGUAGE from --zone and --lang; call before the application exists.
    void exportEnvironment() const;

    Theme theme() const;
    /// Resolves the theme against the palette in force when it follows the palette.
    void resolveTheme(bool paletteIsLight);
    bool isLight() const;
    bool isApplet() const;
    int fontSize() const;
    QString zone() const;
    QString language() const;
    /// The Controls style from --style, empty when not given.
    QString style() const;
    QString screenshotFile() const;
    bool dumpGeometry() const;
    int driveDay() const;
    /// A host developer's own QML document to show instead of the preview's page; empty for the page.
    QString page() const;
    QString driveZone() const;
    bool driveReset() const;
    bool appliesThroughTimedated() const;

private:
    QString checkValues() const;
    bool hasForeignOption() const;
    [[noreturn]] void usageError(const QString &message) const;

    QCommandLineParser m_parser;
    QCommandLineOption m_dark;
    QCommandLineOption m_light;
    QCommandLineOption m_applet;
    QCommandLineOption m_lang;
    QCommandLineOption m_zone;
    QCommandLineOption m_fontSize;
    QCommandLineOption m_screenshot;
    QCommandLineOption m_dumpGeometry;
    QCommandLineOption m_driveDay;
    QCommandLineOption m_style;
    QCommandLineOption m_driveZone;
    QCommandLineOption m_driveReset;
    QCommandLineOption m_page;
    QCommandLineOption m_applyThroughTimedated;
    bool m_paletteIsLight = true;
    bool m_parsed = false;
    QString m_styleName;
};

#endif
