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

public:
    enum class Theme { FromPalette, Light, Dark };

    explicit PreviewOptions(QObject *parent = nullptr);

    /**
     * Reads the arguments without an application object, so that the zone and the
     * language can reach the environment before Qt reads it. Errors are left to process().
     */
    bool parse(const QStringList &arguments);
    /// Whether the command line asks only for help, or has a wrong value: then no window is needed.
    bool needsNoWindow() const;
    /// Full handling: --help, unknown options and bad values end the process.
    void process(const QCoreApplication &application);

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
    QString screenshotFile() const;
    bool dumpGeometry() const;
    int driveDay() const;

private:
    QString checkValues() const;

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
    bool m_paletteIsLight = true;
    bool m_parsed = false;
};

#endif
