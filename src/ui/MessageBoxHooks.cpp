#include "ui/MessageBoxHooks.h"

#include "store/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace nudgeon {
namespace {

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void InstallMessageBoxes()
{
    SetMessageBoxHooks({
        [](std::string_view caption, std::string_view text) {
            QMessageBox::information(QApplication::activeWindow(), ToQString(caption),
                                     ToQString(text));
        },
        [](std::string_view caption, std::string_view text) {
            return QMessageBox::question(QApplication::activeWindow(), ToQString(caption),
                                         ToQString(text), QMessageBox::Yes | QMessageBox::No,
                                         QMessageBox::No) == QMessageBox::Yes;
        },
    });
}

} // namespace nudgeon
