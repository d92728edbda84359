/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

// What our Qt Quick Test mains give the engine: a KLocalizedContext, so documents can
// call i18n() as under a real host, and the module imported from the build tree.
// Any QML warning that points at one of our documents or names one of our types
// fails the run: inside a test function it fails that function, outside one it
// fails the whole run at its end.

#pragma once

#include <KLocalizedContext>
#include <KLocalizedString>

#include <QQmlContext>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QtQuickTest>

#include <cstdio>
#include <cstdlib>

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
