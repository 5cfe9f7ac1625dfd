#include "ui/SoundFileDialog.h"

#include <QFileDialog>

namespace nudgeon {

SoundFileChooser SoundFileDialog(QWidget* parent)
{
    return [parent](const TSoundFileRequest& request) -> std::optional<std::string> {
        QFileDialog dialog(parent);
        dialog.setObjectName("OpenDialog1");
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        // File names are case-sensitive here, so both spellings of each pattern are listed.
        dialog.setNameFilter(QStringLiteral("Sound Files (*.WAV *.MID *.wav *.mid)"));
        dialog.setDirectory(QString::fromStdString(request.Folder.string()));
        // A name typed without an extension gets this one, and is then not taken as a sound file.
        dialog.setDefaultSuffix(QStringLiteral("prn"));
        if (!request.ProposedName.empty())
            dialog.selectFile(QString::fromStdString(request.ProposedName));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().front().toStdString();
    };
}

} // namespace nudgeon
