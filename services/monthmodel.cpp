/*
    SPDX-License-Identifier: LGPL-2.1-or-later
*/

#include "monthmodel.h"

#include "numberofweeks.h"

#include <cmath>
#include <ctime>
#include <limits>
#include <optional>

namespace
{
constexpr int daysInWeek = 7;
constexpr int monthsInYear = 12;
constexpr qint64 msInDay = 86400000;
constexpr qint64 julianDayOfEpoch = 2440588;

double noDay() noexcept
{
    return std::numeric_limits<double>::quiet_NaN();
}

// A month index counted from year 0, split with floor division.
int yearOfMonthIndex(int index) noexcept
{
    return index >= 0 ? index / monthsInYear : (index + 1) / monthsInYear - 1;
}

qint64 floorDivide(qint64 value, qint64 divisor) noexcept
{
    return value >= 0 ? value / divisor : (value + 1) / divisor - 1;
}

// Local time read as the C library, and so the QML engine's Date, reads it. QDateTime's
// local time differs at a repeated midnight, whose earlier or later instance it takes by
// what it last met, and after 2037, which it maps onto an earlier year's rules.
struct LocalReading {
    qint64 day; // since 1970-01-01
    qint64 msOfDay;
    qint64 offsetMs;
};

LocalReading localAt(qint64 instant)
{
    const time_t seconds = time_t(floorDivide(instant, 1000));
    tm fields{};
    localtime_r(&seconds, &fields);
    const qint64 offset = qint64(fields.tm_gmtoff) * 1000;
    const qint64 day = floorDivide(instant + offset, msInDay);
    return {day, instant + offset - day * msInDay, offset};
}

qint64 dayNumber(QDate date) noexcept
{
    return date.toJulianDay() - julianDayOfEpoch;
}

// The earliest instant of local day @p day at @p msOfDay (any time of it when negative):
// local midnight shifted by one of the offsets in force around it, as a zone's offset
// changes at most once or twice in two days.
std::optional<qint64> earliestInstantOn(qint64 day, qint64 msOfDay)
{
    const qint64 wanted = day * msInDay + std::max<qint64>(msOfDay, 0);
    std::optional<qint64> earliest;
    for (int probe = -1; probe <= 1; ++probe) {
        const qint64 candidate = wanted - localAt(wanted + probe * msInDay).offsetMs;
        const LocalReading reading = localAt(candidate);
        if (reading.day == day && (msOfDay < 0 || reading.msOfDay == msOfDay) && (!earliest || candidate < *earliest)) {
            earliest = candidate;
        }
    }
    return earliest;
}

// The first instant of a local day: its midnight, or the end of a gap that swallowed it.
std::optional<qint64> firstInstantOfDay(qint64 day)
{
    std::optional<qint64> first = earliestInstantOn(day, -1);
    if (first && localAt(*first - 1).day == day) {
        // A gap ending inside the day but not at a whole offset from midnight.
        qint64 before = *first - msInDay;
        while (*first - before > 1) {
            const qint64 middle = before + (*first - before) / 2;
            (localAt(middle).day >= day ? *first : before) = middle;
        }
    }
    return first;
}

// For a day the zone skipped altogether, the first instant after it.
double firstInstantOf(QDate date)
{
    if (!date.isValid()) {
        return noDay();
    }
    for (qint64 day = dayNumber(date); day <= dayNumber(date) + 1; ++day) {
        if (const auto first = firstInstantOfDay(day)) {
            return double(*first);
        }
    }
    return noDay();
}
}

MonthModel::MonthModel(QObject *parent)
    : QAbstractListModel(parent)
{
    show(QDateTime::currentDateTime(), QDate::currentDate());
}

int MonthModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : cellCount;
}

QVariant MonthModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const Cell &cell = m_cells[index.row()];
    switch (role) {
    case DayRole:
        return cell.day;
    case IsCurrentMonthRole:
        return cell.month == 0;
    case IsNextMonthRole:
        return cell.month > 0;
    case IsWeekendRole:
        return cell.isWeekend;
    case IsTodayRole:
        return cell.isToday;
    case IsSelectedRole:
        return cell.isSelected;
    }
    return {};
}

