// Writes the program's icon, drawn by the same code as the window's and the tray's, as PNG
// files in the icon theme layout: <folder>/<size>x<size>/apps/nudgeon.png for each size given.
#include "ui/Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <cstdio>

namespace {

bool WriteIcon(const QString& folder, int size)
{
    const QString appsFolder = QString("%1/%2x%2/apps").arg(folder).arg(size);
    if (!QDir().mkpath(appsFolder))
        return false;
    return nudgeon::AlarmClockPicture(size).save(appsFolder + "/nudgeon.png", "PNG");
}

} // namespace

int main(int argc, char** argv)
{
    // Drawing needs no screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: %s <folder> <size>...\n", argv[0]);
        return 2;
    }
    for (const QString& sizeText : arguments.mid(2)) {
        bool isNumber = false;
        const int size = sizeText.toInt(&isNumber);
        if (!isNumber || size <= 0 || !WriteIcon(arguments[1], size)) {
            std::fprintf(stderr, "cannot write the %s pixel icon\n", qPrintable(sizeText));
            return 1;
        }
    }
    return 0;
}
