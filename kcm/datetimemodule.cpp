/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "datetimemodule.h"

#include "hosttypes.h"
#include "timedated.h"

#include <KPluginFactory>

K_PLUGIN_CLASS_WITH_JSON(DateTimeModule, "kcm_orvadmindate.json")

DateTimeModule::DateTimeModule(QObject *parent, const KPluginMetaData &metaData, const QVariantList &arguments)
    : KQuickAddons::ConfigModule(parent, metaData, arguments)
    , m_timedated(new Timedated(this))
{
    registerHostTypes();
    setButtons(Apply | Default);
}

Timedated *DateTimeModule::timedated() const noexcept
{
    return m_timedated;
}

void DateTimeModule::load()
{
    Q_EMIT resetRequested();
}

void DateTimeModule::save()
{
    Q_EMIT applyRequested();
}

void DateTimeModule::defaults()
{
    Q_EMIT defaultsRequested();
}

#include "datetimemodule.moc"
