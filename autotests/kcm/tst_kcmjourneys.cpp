/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

// The control module as System Settings loads it, driven by keys and clicks against a
// mocked systemd-timedated on a private system bus (with-mocked-timedated.sh), and
// checked against the calls the mock recorded.

#include <KPluginFactory>
#include <KPluginMetaData>
#include <KQuickAddons/ConfigModule>

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusVariant>
#include <QDBusMessage>
#include <QDateTime>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

namespace
{
const QString service = QStringLiteral("org.freedesktop.timedate1");
QStringList warnings;

void keepWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // The bare test environment's own notes, not the page's.
    if (type != QtDebugMsg && type != QtInfoMsg && !message.contains(QLatin1String("XDG_RUNTIME_DIR"))
        && !message.contains(QLatin1String("Kirigami platform plugin"))) {
        warnings.append(message);
    }
}

QDBusMessage callMock(const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/timedate1"),
                                                          QStringLiteral("org.freedesktop.DBus.Mock"), method);
    message.setArguments(arguments);
    return QDBusConnection::systemBus().call(message);
}

// The service's method answering as @p code (Python) makes it answer.
void replaceMethod(const QString &method, const QString &code)
{
    const QString signature = method == QLatin1String("SetTime") ? QStringLiteral("xbb") : QStringLiteral("sb");
    callMock(QStringLiteral("AddMethod"), {service, method, method == QLatin1String("SetNTP") ? QStringLiteral("bb") : signature,
                                           QString(), code});
}

// "SetTime=org.freedesktop.PolicyKit1.Error.NotAuthorized" fails SetTime with that error;
// "SetTime=silent" makes it answer only after the page stopped waiting.
void installBehaviour(const QString &behaviour)
{
    const QString method = behaviour.section(QLatin1Char('='), 0, 0);
    const QString error = behaviour.section(QLatin1Char('='), 1);
    if (error == QLatin1String("silent")) {
        replaceMethod(method, QStringLiteral("import time; time.sleep(3)"));
        return;
    }
    replaceMethod(method, QStringLiteral("raise dbus.exceptions.DBusException('%1 refused here', name='%2')").arg(method, error));
}

// The calls as "SetTime(2018-11-04T03:30Z, false, true)": an instant to the minute in
// UTC, as the pending time ticks on between the typing and Apply.
QStringList recordedCalls()
{
    const QDBusMessage reply = callMock(QStringLiteral("GetCalls"), {});
    QStringList calls;
    const QDBusArgument list = reply.arguments().value(0).value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        quint64 timestamp = 0;
        QString method;
        QVariantList arguments;
        list.beginStructure();
        list >> timestamp >> method >> arguments;
        list.endStructure();
        QStringList texts;
        for (const QVariant &argument : std::as_const(arguments)) {
            if (argument.userType() == QMetaType::LongLong) {
                texts.append(QDateTime::fromMSecsSinceEpoch(argument.toLongLong() / 1000, Qt::UTC).toString(QStringLiteral("yyyy-MM-ddTHH:mmZ")));
            } else if (argument.userType() == QMetaType::Bool) {
                texts.append(argument.toBool() ? QStringLiteral("true") : QStringLiteral("false"));
            } else {
                texts.append(argument.toString());
            }
        }
        calls.append(method + QLatin1Char('(') + texts.join(QLatin1String(", ")) + QLatin1Char(')'));
    }
    list.endArray();
    return calls;
}

void type(QWindow *window, const QString &text)
{
    for (const QChar character : text) {
        QTest::keyClick(window, character.toLatin1());
    }
}

QQuickItem *findItem(QQuickItem *root, const QString &name)
{
    return root->findChild<QQuickItem *>(name);
}
}

class KcmJourneysTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void journeys_data();
    void journeys();
    void withoutTheServiceNothingCanBeApplied();

private:
    void step(const QString &step);
    QString statusText() const;

    KPluginMetaData m_metaData;
    KQuickAddons::ConfigModule *m_module = nullptr;
    QQuickWindow *m_window = nullptr;
    QQuickItem *m_page = nullptr;
};

