/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

// What our Qt Quick Test mains give the engine: a KLocalizedContext, so documents can
// call i18n() as under a real host, and the module imported from the build tree.
// Any QML warning that points at one of our documents or names one of our types
// fails the run: inside a test function it fails that function, outside one it
// fails the whole run at its end. A run under a Controls style asked for by name
// (QT_QUICK_CONTROLS_STYLE) fails at once where that style's controls did not come.

#pragma once

#include <KLocalizedContext>
#include <KLocalizedString>

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QtQuickTest>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace QmlTestSetup
{
inline bool concernsThisModule(const QString &text)
{
    static const QRegularExpression ours(QStringLiteral(
        "qrc:/qml/|\\b(BaseCalendarController|DateToWeek|NumberOfWeeks|CurrentDateNameProvider|CurrentDateTime)\\b"));
    return ours.match(text).hasMatch();
}

// Warnings of third-party modules that mention our documents only because they are
// printed while one of them loads. Each entry matches one exact message.
inline bool isKnownThirdPartyWarning(const QString &text)
{
    static const QList<QRegularExpression> allowed = {};
    for (const QRegularExpression &pattern : allowed) {
        if (pattern.match(text).hasMatch()) {
            return true;
        }
    }
    return false;
}

// Where the controls come from: a style that is not installed falls back to the default
// one without a word, and a suite meant for that style would pass under another.
// Returns the document that made a Button's background, which lies in the style's folder.
inline QString buttonStyleSource(QQmlEngine *engine)
{
    QQmlComponent component(engine);
    component.setData("import QtQuick.Controls 2.15\nButton {}\n", QUrl());
    const std::unique_ptr<QObject> button(component.create());
    QObject *background = button ? button->property("background").value<QObject *>() : nullptr;
    const QQmlContext *context = background ? QQmlEngine::contextForObject(background) : nullptr;
    return context ? context->baseUrl().toString() : component.errorString();
}
}

// What a host does when the user picks other languages while it runs (set), and back to
// the environment's (reset). Documents under test see it as hostLanguages.
class HostLanguages : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    Q_INVOKABLE void set(const QStringList &languages) const { KLocalizedString::setLanguages(languages); }
    Q_INVOKABLE void reset() const { KLocalizedString::clearLanguages(); }
};

class Setup : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void applicationAvailable()
    {
        KLocalizedString::setApplicationDomain("orv-admin-date-plugin");
        KLocalizedString::addDomainLocaleDir("orv-admin-date-plugin", QStringLiteral(ORV_LOCALE_BUILD_DIR));
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->addImportPath(QStringLiteral(ORV_QML_BUILD_DIR));
        auto *context = new KLocalizedContext(engine);
        context->setTranslationDomain(QStringLiteral("orv-admin-date-plugin"));
        engine->rootContext()->setContextObject(context);
        engine->rootContext()->setContextProperty(QStringLiteral("hostLanguages"), new HostLanguages(engine));
        connect(engine, &QQmlEngine::warnings, this, &Setup::checkWarnings);
        const QString style = qEnvironmentVariable("QT_QUICK_CONTROLS_STYLE");
        if (!style.isEmpty()) {
            const QString source = QmlTestSetup::buttonStyleSource(engine);
            if (!source.contains(QLatin1Char('/') + style + QLatin1Char('/'))) {
                std::fprintf(stderr, "FAIL!  : the Controls style %s did not take effect: a Button comes from %s\n",
                             qPrintable(style), qPrintable(source));
                std::fflush(stderr);
                std::_Exit(EXIT_FAILURE);
            }
        }
    }

    void cleanupTestCase()
    {
        if (m_unclaimedWarnings.isEmpty()) {
            return;
        }
        for (const QString &warning : std::as_const(m_unclaimedWarnings)) {
            std::fprintf(stderr, "FAIL!  : warning from this module outside a test function: %s\n", qPrintable(warning));
        }
        std::fflush(stderr);
        std::fflush(stdout);
        std::_Exit(EXIT_FAILURE);
    }

private:
    void checkWarnings(const QList<QQmlError> &warnings)
    {
        for (const QQmlError &warning : warnings) {
            const QString text = warning.toString();
            if (!QmlTestSetup::concernsThisModule(text) || QmlTestSetup::isKnownThirdPartyWarning(text)) {
                continue;
            }
            if (QTest::currentTestFunction()) {
                QTest::qFail(qPrintable(QStringLiteral("warning from this module: ") + text),
                             qPrintable(warning.url().toString()),
                             warning.line());
            } else {
                m_unclaimedWarnings.append(text);
            }
        }
    }

    QStringList m_unclaimedWarnings;
};
