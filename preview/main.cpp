/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

// The preview host: the module's components on one date and time page, wired as a
// settings page would wire them.

#include "jsonlinewriter.h"
#include "previewoptions.h"
#include "previewpalette.h"
#include "startupactions.h"
#include "timezones.h"

#include <KLocalizedContext>
#include <KLocalizedString>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QTimeZone>

namespace
{
constexpr char domain[] = "orv-admin-date-plugin";
constexpr char previewUri[] = "nimbara.orvadmindate.preview";

// Run from the build tree, the module and the catalogues are taken from there;
// installed, the engine's own import path and the system's catalogues serve.
void useBuildTreeIfPresent(QQmlEngine &engine)
{
    const QString buildModule = QStringLiteral(ORV_QML_BUILD_DIR "/nimbara/orvadmindate/qmldir");
    const QString buildBin = QFileInfo(QStringLiteral(ORV_QML_BUILD_DIR)).dir().filePath(QStringLiteral("bin"));
    if (QFileInfo::exists(buildModule) && QDir(QCoreApplication::applicationDirPath()) == QDir(buildBin)) {
        engine.addImportPath(QStringLiteral(ORV_QML_BUILD_DIR));
        KLocalizedString::addDomainLocaleDir(domain, QStringLiteral(ORV_LOCALE_BUILD_DIR));
    }
}

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}
}

int main(int argc, char **argv)
{
    PreviewOptions options;
    options.parse(argumentsOf(argc, argv));
    if (options.needsNoWindow()) {
        // Help and usage errors need no display: report them from a plain application.
        QCoreApplication core(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("orv-admin-date-preview"));
        options.process(core);
    }
    options.exportEnvironment();

    // The offscreen platform has no OpenGL; the software renderer draws there, and its
    // frames can be read back for --screenshot.
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND")) {
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    }

    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orv-admin-date-preview"));
    KLocalizedString::setApplicationDomain(domain);
    options.process(app);

    if (!options.language().isEmpty()) {
        KLocalizedString::setLanguages({options.language()});
        QLocale::setDefault(QLocale(options.language()));
    }
    PreviewPalette palette;
    if (options.theme() != PreviewOptions::Theme::FromPalette) {
        palette.apply(options.theme() == PreviewOptions::Theme::Dark);
    }
    options.resolveTheme(PreviewPalette::isLight(QGuiApplication::palette()));
    if (qEnvironmentVariableIsEmpty("QT_QUICK_CONTROLS_STYLE")) {
        // A desktop style that draws with the palette, as a settings page does.
        QQuickStyle::setStyle(QStringLiteral("Fusion"));
    }

    JsonLineWriter jsonLines;
    qmlRegisterSingletonInstance(previewUri, 1, 0, "PreviewOptions", &options);
    qmlRegisterSingletonInstance(previewUri, 1, 0, "JsonLines", &jsonLines);
    qmlRegisterSingletonInstance(previewUri, 1, 0, "PreviewPalette", &palette);
    TimeZones timeZones({QString::fromUtf8(QTimeZone::systemTimeZoneId()), options.zone()});
    qmlRegisterSingletonInstance(previewUri, 1, 0, "TimeZones", &timeZones);

    QQmlApplicationEngine engine;
    useBuildTreeIfPresent(engine);
    auto *context = new KLocalizedContext(&engine);
    context->setTranslationDomain(QString::fromLatin1(domain));
    engine.rootContext()->setContextObject(context);

    engine.load(QUrl(QStringLiteral("qrc:/preview/Main.qml")));
    auto *window = engine.rootObjects().isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
    if (!window) {
        return 1;
    }

    StartupActions::Plan plan;
    plan.driveDay = options.driveDay();
    plan.dumpGeometry = options.dumpGeometry();
    plan.screenshotFile = options.screenshotFile();
    StartupActions actions(window, plan, &jsonLines);
    return app.exec();
}
