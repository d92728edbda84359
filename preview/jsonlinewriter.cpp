/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "jsonlinewriter.h"

#include <QJsonDocument>
#include <QJsonObject>

JsonLineWriter::JsonLineWriter(std::FILE *stream, QObject *parent)
    : QObject(parent)
    , m_stream(stream)
{
}

void JsonLineWriter::write(const QVariantMap &object)
{
    const QByteArray line = QJsonDocument(QJsonObject::fromVariantMap(object)).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), m_stream);
    std::fflush(m_stream);
}
