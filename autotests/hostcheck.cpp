/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

// Holds what the README and the documents in doc/ tell a host developer to the module itself.
// Usage:
//   orv-hostcheck example QMLDIR FILE.md...     load each file's host page as pasted, in a plain
//                                               engine; any warning fails, also while its handlers run
//   orv-hostcheck reference QMLDIR components.md  compare the reference's names with each document's
//                                               root properties, signals and functions

#include <KLocalizedContext>

#include <QFile>
#include <QGuiApplication>
#include <QMetaMethod>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSet>

#include <cstdio>
#include <map>
#include <memory>

namespace
{
QStringList warnings;

void recordMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type != QtDebugMsg && type != QtInfoMsg) {
        warnings.append(message);
    }
}

QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

void useLocalizedContext(QQmlEngine &engine)
{
    auto *context = new KLocalizedContext(&engine);
    context->setTranslationDomain(QStringLiteral("orv-admin-date-plugin"));
    engine.rootContext()->setContextObject(context);
}

// Emits every signal that the example page handles, so that each handler runs once.
void runHandlers(QObject *root)
{
    const std::map<QByteArray, QVariantList> signalArguments = {
        {"newDateSelected(QString)", {QStringLiteral("2028-02-28T23:00:00.000Z")}},
        {"newTimeEntered(int,int,int)", {14, 30, 5}},
        {"selectOpenSettings()", {}},
        {"selectDigitalClock()", {}},
        {"selectDatePicker()", {}},
        {"selectReturnButton()", {}},
        {"triggered()", {}},
        {"clicked()", {}},
    };
    QList<QObject *> objects = root->findChildren<QObject *>();
    objects.prepend(root);
    for (QObject *object : std::as_const(objects)) {
        for (const auto &[signature, arguments] : signalArguments) {
            const int index = object->metaObject()->indexOfSignal(signature.constData());
            if (index < 0) {
                continue;
            }
            QGenericArgument generic[3];
            for (int i = 0; i < arguments.size(); ++i) {
                generic[i] = QGenericArgument(arguments.at(i).typeName(), arguments.at(i).constData());
            }
            object->metaObject()->method(index).invoke(object, Qt::DirectConnection, generic[0], generic[1], generic[2]);
        }
    }
}

int checkExample(const QString &importDir, const QString &path)
{
    // The example is the file's first QML block after the marker comment.
    static const QRegularExpression block(QStringLiteral("<!-- host example -->\\s*```qml\\n(.*?)```"),
                                          QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = block.match(readText(path));
    std::fprintf(stderr, "the host page of %s\n", qPrintable(path));
    if (!match.hasMatch()) {
        std::fprintf(stderr, "no host example in %s\n", qPrintable(path));
        return 1;
    }
    warnings.clear();
    QQmlEngine engine;
    engine.addImportPath(importDir);
    useLocalizedContext(engine);
    QQmlComponent component(&engine);
    component.setData(match.captured(1).toUtf8(), QUrl(QStringLiteral("file:///HostExample.qml")));
    std::unique_ptr<QObject> page(component.create());
    if (!page) {
        std::fprintf(stderr, "the host example did not load: %s\n", qPrintable(component.errorString()));
        return 1;
    }
    QCoreApplication::processEvents();
    runHandlers(page.get());
    QCoreApplication::processEvents();
    page.reset();
    return warnings.isEmpty() ? 0 : 1;
}

using Interface = std::map<QString, QSet<QString>>;

// The reference's names: "## Document" headings, then table rows whose first cell is a
// `name`, each table headed Property, Signal or Function.
std::map<QString, Interface> documentedInterfaces(const QString &text)
{
    static const QRegularExpression heading(QStringLiteral("^## (\\w+)$"));
    static const QRegularExpression tableHead(QStringLiteral("^\\| (Property|Signal|Function) \\|"));
    static const QRegularExpression row(QStringLiteral("^\\| `(\\w+)"));
    std::map<QString, Interface> documents;
    QString document;
    QString kind;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (const auto match = heading.match(line); match.hasMatch()) {
            document = match.captured(1);
            kind.clear();
        } else if (const auto match = tableHead.match(line); match.hasMatch()) {
            kind = match.captured(1);
        } else if (const auto match = row.match(line); match.hasMatch() && !kind.isEmpty()) {
            documents[document][kind].insert(match.captured(1));
        } else if (!line.startsWith(QLatin1Char('|'))) {
            kind.clear();
        }
    }
    return documents;
}

