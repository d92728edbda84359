/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef FIGURES_H
#define FIGURES_H

#include <QJsonObject>
#include <QString>
#include <QVector>

/// The values of one figure over several runs.
struct Series {
    QVector<double> values;

    bool isEmpty() const;
    double median() const;
    double min() const;
    double max() const;
    QJsonObject toJson() const;
};

/// What a row of the table must meet, if anything.
struct Target {
    enum Kind { None, RatioAtMost, ValueBelow };
    Kind kind = None;
    double bound = 0;
};

/// One line of the table: our figure beside the reference page's, where it has one.
struct Row {
    QString id;
    QString label;
    QString unit;
    QString platform;
    Series ours;
    Series reference;
    Target target;

    bool hasRatio() const;
    double ratio() const;
    /// Whether the target is met; true when the row has none.
    bool meetsTarget() const;
};

/// The bench's results, printed as a Markdown table and written as JSON.
class Figures
{
public:
    /// The row `id` on `platform`, made on first use with `label`, `unit` and `target`.
    Row &row(const QString &id, const QString &platform, const QString &label, const QString &unit, Target target = {});

    QString markdownTable() const;
    QJsonObject toJson() const;

private:
    QVector<Row> m_rows;
};

#endif
