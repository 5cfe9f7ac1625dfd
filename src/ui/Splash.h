// TSplashform: the about box with the program's name, its version and an Ok button.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <cstddef>
#include <string>

class QFrame;
class QLabel;
class QPushButton;

namespace nudgeon {

// "32-bit version" or "64-bit version" for a build whose pointers have that many bytes.
std::string BitnessText(std::size_t pointerBytes = sizeof(void*));

// The program's name as a picture: white italic letters on a blue ground, 161 x 42 pixels.
QPixmap NamePicture();

// Use: construct, CenterForm, exec(); it stays on top until the user presses Ok.
class TSplashform : public QDialog {
    Q_OBJECT

public:
    explicit TSplashform(QWidget* parent = nullptr);

    QLabel* Image1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label3216 = nullptr;
    QFrame* Bevel1 = nullptr;
    QPushButton* OKButton = nullptr;

    void OKbuttonClick();

private:
    void FormCreate();
};

} // namespace nudgeon
