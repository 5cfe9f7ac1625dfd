// TProgramDialog: what the program's dialogs do alike: modal results, font, activation on the
// first show, and the Cancel and Help buttons.
#pragma once

#include "ui/DialogTexts.h"

#include <QDialog>

class QPushButton;
class QShowEvent;

namespace nudgeon {

// The modal results of the program's dialogs.
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

// Where a bar of buttons puts them.
enum class TButtonAlignment { Right, Centre };

class TProgramDialog : public QDialog {
    Q_OBJECT

public:
    QPushButton* CancelButton = nullptr;
    QPushButton* Helpbutton = nullptr;

    // Closes with mrCancel; nothing is checked.
    void CancelButtonClick();
    // Opens the help window at the dialog's topic.
    void HelpbuttonClick();

    // Esc and the close box give mrCancel rather than QDialog's 0.
    void reject() override;

protected:
    TProgramDialog(QWidget* parent, Qt::WindowFlags flags, int helpTopic);

    // Runs once, when the dialog is first shown.
    virtual void FormActivate() {}
    void showEvent(QShowEvent* event) override;

    // CancelButton and Helpbutton with parent, connected to their handlers.
    void CreateCancelAndHelp(QWidget* parent);
    // A bar of the default button, Cancel and Help.
    QWidget* CreateButtonBar(const TControlText& defaultText, QPushButton*& defaultButton,
                             TButtonAlignment alignment);

private:
    int helpTopic_;
    bool activated_ = false;
};

} // namespace nudgeon
