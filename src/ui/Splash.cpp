#include "ui/Splash.h"

#include "ui/DialogControls.h"
#include "ui/ProgramDialog.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>

namespace nudgeon {
namespace {

constexpr int ClientWidth = 434;
constexpr int ClientHeight = 236;
constexpr QSize NameSize{161, 42};
constexpr QPoint NamePlace{15, 14};
constexpr QPoint VersionPlace{199, 22};
constexpr QPoint BitnessPlace{199, 42};
constexpr QRect BevelPlace{199, 83, 203, 2};
constexpr QRect OkPlace{329, 189, 76, 35};

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QPoint place)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->move(place);
    label->adjustSize();
    return label;
}

// A green tick, the Ok button's picture.
QIcon TickIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 128, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({{2.5, 8.5}, {6.5, 12.5}, {13.5, 3.5}}));
    return QIcon(pixmap);
}

} // namespace

std::string BitnessText(std::size_t pointerBytes)
{
    return std::to_string(pointerBytes * 8) + "-bit version";
}

QPixmap NamePicture()
{
    QPixmap picture(NameSize);
    // Colours of the 16-colour palette: blue ground, white letters.
    picture.fill(QColor(0, 0, 128));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font = DialogFont();
    font.setPixelSize(30);
    font.setBold(true);
    font.setItalic(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(QPoint(0, 0), NameSize), Qt::AlignCenter, "Nudgeon!");
    return picture;
}

TSplashform::TSplashform(QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("Splashform");
    setWindowTitle("About Nudgeon!");
    setFont(DialogFont());
    setFixedSize(ClientWidth, ClientHeight);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(NamePicture());
    Image1->setGeometry(QRect(NamePlace, NameSize));
    Label4 = MakeLabel(this, "Label4", "Version 2.8", VersionPlace);
    Label3216 = MakeLabel(this, "Label3216", QString(), BitnessPlace);
    Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    Bevel1->setGeometry(BevelPlace);
    OKButton = new QPushButton(TickIcon(), "Ok", this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry(OkPlace);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TSplashform::OKbuttonClick);
    FormCreate();
}

void TSplashform::FormCreate()
{
    // The box tells the truth about the build it belongs to.
    Label3216->setText(QString::fromStdString(BitnessText()));
    Label3216->adjustSize();
}

void TSplashform::OKbuttonClick()
{
    done(mrOk);
}

} // namespace nudgeon
