// The user's own date and time conventions, read from the system locale through Qt.
#pragma once

#include "model/DateTime.h"

#include <QLocale>
#include <QString>

namespace nudgeon {

// Rewrites a Qt date or time format ("h:mm AP", "dd.MM.yyyy") into the program's
// pattern codes ("h:nn ampm", "dd/mm/yyyy" with the separator taken apart).
std::string PatternFromQtFormat(const QString& qtFormat);

// The user's formats, month and day names and designators as the locale gives them. The
// default locale is the system's unless the program chose another.
TFormatSettings UserFormatSettings(const QLocale& locale = QLocale());

// At start: keeps the user's formats for the editors and puts the program's fixed formats,
// with the user's names of months and days, in force.
void SetUpProgramFormats(const QLocale& locale = QLocale());

} // namespace nudgeon
