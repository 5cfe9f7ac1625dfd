// This build's Debian package, unpacked into a scratch root the way an installation lays it out.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>

// Readable failure messages for Qt's strings.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace nudgeon::test {

// How a finished command ended and what it printed.
struct CommandResult {
    int exitCode = -1; // -1 when it could not start or did not finish in time
    QString output;    // standard output and standard error together
};
CommandResult RunTool(const QString& program, const QStringList& arguments, int timeoutMs = 60000);

// The package file this build makes: nudgeon_<version>_<architecture>.deb.
QString PackageFile();
// The sizes the PNG icons are installed at.
inline const QList<int> IconSizes = {16, 32, 48, 64, 128, 256};
// Where the theme icon `name` lies below the root, as a PNG of that many pixels or as SVG.
QString PngIconPath(int size, const QString& name = "nudgeon");
QString ScalableIconPath(const QString& name = "nudgeon");

class UnpackedPackage {
public:
    // Unpacks PackageFile() with `dpkg -x`; Unpacked() tells whether that worked.
    UnpackedPackage();
    bool Unpacked() const { return unpacking_.exitCode == 0; }
    // What dpkg said, for the report of a failed test.
    QString Log() const { return unpacking_.output; }
    QString Root() const { return root_.path(); }
    // A path below the root, such as "usr/bin/nudgeon".
    QString Path(const QString& relative) const { return root_.filePath(relative); }

private:
    QTemporaryDir root_;
    CommandResult unpacking_;
};

// The value of key in the [Desktop Entry] group of a desktop entry file; empty when absent.
QString DesktopEntryValue(const QString& file, const QString& key);

} // namespace nudgeon::test