void KcmJourneysTest::initTestCase()
{
    qInstallMessageHandler(keepWarnings);
    // As System Settings finds it: by its id among the installed control modules.
    m_metaData = KPluginMetaData::findPluginById(QStringLiteral("plasma/kcms/systemsettings"), QStringLiteral("kcm_orvadmindate"));
    QVERIFY2(m_metaData.isValid(), "the control module is not installed where QT_PLUGIN_PATH points");
}

void KcmJourneysTest::init()
{
    warnings.clear();
    if (qstrcmp(QTest::currentTestFunction(), "journeys") == 0) {
        callMock(QStringLiteral("Reset"), {});
        callMock(QStringLiteral("ClearCalls"), {});
    }
    m_module = KPluginFactory::instantiatePlugin<KQuickAddons::ConfigModule>(m_metaData).plugin;
    QVERIFY(m_module);
    m_window = new QQuickWindow;
    m_module->load();
    QQuickItem *ui = m_module->mainUi();
    QVERIFY2(ui, qPrintable(m_module->errorString()));
    ui->setParentItem(m_window->contentItem());
    m_window->resize(qMax(900, qCeil(ui->implicitWidth())), qMax(760, qCeil(ui->implicitHeight())));
    ui->setSize(m_window->size());
    m_window->show();
    m_window->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_page = findItem(ui, QStringLiteral("dateTimePage"));
    QVERIFY(m_page);
    QObject *timedated = m_module->property("timedated").value<QObject *>();
    QTRY_VERIFY(timedated->property("status").toInt() != 0);
    QCOMPARE(warnings, QStringList());
}

void KcmJourneysTest::cleanup()
{
    delete m_window;
    m_window = nullptr;
    delete m_module;
    m_module = nullptr;
}

QString KcmJourneysTest::statusText() const
{
    const QQuickItem *line = findItem(m_page, QStringLiteral("statusLine"));
    const QObject *label = line->property("item").value<QObject *>();
    return label ? label->property("text").toString() : QString();
}

// One step of a journey, as a person does it.
void KcmJourneysTest::step(const QString &step)
{
    const QString verb = step.section(QLatin1Char(' '), 0, 0);
    const QString what = step.section(QLatin1Char(' '), 1);
    QQuickItem *panel = findItem(m_page, QStringLiteral("panel"));
    if (verb == QLatin1String("date")) {
        // Tab from the return button into the picker selects the day: typed digits
        // replace it, and each full field hands on to the next.
        QMetaObject::invokeMethod(panel, "selectReturnButton");
        QTest::keyClick(m_window, Qt::Key_Tab);
        type(m_window, QString(what).remove(QLatin1Char('.')));
    } else if (verb == QLatin1String("grid")) {
        // Back from the picker's year to the selected day, then the arrow.
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(m_window, Qt::Key_Tab, Qt::ShiftModifier);
        }
        QTest::keyClick(m_window, what == QLatin1String("Right") ? Qt::Key_Right : Qt::Key_Down);
    } else if (verb == QLatin1String("time")) {
        // Into the hours by Shift+Tab from the minutes, which selects them.
        QMetaObject::invokeMethod(findItem(m_page, QStringLiteral("digitalClock")), "focusOnHourBox");
        QTest::keyClick(m_window, Qt::Key_Tab);
        QTest::keyClick(m_window, Qt::Key_Tab, Qt::ShiftModifier);
        type(m_window, QString(what).remove(QLatin1Char(':')));
    } else if (verb == QLatin1String("zone")) {
        // Typed into the zone box: the zone is chosen once the typing rests.
        QQuickItem *zoneBox = findItem(m_page, QStringLiteral("zoneBox"));
        const auto boxes = zoneBox->findChildren<QQuickItem *>();
        const auto box = std::find_if(boxes.begin(), boxes.end(), [](QQuickItem *item) { return item->property("popup").isValid(); });
        (*box)->forceActiveFocus();
        type(m_window, what);
        QTRY_COMPARE(zoneBox->property("zone").toString(), what);
    } else if (verb == QLatin1String("click")) {
        QQuickItem *item = findItem(m_page, what);
        QTest::mouseClick(m_window, Qt::LeftButton, {}, item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint());
    } else if (verb == QLatin1String("locked")) {
        QVERIFY(!panel->isEnabled() && !findItem(m_page, QStringLiteral("digitalClock"))->isEnabled());
        QVERIFY(findItem(m_page, QStringLiteral("notice"))->property("text").toString().contains(QLatin1String("turn off automatic time")));
    } else if (verb == QLatin1String("apply")) {
        // What the module's Apply button does.
        QTRY_VERIFY(m_module->needsSave());
        m_module->save();
        QTRY_VERIFY(!statusText().isEmpty() && !statusText().endsWith(QChar(0x2026)));
    } else if (verb == QLatin1String("defaults")) {
        m_module->defaults();
    } else if (verb == QLatin1String("without-ntp")) {
        // A machine without a time synchronisation service: the switch is off and says why.
        QDBusMessage set = QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/timedate1"),
                                                          QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"));
        set.setArguments({service, QStringLiteral("CanNTP"), QVariant::fromValue(QDBusVariant(false))});
        QDBusConnection::systemBus().call(set);
        QTRY_VERIFY(!findItem(m_page, QStringLiteral("automaticSwitch"))->isEnabled());
        QVERIFY(findItem(m_page, QStringLiteral("notice"))->property("text").toString().startsWith(QLatin1String("Automatic time is not available")));
    } else if (verb == QLatin1String("grant")) {
        // The methods as the template has them.
        replaceMethod(QStringLiteral("SetTime"), QString());
        replaceMethod(QStringLiteral("SetTimezone"), QStringLiteral("self.Set('%1', 'Timezone', args[0])").arg(service));
    } else {
        QFAIL(qPrintable(QStringLiteral("no such step: ") + step));
    }
}