// What the document's root declares itself, past the type it is built on.
Interface declaredInterface(const QMetaObject *type)
{
    Interface interface;
    QSet<QString> notifySignals;
    for (int i = type->propertyOffset(); i < type->propertyCount(); ++i) {
        const QString name = QString::fromLatin1(type->property(i).name());
        interface[QStringLiteral("Property")].insert(name);
        notifySignals.insert(name + QStringLiteral("Changed"));
    }
    for (int i = type->methodOffset(); i < type->methodCount(); ++i) {
        const QMetaMethod method = type->method(i);
        const QString name = QString::fromLatin1(method.name());
        if (method.methodType() == QMetaMethod::Signal && !notifySignals.contains(name)) {
            interface[QStringLiteral("Signal")].insert(name);
        } else if (method.methodType() == QMetaMethod::Method || method.methodType() == QMetaMethod::Slot) {
            interface[QStringLiteral("Function")].insert(name);
        }
    }
    return interface;
}

int checkReference(const QString &importDir, const QString &referencePath)
{
    const std::map<QString, Interface> documented = documentedInterfaces(readText(referencePath));
    const QStringList names = {QStringLiteral("BaseCalendar"), QStringLiteral("YearInput"), QStringLiteral("DatePicker"),
                               QStringLiteral("OrvCalendar"), QStringLiteral("CurrentDate"), QStringLiteral("Clock"),
                               QStringLiteral("DigitalClock")};
    QQmlEngine engine;
    engine.addImportPath(importDir);
    useLocalizedContext(engine);
    int differences = 0;
    for (const QString &name : names) {
        QQmlComponent component(&engine);
        component.setData(QStringLiteral("import nimbara.orvadmindate 1.0\nimport \"qrc:/qml\"\n%1 {}\n").arg(name).toUtf8(), QUrl());
        std::unique_ptr<QObject> instance(component.create());
        if (!instance) {
            std::fprintf(stderr, "%s did not load: %s\n", qPrintable(name), qPrintable(component.errorString()));
            return 1;
        }
        const Interface actual = declaredInterface(instance->metaObject());
        const auto found = documented.find(name);
        const Interface written = found == documented.end() ? Interface() : found->second;
        for (const QString &kind : {QStringLiteral("Property"), QStringLiteral("Signal"), QStringLiteral("Function")}) {
            const QSet<QString> has = actual.count(kind) ? actual.at(kind) : QSet<QString>();
            const QSet<QString> says = written.count(kind) ? written.at(kind) : QSet<QString>();
            for (const QString &missing : has - says) {
                std::fprintf(stderr, "%s: %s %s is not in the reference\n", qPrintable(name), qPrintable(kind.toLower()), qPrintable(missing));
                ++differences;
            }
            for (const QString &gone : says - has) {
                std::fprintf(stderr, "%s: the reference names %s %s, which the document lacks\n", qPrintable(name), qPrintable(kind.toLower()), qPrintable(gone));
                ++differences;
            }
        }
    }
    return differences == 0 ? 0 : 1;
}
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: orv-hostcheck example|reference QMLDIR FILE...\n");
        return 2;
    }
    qInstallMessageHandler(recordMessage);
    if (arguments.at(1) == QLatin1String("example")) {
        int failed = 0;
        for (const QString &file : arguments.mid(3)) {
            failed += checkExample(arguments.at(2), file);
        }
        return failed == 0 ? 0 : 1;
    }
    return checkReference(arguments.at(2), arguments.at(3));
}
