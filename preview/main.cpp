/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

// The preview host: the module's components on one date and time page, wired as a
// settings page would wire them.

#include <KLocalizedContext>
#include <KLocalizedString>

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QTimer>

namespace
{
constexpr char domain[] = "orv-admin-date-plugin";

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
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orv-admin-date-preview"));
    KLocalizedString::setApplicationDomain(domain);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows the date and time components on a settings page."));
    parser.addHelpOption();
    const QCommandLineOption darkOption(QStringLiteral("dark"), QStringLiteral("Use the dark artwork."));
    const QCommandLineOption screenshotOption(QStringLiteral("screenshot"),
                                              QStringLiteral("Save the page as a PNG after its first frame, then quit."),
                                              QStringLiteral("file"));
    parser.addOptions({darkOption, screenshotOption});
    parser.process(app);

    QQmlApplicationEngine engine;
    useBuildTreeIfPresent(engine);
    auto *context = new KLocalizedContext(&engine);
    context->setTranslationDomain(QString::fromLatin1(domain));
    engine.rootContext()->setContextObject(context);
    engine.rootContext()->setContextProperty(QStringLiteral("previewIsLight"), !parser.isSet(darkOption));

    engine.load(QUrl(QStringLiteral("qrc:/preview/Main.qml")));
    if (engine.rootObjects().isEmpty()) {
        return 1;
    }

    if (parser.isSet(screenshotOption)) {
        auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().constFirst());
        const QString file = parser.value(screenshotOption);
        auto grab = [window, file] {
            const bool saved = window->grabWindow().save(file);
            QCoreApplication::exit(saved ? 0 : 1);
        };
        // Images load asynchronously: let the first frame settle, then grab once.
        QObject::connect(window, &QQuickWindow::frameSwapped, &app, [window, grab] {
            QObject::disconnect(window, &QQuickWindow::frameSwapped, nullptr, nullptr);
            QTimer::singleShot(200, window, grab);
        });
    }
    return app.exec();
}