void KcmJourneysTest::journeys_data()
{
    QTest::addColumn<QString>("behaviour");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QString>("message");

    const QString set = QStringLiteral("The date and time were set.");
    QTest::newRow("a day from the grid, a typed time and a zone") << QString()
        << QStringList{QStringLiteral("date 01.03.2019"), QStringLiteral("grid Right"), QStringLiteral("time 14:30:05"),
                       QStringLiteral("zone America/Havana"), QStringLiteral("apply")}
        << QStringList{QStringLiteral("SetTime(2019-03-02T19:30Z, false, true)"), QStringLiteral("SetTimezone(America/Havana, true)")}
        << set;
    QTest::newRow("automatic time locks the entries and sends only SetNTP") << QString()
        << QStringList{QStringLiteral("time 10:10:10"), QStringLiteral("click automaticSwitch"), QStringLiteral("locked"), QStringLiteral("apply")}
        << QStringList{QStringLiteral("SetNTP(true, true)")} << set;
    QTest::newRow("Defaults turns automatic time on") << QString()
        << QStringList{QStringLiteral("defaults"), QStringLiteral("locked"), QStringLiteral("apply")}
        << QStringList{QStringLiteral("SetNTP(true, true)")} << set;
    QTest::newRow("without time synchronisation, neither the switch nor Defaults turns it on") << QString()
        << QStringList{QStringLiteral("without-ntp"), QStringLiteral("click automaticSwitch"), QStringLiteral("defaults"),
                       QStringLiteral("date 15.06.2021"), QStringLiteral("time 08:00:00"), QStringLiteral("apply")}
        << QStringList{QStringLiteral("SetTime(2021-06-15T06:00Z, false, true)")} << set;
    QTest::newRow("a time skipped by Sao Paulo's change at midnight") << QString()
        << QStringList{QStringLiteral("zone America/Sao_Paulo"), QStringLiteral("date 04.11.2018"), QStringLiteral("time 00:30:05"),
                       QStringLiteral("apply")}
        << QStringList{QStringLiteral("SetTime(2018-11-04T03:30Z, false, true)"), QStringLiteral("SetTimezone(America/Sao_Paulo, true)")}
        << set;
    QTest::newRow("a time Beirut's change at midnight repeats, in a week step") << QString()
        << QStringList{QStringLiteral("zone Asia/Beirut"), QStringLiteral("date 22.10.2022"), QStringLiteral("grid Down"),
                       QStringLiteral("time 23:30:00"), QStringLiteral("apply")}
        << QStringList{QStringLiteral("SetTime(2022-10-29T20:30Z, false, true)"), QStringLiteral("SetTimezone(Asia/Beirut, true)")}
        << set;
    QTest::newRow("refused, then granted: Apply again with nothing entered again")
        << QStringLiteral("SetTime=org.freedesktop.PolicyKit1.Error.NotAuthorized")
        << QStringList{QStringLiteral("date 15.06.2021"), QStringLiteral("time 12:00:00"), QStringLiteral("apply"), QStringLiteral("grant"),
                       QStringLiteral("apply")}
        << QStringList{QStringLiteral("SetTime(2021-06-15T10:00Z, false, true)"), QStringLiteral("SetTime(2021-06-15T10:00Z, false, true)")}
        << set;
    // The time was set before the zone was refused: Apply again must not send it again.
    QTest::newRow("the prompt dismissed at the zone, then granted") << QStringLiteral("SetTimezone=org.freedesktop.DBus.Error.AccessDenied")
        << QStringList{QStringLiteral("zone Asia/Beirut"), QStringLiteral("date 15.06.2021"), QStringLiteral("time 12:00:00"), QStringLiteral("apply"),
                       QStringLiteral("grant"), QStringLiteral("apply")}
        << QStringList{QStringLiteral("SetTime(2021-06-15T09:00Z, false, true)"), QStringLiteral("SetTimezone(Asia/Beirut, true)"),
                       QStringLiteral("SetTimezone(Asia/Beirut, true)")}
        << set;
    QTest::newRow("time synchronisation in the way") << QStringLiteral("SetTime=org.freedesktop.timedate1.AutomaticTimeSyncEnabled")
        << QStringList{QStringLiteral("date 15.06.2021"), QStringLiteral("time 08:00:00"), QStringLiteral("apply")}
        << QStringList{QStringLiteral("SetTime(2021-06-15T06:00Z, false, true)")}
        << QStringLiteral("The date and time were not changed: SetTime refused here");
    QTest::newRow("no answer") << QStringLiteral("SetTime=silent")
        << QStringList{QStringLiteral("date 15.06.2021"), QStringLiteral("time 08:00:00"), QStringLiteral("apply")}
        << QStringList{QStringLiteral("SetTime(2021-06-15T06:00Z, false, true)")}
        << QStringLiteral("The date and time service did not answer in time. The date and time may not have been changed.");
}

