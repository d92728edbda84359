/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef DATETIMEMODULE_H
#define DATETIMEMODULE_H

#include <KQuickAddons/ConfigModule>

class Timedated;

/**
 * The date and time control module. Its page holds what is pending; the module's own
 * buttons (Apply, Reset, Defaults) reach the page through the signals below.
 */
class DateTimeModule : public KQuickAddons::ConfigModule
{
    Q_OBJECT
    Q_PROPERTY(Timedated *timedated READ timedated CONSTANT)

public:
    DateTimeModule(QObject *parent, const KPluginMetaData &metaData, const QVariantList &arguments);

    Timedated *timedated() const noexcept;

    void load() override;
    void save() override;
    void defaults() override;

Q_SIGNALS:
    void resetRequested();
    void applyRequested();
    void defaultsRequested();

private:
    Timedated *m_timedated;
};

#endif
