/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef ORVADMINDATEPLUGIN_H
#define ORVADMINDATEPLUGIN_H

#include <QQmlExtensionPlugin>

/**
 * The QML extension plugin of nimbara.orvadmindate: registers the native date
 * types under whatever URI the engine hands it. The documents and artwork come
 * with the resource bundle linked into the library, registered when it loads.
 */
class OrvAdminDatePlugin : public QQmlExtensionPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QQmlExtensionInterface_iid)

public:
    void registerTypes(const char *uri) override;
};

#endif
