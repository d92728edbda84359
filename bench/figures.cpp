/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "figures.h"

#include <QJsonArray>

#include <algorithm>
#include <cmath>

bool Series::isEmpty() const
{
    return values.isEmpty();
}

double Series::median() const
{
    if (values.isEmpty()) {
        return NAN;
    }
    QVector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    const int middle = sorted.size() / 2;
    return sorted.size() % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

double Series::min() const
{
    return values.isEmpty() ? NAN : *std::min_element(values.cbegin(), values.cend());
}

double Series::max() const
{
    return values.isEmpty() ? NAN : *std::max_element(values.cbegin(), values.cend());
}

QJsonObject Series::toJson() const
{
    QJsonArray runs;
    for (double value : values) {
        runs.append(value);
    }
    return {{QStringLiteral("runs"), runs},
            {QStringLiteral("median"), median()},
            {QStringLiteral("min"), min()},
            {QStringLiteral("max"), max()}};
}

bool Row::hasRatio() const
{
    return !ours.isEmpty() && !reference.isEmpty() && reference.median() > 0;
}

double Row::ratio() const
{
    return hasRatio() ? ours.median() / reference.median() : NAN;
}

bool Row::meetsTarget() const
{
    switch (target.kind) {
    case Target::RatioAtMost:
        return hasRatio() && ratio() <= target.bound;
    case Target::ValueBelow:
        return !ours.isEmpty() && ours.median() < target.bound;
    case Target::None:
        break;
    }
    return true;
}

Row &Figures::row(const QString &id, const QString &platform, const QString &label, const QString &unit, Target target)
{
    for (Row &row : m_rows) {
        if (row.id == id && row.platform == platform) {
            return row;
        }
    }
    m_rows.append(Row{id, label, unit, platform, {}, {}, target});
    return m_rows.last();
}

namespace
{
QString number(double value)
{
    const double magnitude = std::fabs(value);
    return QString::number(value, 'f', magnitude >= 100 ? 0 : magnitude >= 10 ? 1 : magnitude >= 1 ? 2 : 3);
}

QString cell(const Series &series)
{
    if (series.isEmpty()) {
        return QStringLiteral("–");
    }
    if (series.values.size() == 1) {
        return number(series.median());
    }
    return QStringLiteral("%1 (%2–%3)").arg(number(series.median()), number(series.min()), number(series.max()));
}

QString targetText(const Row &row)
{
    switch (row.target.kind) {
    case Target::RatioAtMost:
        return QStringLiteral("ratio ≤ %1: %2").arg(QString::number(row.target.bound), row.meetsTarget() ? QStringLiteral("met") : QStringLiteral("**not met**"));
    case Target::ValueBelow:
        return QStringLiteral("< %1 %2: %3")
            .arg(QString::number(row.target.bound), row.unit, row.meetsTarget() ? QStringLiteral("met") : QStringLiteral("**not met**"));
    case Target::None:
        break;
    }
    return QString();
}
}

QString Figures::markdownTable() const
{
    QString table = QStringLiteral(
        "| Figure | Platform | Ours: median (min–max) | Reference page | Ours / reference | Target |\n"
        "|---|---|---|---|---|---|\n");
    for (const Row &row : m_rows) {
        table += QStringLiteral("| %1 (%2) | %3 | %4 | %5 | %6 | %7 |\n")
                     .arg(row.label, row.unit, row.platform, cell(row.ours), cell(row.reference),
                          row.hasRatio() ? QString::number(row.ratio(), 'f', 2) : QStringLiteral("–"), targetText(row));
    }
    return table;
}

QJsonObject Figures::toJson() const
{
    QJsonArray rows;
    for (const Row &row : m_rows) {
        QJsonObject object{{QStringLiteral("id"), row.id},
                           {QStringLiteral("label"), row.label},
                           {QStringLiteral("unit"), row.unit},
                           {QStringLiteral("platform"), row.platform}};
        if (!row.ours.isEmpty()) {
            object.insert(QStringLiteral("ours"), row.ours.toJson());
        }
        if (!row.reference.isEmpty()) {
            object.insert(QStringLiteral("reference"), row.reference.toJson());
        }
        if (row.hasRatio()) {
            object.insert(QStringLiteral("ratio"), row.ratio());
        }
        if (row.target.kind != Target::None) {
            object.insert(QStringLiteral("target"),
                          QJsonObject{{QStringLiteral("kind"), row.target.kind == Target::RatioAtMost ? QStringLiteral("ratioAtMost") : QStringLiteral("valueBelow")},
                                      {QStringLiteral("bound"), row.target.bound},
                                      {QStringLiteral("met"), row.meetsTarget()}});
        }
        rows.append(object);
    }
    return {{QStringLiteral("figures"), rows}};
}
