// The file-open dialog in which the user picks a sound file.
#pragma once

#include "ui/SoundFileRules.h"

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace nudgeon {

// Shows the dialog; the chosen path, or nothing when the user cancelled.
using SoundFileChooser = std::function<std::optional<std::string>(const TSoundFileRequest&)>;

// The program's file dialog for sound files over parent.
SoundFileChooser SoundFileDialog(QWidget* parent);

} // namespace nudgeon
