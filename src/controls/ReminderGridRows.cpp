#include "controls/ReminderGridRows.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace nudgeon {
namespace {

[[noreturn]] void ThrowIndexOutOfRange()
{
    throw std::out_of_range("Grid index out of range");
}

} // namespace

void ReminderGridRows::SetRowCount(int count)
{
    if (count < 1)
        ThrowIndexOutOfRange();
    rows_.resize(static_cast<std::size_t>(count - 1));
    fixedRows_ = std::min(fixedRows_, count - 1);
    row_ = std::min(row_, count - 1);
}

void ReminderGridRows::SetFixedRows(int count)
{
    if (count < 0 || count >= RowCount())
        throw std::out_of_range("Fixed row count must be less than row count");
    if (count == fixedRows_)
        return;
    fixedRows_ = count;
    row_ = count;
}

void ReminderGridRows::SetRow(int row)
{
    if (row < fixedRows_ || row >= RowCount())
        ThrowIndexOutOfRange();
    row_ = row;
}

int ReminderGridRows::AddRow()
{
    rows_.emplace_back();
    return RowCount() - 1;
}

void ReminderGridRows::DeleteRow(int row)
{
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(BodyIndex(row)));
    SetRowCount(RowCount());
}

void ReminderGridRows::ClearRows()
{
    SetRowCount(1);
}

void ReminderGridRows::MoveRow(int fromIndex, int toIndex)
{
    const auto from = rows_.begin() + static_cast<std::ptrdiff_t>(BodyIndex(fromIndex));
    const auto to = rows_.begin() + static_cast<std::ptrdiff_t>(BodyIndex(toIndex));
    if (from < to)
        std::rotate(from, std::next(from), std::next(to));
    else
        std::rotate(to, from, std::next(from));
}

TReminder* ReminderGridRows::Reminder(int row) const
{
    return rows_[BodyIndex(row)].get();
}

void ReminderGridRows::SetReminder(int row, std::unique_ptr<TReminder> reminder)
{
    rows_[BodyIndex(row)] = std::move(reminder);
}

void ReminderGridRows::AssignReminders(ReminderList reminders)
{
    ClearRows();
    rows_ = std::move(reminders);
}

std::size_t ReminderGridRows::BodyIndex(int row) const
{
    if (row < 1 || row >= RowCount())
        ThrowIndexOutOfRange();
    return static_cast<std::size_t>(row - 1);
}

} // namespace nudgeon
