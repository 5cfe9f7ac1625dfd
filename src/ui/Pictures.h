// The program's own pictures: the alarm-clock icon with its animation frames and the
// pictures of the main window's buttons, all drawn in code.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace nudgeon {

inline constexpr int AnimationFrameCount = 11;

// The red alarm clock with two yellow bells. frame 0 is the still picture; frames 1 to 11
// ("ICON1" ... "ICON11") show the hands at successive positions.
QPixmap AlarmClockPicture(int size, int frame = 0);
QIcon AlarmClockIcon(int frame = 0);

enum class ButtonPicture { New, Edit, Delete, Clone, AdjustTime, Minimize, Exit };
QIcon ButtonIcon(ButtonPicture picture);

} // namespace nudgeon