QHash<int, QByteArray> MonthModel::roleNames() const
{
    return {{DayRole, "day"},
            {IsCurrentMonthRole, "isCurrentMonth"},
            {IsNextMonthRole, "isNextMonth"},
            {IsWeekendRole, "isWeekend"},
            {IsTodayRole, "isToday"},
            {IsSelectedRole, "isSelected"}};
}

int MonthModel::year() const noexcept
{
    return m_selectedDate.year();
}

int MonthModel::month() const noexcept
{
    return m_selectedDate.month() - 1;
}

int MonthModel::day() const noexcept
{
    return m_selectedDate.day();
}

int MonthModel::selectedIndex() const noexcept
{
    return int(m_gridStart.daysTo(m_selectedDate));
}

int MonthModel::selectedWeek() const noexcept
{
    return m_selectedDate.weekNumber();
}

int MonthModel::weeksInYear() const noexcept
{
    return NumberOfWeeks::get(m_selectedDate.year());
}

QVector<int> MonthModel::weekNumbers() const
{
    QVector<int> weeks;
    for (int row = 0; row < cellCount / daysInWeek; ++row) {
        weeks.append(m_gridStart.addDays(row * daysInWeek).weekNumber());
    }
    return weeks;
}

int MonthModel::startYear() const noexcept
{
    return m_startYear;
}

void MonthModel::setStartYear(int year)
{
    if (m_startYear != year) {
        m_startYear = year;
        Q_EMIT rangeChanged();
    }
}

int MonthModel::lastYear() const noexcept
{
    return m_lastYear;
}

void MonthModel::setLastYear(int year)
{
    if (m_lastYear != year) {
        m_lastYear = year;
        Q_EMIT rangeChanged();
    }
}

void MonthModel::select(const QDateTime &selected)
{
    show(selected, QDate::currentDate());
}

void MonthModel::show(const QDateTime &selected, QDate today)
{
    if (!selected.isValid()) {
        return;
    }
    const LocalReading local = localAt(selected.toMSecsSinceEpoch());
    const QDate date = QDate::fromJulianDay(local.day + julianDayOfEpoch);
    const bool monthMoved = date.year() != m_selectedDate.year() || date.month() != m_selectedDate.month();
    const bool dayMoved = date != m_selectedDate;
    const Cells before = m_cells;
    m_selectedDate = date;
    m_selectedMsOfDay = local.msOfDay;
    m_today = today;
    const QDate first(date.year(), date.month(), 1);
    m_gridStart = first.addDays(1 - first.dayOfWeek());
    m_cells = cellsFor(date, today);
    signalChangedRows(before);
    if (monthMoved) {
        Q_EMIT monthChanged();
    }
    if (dayMoved) {
        Q_EMIT selectionChanged();
    }
}

MonthModel::Cells MonthModel::cellsFor(QDate selected, QDate today) const
{
    Cells cells;
    for (int i = 0; i < cellCount; ++i) {
        const QDate date = m_gridStart.addDays(i);
        Cell &cell = cells[i];
        cell.day = date.day();
        cell.month = date.month() == selected.month() ? 0 : date < selected ? -1 : 1;
        // Columns 5 and 6 are Saturday and Sunday.
        cell.isWeekend = i % daysInWeek >= 5;
        cell.isToday = cell.month == 0 && date == today;
        cell.isSelected = date == selected;
    }
    return cells;
}

// Views hear only of the rows that look different, and of the roles that changed there.
void MonthModel::signalChangedRows(const Cells &before)
{
    for (int i = 0; i < cellCount; ++i) {
        const Cell &was = before[i];
        const Cell &is = m_cells[i];
        QVector<int> roles;
        if (was.day != is.day) {
            roles << DayRole;
        }
        if (was.month != is.month) {
            roles << IsCurrentMonthRole << IsNextMonthRole;
        }
        if (was.isToday != is.isToday) {
            roles << IsTodayRole;
        }
        if (was.isSelected != is.isSelected) {
            roles << IsSelectedRole;
        }
        if (!roles.isEmpty()) {
            Q_EMIT dataChanged(index(i), index(i), roles);
        }
    }
}

