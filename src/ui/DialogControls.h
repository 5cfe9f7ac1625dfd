// Building dialog controls: their names, captions and hints, the dialogs' font and text styles.
#pragma once

#include "ui/DialogTexts.h"

#include <QFont>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <cstddef>
#include <string_view>

namespace nudgeon {

QString ToQString(std::string_view text);

// The entries of a list control.
template <std::size_t N> QStringList Entries(const std::array<std::string_view, N>& texts)
{
    QStringList entries;
    for (const std::string_view text : texts)
        entries.append(ToQString(text));
    return entries;
}

// Names the control and gives it its hint and, where it shows one, its caption.
template <typename Widget> Widget* WithText(Widget* widget, const TControlText& text)
{
    widget->setObjectName(ToQString(text.Name));
    if (!text.Hint.empty())
        widget->setToolTip(ToQString(text.Hint));
    if constexpr (requires { widget->setText(QString()); }) {
        if (!text.Caption.empty())
            widget->setText(ToQString(text.Caption));
    }
    return widget;
}

template <typename Widget> Widget* MakeControl(QWidget* parent, const TControlText& text)
{
    return WithText(new Widget(parent), text);
}

// Arial, 11 pixels high: the font of every dialog.
QFont DialogFont();

void SetBold(QWidget& widget, bool bold);
void SetItalic(QWidget& widget);

} // namespace nudgeon
