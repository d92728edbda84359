/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#ifndef MONTHMODEL_H
#define MONTHMODEL_H

#include <QAbstractListModel>
#include <QDateTime>
#include <QVector>

#include <array>

/**
 * The month grid's six weeks, Monday first, around one selected day: the 42 days with
 * their looks, the ISO week of each row, and the calendar steps the grid proposes.
 *
 * Months are 0 (January) to 11, as the QML documents count them. Instants cross into
 * QML as milliseconds since the epoch of the first instant of a local day (or of the
 * selected time of day on it), so that no day becomes the hour before it where a zone's
 * daylight-saving change skips midnight; NaN stands for no day.
 */
class MonthModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ rowCount CONSTANT)
    Q_PROPERTY(int year READ year NOTIFY monthChanged)
    Q_PROPERTY(int month READ month NOTIFY monthChanged)
    Q_PROPERTY(int day READ day NOTIFY selectionChanged)
    Q_PROPERTY(int selectedIndex READ selectedIndex NOTIFY selectionChanged)
    Q_PROPERTY(int selectedWeek READ selectedWeek NOTIFY selectionChanged)
    Q_PROPERTY(int weeksInYear READ weeksInYear NOTIFY selectionChanged)
    Q_PROPERTY(QVector<int> weekNumbers READ weekNumbers NOTIFY monthChanged)
    Q_PROPERTY(int startYear READ startYear WRITE setStartYear NOTIFY rangeChanged)
    Q_PROPERTY(int lastYear READ lastYear WRITE setLastYear NOTIFY rangeChanged)

public:
    enum Role {
        DayRole = Qt::UserRole + 1,
        IsCurrentMonthRole,
        IsNextMonthRole,
        IsWeekendRole,
        IsTodayRole,
        IsSelectedRole,
    };
    Q_ENUM(Role)

    static constexpr int cellCount = 42;

    explicit MonthModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int year() const noexcept;
    int month() const noexcept;
    int day() const noexcept;
    int selectedIndex() const noexcept;
    int selectedWeek() const noexcept;
    int weeksInYear() const noexcept;
    QVector<int> weekNumbers() const;
    int startYear() const noexcept;
    void setStartYear(int year);
    int lastYear() const noexcept;
    void setLastYear(int year);

    /// Shows the month of @p selected, with @p today marked where it lies in it.
    void show(const QDateTime &selected, QDate today);

    /// Shows the month of @p selected (a QML Date), today read from the clock. An invalid
    /// instant changes nothing.
    Q_INVOKABLE void select(const QDateTime &selected);

    /// Record @p index as the grid's records hold it (day, isCurrentMonth, isNextMonth), with
    /// its look (isWeekend, isToday, isSelected).
    Q_INVOKABLE QVariantMap get(int index) const;
    Q_INVOKABLE QVariantList records() const;

    /// The selected time of day, @p days from the selected day; its first instant where that
    /// time does not exist there, the next existing day's beyond a day the zone skipped.
    /// NaN outside the years of the range.
    Q_INVOKABLE double stepByDays(int days) const;
    /// Day @p day, lowered to the month's last day, of the month @p months from the shown one.
    Q_INVOKABLE double dayInMonthAway(int months, int day) const;
    /// Whether the month @p months from the shown one lies within the years of the range.
    Q_INVOKABLE bool isMonthInRange(int months) const noexcept;
    /// The day cell @p index shows; NaN where its month lies outside the years of the range.
    Q_INVOKABLE double dayOfCell(int index) const;
    /// A day of ISO week @p week of the shown year: the day after 1 January's weekday in
    /// that week, or its Saturday or Sunday where week 1 begins after 1 January.
    Q_INVOKABLE double dayOfWeek(int week) const;

    /// Number of days of @p month (0-11, rolled over into the neighbouring years) of @p year;
    /// 0 where there is no such month.
    Q_INVOKABLE static int daysInMonth(int year, int month) noexcept;

Q_SIGNALS:
    void monthChanged();
    void selectionChanged();
    void rangeChanged();

private:
    struct Cell {
        int day = 0;
        // -1 the month before, 0 the shown month, 1 the month after.
        int month = 0;
        bool isWeekend = false;
        bool isToday = false;
        bool isSelected = false;
    };
    using Cells = std::array<Cell, cellCount>;

    Cells cellsFor(QDate selected, QDate today) const;
    void signalChangedRows(const Cells &before);

    Cells m_cells;
    // The Monday of the first row.
    QDate m_gridStart;
    QDate m_selectedDate;
    qint64 m_selectedMsOfDay = 0;
    QDate m_today;
    int m_startYear = 1970;
    int m_lastYear = 2105;
};

#endif
