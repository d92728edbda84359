/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

// The preview host: the module's components on one date and time page, wired as a
// settings page would wire them.

#include "hosttypes.h"
#include "jsonlinewriter.h"
#include "previewoptions.h"
#include "previewpalette.h"
#include "startupactions.h"

#include <KLocalizedContext>
#include <KLocalizedString>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickStyle>
#include <QQuickItem>
#include <QQuickWindow>

#include <cstdio>

namespace
{
constexpr char domain[] = "orv-admin-date-plugin";
constexpr char previewUri[] = "nimbara.orvadmindate.preview";

// The module and the catalogues that came with this binary: the build tree's when it
// runs from there, else those of the prefix it was installed into, so that no
// variable has to name them. Returns the import path to add, empty when the module is
// not beside the binary and the engine's own paths must serve.
QString useOwnModuleAndCatalogues()
{
    const QDir binDir(QCoreApplication::applicationDirPath());
    QString qmlDir = QStringLiteral(ORV_QML_BUILD_DIR);
    QString localeDir = QStringLiteral(ORV_LOCALE_BUILD_DIR);
    if (binDir != QDir(QFileInfo(qmlDir).dir().filePath(QStringLiteral("bin")))) {
        qmlDir = QDir::cleanPath(binDir.absoluteFilePath(QStringLiteral(ORV_INSTALLED_QML_DIR)));
        localeDir = QDir::cleanPath(binDir.absoluteFilePath(QStringLiteral(ORV_INSTALLED_LOCALE_DIR)));
    }
    if (QFileInfo::exists(localeDir)) {
        KLocalizedString::addDomainLocaleDir(domain, localeDir);
    }
    return QFileInfo::exists(qmlDir + QStringLiteral("/nimbara/orvadmindate/qmldir")) ? qmlDir : QString();
}

// English needs no catalogue; any other language without one would leave the page
// English without a word.
void warnIfUntranslated(const QString &language)
{
    const QString base = language.section(QLatin1Char('_'), 0, 0);
    if (base == QLatin1String("en") || KLocalizedString::isApplicationTranslatedInto(language)
        || KLocalizedString::isApplicationTranslatedInto(base)) {
        return;
    }
    std::fprintf(stderr, "%s: no translation into \"%s\" was found; the page stays in English\n",
                 qPrintable(QCoreApplication::applicationName()), qPrintable(language));
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
    const QString moduleDir = useOwnModuleAndCatalogues();
    options.process(app);

    if (!options.language().isEmpty()) {
        KLocalizedString::setLanguages({options.language()});
        QLocale::setDefault(QLocale(options.language()));
        warnIfUntranslated(options.language());
    }
    // As a desktop application does, the page takes its direction from the language it
    // is translated into: Arabic and Hebrew mirror it.
    const QStringList languages = KLocalizedString::languages();
    if (!languages.isEmpty()) {
        QGuiApplication::setLayoutDirection(QLocale(languages.constFirst()).textDirection());
    }
    PreviewPalette palette;
    if (options.theme() != PreviewOptions::Theme::FromPalette) {
        palette.apply(options.theme() == PreviewOptions::Theme::Dark);
    }
    options.resolveTheme(PreviewPalette::isLight(QGuiApplication::palette()));
    options.checkStyle(QQuickStyle::availableStyles());
    if (!options.style().isEmpty()) {
        QQuickStyle::setStyle(options.style());
    } else if (qEnvironmentVariableIsEmpty("QT_QUICK_CONTROLS_STYLE")) {
        // A desktop style that draws with the palette, as a settings page does.
        QQuickStyle::setStyle(QStringLiteral("Fusion"));
    }

    JsonLineWriter jsonLines;
    qmlRegisterSingletonInstance(previewUri, 1, 0, "PreviewOptions", &options);
    qmlRegisterSingletonInstance(previewUri, 1, 0, "JsonLines", &jsonLines);
    qmlRegisterSingletonInstance(previewUri, 1, 0, "PreviewPalette", &palette);
    registerHostTypes();

    QQmlApplicationEngine engine;
    if (!moduleDir.isEmpty()) {
        engine.addImportPath(moduleDir);
    }
    auto *context = new KLocalizedContext(&engine);
    context->setTranslationDomain(QString::fromLatin1(domain));
    engine.rootContext()->setContextObject(context);

    const QString page = options.page();
    engine.load(page.isEmpty() ? QUrl(QStringLiteral("qrc:/preview/Main.qml")) : QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath()));
    QObject *root = engine.rootObjects().isEmpty() ? nullptr : engine.rootObjects().constFirst();
    auto *window = qobject_cast<QQuickWindow *>(root);
    // A page of the host developer's own whose root is an Item is shown as qmlscene shows it.
    QQuickWindow itemWindow;
    if (auto *item = qobject_cast<QQuickItem *>(root)) {
        if (item->width() <= 0 || item->height() <= 0) {
            item->setSize(QSizeF(800, 600));
        }
        item->setParentItem(itemWindow.contentItem());
        itemWindow.resize(item->size().toSize());
        window = &itemWindow;
    }
    if (!window) {
        return 1;
    }
    if (!page.isEmpty()) {
        window->show();
    }

    StartupActions::Plan plan;
    plan.driveZone = options.driveZone();
    plan.driveDay = options.driveDay();
    plan.driveReset = options.driveReset();
    plan.dumpGeometry = options.dumpGeometry();
    plan.screenshotFile = options.screenshotFile();
    StartupActions actions(window, plan, &jsonLines);
    return app.exec();
}
