#include "ui/DialogControls.h"

namespace nudgeon {

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont DialogFont()
{
    QFont font("Arial");
    font.setPixelSize(11);
    return font;
}

void SetBold(QWidget& widget, bool bold)
{
    QFont font = widget.font();
    font.setBold(bold);
    widget.setFont(font);
}

void SetItalic(QWidget& widget)
{
    QFont font = widget.font();
    font.setItalic(true);
    widget.setFont(font);
}

} // namespace nudgeon
