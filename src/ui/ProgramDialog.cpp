#include "ui/ProgramDialog.h"

#include "ui/DialogControls.h"
#include "ui/Help.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>

namespace nudgeon {

TProgramDialog::TProgramDialog(QWidget* parent, Qt::WindowFlags flags, int helpTopic)
    : QDialog(parent, flags), helpTopic_(helpTopic)
{
    setFont(DialogFont());
}

void TProgramDialog::CancelButtonClick()
{
    done(mrCancel);
}

void TProgramDialog::HelpbuttonClick()
{
    ShowHelpTopic(helpTopic_, this);
}

void TProgramDialog::reject()
{
    done(mrCancel);
}

void TProgramDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        FormActivate();
    }
}

void TProgramDialog::CreateCancelAndHelp(QWidget* parent)
{
    CancelButton = MakeControl<QPushButton>(parent, CancelButtonText);
    Helpbutton = MakeControl<QPushButton>(parent, HelpButtonText);
    connect(CancelButton, &QPushButton::clicked, this, &TProgramDialog::CancelButtonClick);
    connect(Helpbutton, &QPushButton::clicked, this, &TProgramDialog::HelpbuttonClick);
}

QWidget* TProgramDialog::CreateButtonBar(const TControlText& defaultText,
                                         QPushButton*& defaultButton, TButtonAlignment alignment)
{
    auto* bar = new QWidget(this);
    defaultButton = MakeControl<QPushButton>(bar, defaultText);
    defaultButton->setDefault(true);
    CreateCancelAndHelp(bar);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    for (QPushButton* button : {defaultButton, CancelButton, Helpbutton})
        layout->addWidget(button);
    if (alignment == TButtonAlignment::Centre)
        layout->addStretch(1);
    return bar;
}

} // namespace nudgeon