void KcmJourneysTest::journeys()
{
    QFETCH(QString, behaviour);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, calls);
    QFETCH(QString, message);

    if (!behaviour.isEmpty()) {
        installBehaviour(behaviour);
    }
    m_module->property("timedated").value<QObject *>()->setProperty("callTimeout", 1000);
    for (const QString &next : std::as_const(steps)) {
        step(next);
        if (QTest::currentTestFailed()) {
            QFAIL(qPrintable(QStringLiteral("at: ") + next));
        }
    }
    QCOMPARE(statusText(), message);
    // What failed stays pending, ready for another Apply.
    QCOMPARE(m_module->needsSave(), message != QLatin1String("The date and time were set."));
    QTRY_COMPARE(recordedCalls(), calls);
    QCOMPARE(warnings, QStringList());
}

void KcmJourneysTest::withoutTheServiceNothingCanBeApplied()
{
    step(QStringLiteral("time 10:00:00"));
    QVERIFY(findItem(m_page, QStringLiteral("notice"))->property("text").toString().startsWith(QLatin1String("The clock cannot be set from here")));
    QVERIFY(!m_module->needsSave());
    QCOMPARE(warnings, QStringList());
}

QTEST_MAIN(KcmJourneysTest)

#include "tst_kcmjourneys.moc"
