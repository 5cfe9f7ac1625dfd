// The rows of one reminder list: a header row and body rows that own their reminders.
#pragma once

#include "model/Reminder.h"

#include <cstddef>
#include <memory>

namespace nudgeon {

// The row model behind a list grid. Row 0 is the header; rows 1 to RowCount() - 1 are body
// rows, each owning the reminder shown in it (or nothing, between AddRow and SetReminder).
// The body rows are kept as one ReminderList in row order, so a whole list can be handed to
// the data file as it stands. The cells hold no texts: every text is computed while painting.
//
// Row indexes outside the range an operation allows raise std::out_of_range.
class ReminderGridRows {
public:
    // The header row only; it is not fixed and it is the current row.
    ReminderGridRows() = default;

    // Header plus body rows; always at least 1.
    int RowCount() const { return static_cast<int>(rows_.size()) + 1; }
    // Raising adds empty rows; lowering releases the reminders of the rows that go. The fixed
    // rows and the current row are pulled below the new count.
    void SetRowCount(int count);

    // Leading rows that do not scroll; always below RowCount().
    int FixedRows() const { return fixedRows_; }
    // A different value makes row `count` the current row (the view scrolls to the top);
    // setting the value it has changes nothing.
    void SetFixedRows(int count);

    // The current row.
    int Row() const { return row_; }
    // Any row from FixedRows() to RowCount() - 1.
    void SetRow(int row);

    // Appends an empty body row and returns its index; the current row does not change.
    int AddRow();
    // Releases the row's reminder and closes the gap. The current row keeps its index, so the
    // row that followed becomes current; past the end it becomes the new last row.
    void DeleteRow(int row);
    // Releases every body row; the header alone is left, not fixed, and current.
    void ClearRows();
    // Takes body row `fromIndex` out and puts it back in at `toIndex`, the rows between
    // shifting by one. The current row index stays where it was.
    void MoveRow(int fromIndex, int toIndex);

    // The reminder of a body row, or nullptr when the row is empty.
    TReminder* Reminder(int row) const;
    void SetReminder(int row, std::unique_ptr<TReminder> reminder);

    // The body rows' reminders in row order: element i is row i + 1.
    const ReminderList& Reminders() const { return rows_; }
    // As ClearRows followed by one AddRow and SetReminder per reminder, in order.
    void AssignReminders(ReminderList reminders);

private:
    std::size_t BodyIndex(int row) const;

    ReminderList rows_;
    int fixedRows_ = 0;
    int row_ = 0;
};

} // namespace nudgeon
