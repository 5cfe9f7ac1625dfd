#include "UnpackedPackage.h"

#include <QFile>
#include <QProcess>
#include <QTextStream>

namespace nudgeon::test {

CommandResult RunTool(const QString& program, const QStringList& arguments, int timeoutMs)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    CommandResult result;
    if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit) {
        result.output = program + ": " + process.errorString();
        return result;
    }
    result.exitCode = process.exitCode();
    result.output = QString::fromUtf8(process.readAll()).trimmed();
    return result;
}

QString PackageFile()
{
    return QString("%1/nudgeon_%2_%3.deb")
        .arg(NUDGEON_PACKAGE_DIR, NUDGEON_VERSION, NUDGEON_ARCHITECTURE);
}

QString PngIconPath(int size, const QString& name)
{
    return QString("usr/share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(name);
}

QString ScalableIconPath(const QString& name)
{
    return QString("usr/share/icons/hicolor/scalable/apps/%1.svg").arg(name);
}

UnpackedPackage::UnpackedPackage()
    : unpacking_(RunTool("dpkg", {"-x", PackageFile(), root_.path()}))
{}

QString DesktopEntryValue(const QString& file, const QString& key)
{
    QFile entry(file);
    if (!entry.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream lines(&entry);
    bool inMainGroup = false;
    while (!lines.atEnd()) {
        const QString line = lines.readLine().trimmed();
        if (line.startsWith('[')) {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (inMainGroup && equals > 0 && line.left(equals).trimmed() == key)
            return line.mid(equals + 1).trimmed();
    }
    return {};
}

} // namespace nudgeon::test