QVariantMap MonthModel::get(int index) const
{
    if (index < 0 || index >= cellCount) {
        return {};
    }
    const Cell &cell = m_cells[index];
    return {{QStringLiteral("day"), cell.day},
            {QStringLiteral("isCurrentMonth"), cell.month == 0},
            {QStringLiteral("isNextMonth"), cell.month > 0},
            {QStringLiteral("isWeekend"), cell.isWeekend},
            {QStringLiteral("isToday"), cell.isToday},
            {QStringLiteral("isSelected"), cell.isSelected}};
}

QVariantList MonthModel::records() const
{
    QVariantList list;
    list.reserve(cellCount);
    for (int i = 0; i < cellCount; ++i) {
        list.append(get(i));
    }
    return list;
}

double MonthModel::stepByDays(int days) const
{
    const qint64 target = dayNumber(m_selectedDate) + days;
    std::optional<qint64> stepped = earliestInstantOn(target, m_selectedMsOfDay);
    qint64 landed = target;
    if (!stepped) {
        stepped = firstInstantOfDay(target);
    }
    if (!stepped) {
        // The zone skipped the whole day: the nearest existing day beyond it.
        landed = days < 0 ? target - 1 : target + 1;
        stepped = firstInstantOfDay(landed);
    }
    const int year = QDate::fromJulianDay(landed + julianDayOfEpoch).year();
    if (!stepped || year < m_startYear || year > m_lastYear) {
        return noDay();
    }
    return double(*stepped);
}

double MonthModel::dayInMonthAway(int months, int day) const
{
    if (day < 1) {
        return noDay();
    }
    const int index = m_selectedDate.year() * monthsInYear + m_selectedDate.month() - 1 + months;
    const int year = yearOfMonthIndex(index);
    const int month = index - year * monthsInYear;
    return firstInstantOf(QDate(year, month + 1, std::min(day, daysInMonth(year, month))));
}

bool MonthModel::isMonthInRange(int months) const noexcept
{
    const int year = yearOfMonthIndex(m_selectedDate.year() * monthsInYear + m_selectedDate.month() - 1 + months);
    return year >= m_startYear && year <= m_lastYear;
}

double MonthModel::dayOfCell(int index) const
{
    if (index < 0 || index >= cellCount || !isMonthInRange(m_cells[index].month)) {
        return noDay();
    }
    return dayInMonthAway(m_cells[index].month, m_cells[index].day);
}

double MonthModel::dayOfWeek(int week) const
{
    if (week < 1 || week > 53) {
        return noDay();
    }
    const QDate january(m_selectedDate.year(), 1, 1);
    // Friday (5) or Saturday (6): 1 January lies in the last week of the year before.
    const bool lateStart = january.dayOfWeek() == 5 || january.dayOfWeek() == 6;
    int dayOfYear = (lateStart ? 8 : 1) + (week - 1) * daysInWeek + 1;
    // A 53rd week is always followed by a year of 52, whose box could not show it as
    // current: keep to its days in this year.
    if (week == 53) {
        dayOfYear = std::min(dayOfYear, january.daysInYear());
    }
    return firstInstantOf(january.addDays(dayOfYear - 1));
}

int MonthModel::daysInMonth(int year, int month) noexcept
{
    const int yearOffset = yearOfMonthIndex(month);
    const qint64 wholeYear = qint64(year) + yearOffset;
    if (wholeYear <= std::numeric_limits<int>::min() || wholeYear >= std::numeric_limits<int>::max()) {
        return 0;
    }
    // QDate has no year 0; the year before 1 counts as a leap year like 4.
    const QDate date(wholeYear == 0 ? 4 : int(wholeYear), month - yearOffset * monthsInYear + 1, 1);
    return date.daysInMonth();
}
