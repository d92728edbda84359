/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef JSONLINEWRITER_H
#define JSONLINEWRITER_H

#include <QObject>
#include <QVariantMap>

#include <cstdio>

/**
 * Writes one JSON object per line, so that a script can follow the page
 * line by line while the preview runs.
 */
class JsonLineWriter : public QObject
{
    Q_OBJECT

public:
    explicit JsonLineWriter(std::FILE *stream = stdout, QObject *parent = nullptr);

    /// The object as one compact line, flushed at once: a reader on a pipe sees it now.
    Q_INVOKABLE void write(const QVariantMap &object);

private:
    std::FILE *m_stream;
};

#endif
