// The Debian package: its control data, where it puts each file, and whether the desktop files
// in it agree with each other and pass the freedesktop validators.
#include "UnpackedPackage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <gtest/gtest.h>

namespace nudgeon::test {
namespace {

const QString DesktopEntry = "usr/share/applications/nudgeon.desktop";
const QString AutostartEntry = "usr/share/nudgeon/nudgeon-autostart.desktop";
const QString Metainfo = "usr/share/metainfo/app.nudgeon.Nudgeon.metainfo.xml";

QString ControlField(const QString& field)
{
    return RunTool("dpkg-deb", {"--field", PackageFile(), field}).output;
}

// The Depends field as its groups of alternatives, each a list of bare package names.
QList<QStringList> DependencyGroups()
{
    QList<QStringList> groups;
    for (const QString& group : ControlField("Depends").split(',', Qt::SkipEmptyParts)) {
        QStringList names;
        for (QString alternative : group.split('|')) {
            alternative.remove(QRegularExpression(R"(\(.*\))"));
            names << alternative.trimmed();
        }
        groups << names;
    }
    return groups;
}

class PackageTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(package_.Unpacked()) << package_.Log().toStdString(); }
    UnpackedPackage package_;
};

TEST(PackageFileTest, ItsControlDataAgreesWithItsName)
{
    ASSERT_TRUE(QFileInfo::exists(PackageFile())) << PackageFile().toStdString();
    EXPECT_EQ(ControlField("Package"), "nudgeon");
    EXPECT_EQ(ControlField("Version"), NUDGEON_VERSION);
    EXPECT_EQ(ControlField("Architecture"), NUDGEON_ARCHITECTURE);
}

TEST(PackageFileTest, DependsOnTheRuntimeLibrariesAndAGeneralMidiSoundfont)
{
    const QList<QStringList> groups = DependencyGroups();
    const QString required[] = {"libqt6widgets6", "libqt6gui6", "libsdl2-mixer-2.0-0",
                                "timgm6mb-soundfont"};
    for (const QString& package : required) {
        SCOPED_TRACE(package.toStdString());
        EXPECT_TRUE(std::any_of(groups.begin(), groups.end(), [&](const QStringList& names) {
            return names.contains(package);
        })) << ControlField("Depends").toStdString();
    }
}

TEST_F(PackageTest, PutsEachFileInItsStandardPlaceUnderUsr)
{
    QStringList expected = {"usr/bin/nudgeon", DesktopEntry, AutostartEntry, Metainfo,
                            ScalableIconPath()};
    for (const int size : IconSizes)
        expected << PngIconPath(size);
    for (const QString& file : expected) {
        SCOPED_TRACE(file.toStdString());
        EXPECT_TRUE(QFileInfo(package_.Path(file)).isFile());
    }
    EXPECT_TRUE(QFileInfo(package_.Path("usr/bin/nudgeon")).isExecutable());
    EXPECT_EQ(QDir(package_.Root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"usr"});
}

TEST_F(PackageTest, BothDesktopEntriesStartTheInstalledProgramWithItsIcon)
{
    for (const QString& entry : {DesktopEntry, AutostartEntry}) {
        SCOPED_TRACE(entry.toStdString());
        const QString file = package_.Path(entry);
        EXPECT_EQ(DesktopEntryValue(file, "Name"), "Nudgeon!");
        // Exec names a program on the PATH, which for a package under /usr is /usr/bin.
        const QString program = DesktopEntryValue(file, "Exec").section(' ', 0, 0);
        EXPECT_FALSE(program.contains('/'));
        EXPECT_TRUE(QFileInfo(package_.Path("usr/bin/" + program)).isExecutable())
            << program.toStdString();
        const QString icon = DesktopEntryValue(file, "Icon");
        EXPECT_TRUE(QFileInfo::exists(package_.Path(ScalableIconPath(icon)))) << icon.toStdString();
        for (const int size : IconSizes)
            EXPECT_TRUE(QFileInfo::exists(package_.Path(PngIconPath(size, icon))))
                << icon.toStdString() << " at " << size;
    }
    EXPECT_EQ(DesktopEntryValue(package_.Path(DesktopEntry), "Categories"), "Utility;Clock;");
}

TEST_F(PackageTest, MetainfoNamesTheInstalledDesktopEntryAndThisVersionAsItsNewestRelease)
{
    QFile file(package_.Path(Metainfo));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString id, launchable, newestRelease;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"id")
            id = xml.readElementText();
        else if (xml.name() == u"launchable")
            launchable = xml.readElementText();
        else if (xml.name() == u"release" && newestRelease.isEmpty())
            newestRelease = xml.attributes().value("version").toString();
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(QFileInfo(Metainfo).fileName(), id + ".metainfo.xml");
    EXPECT_EQ("usr/share/applications/" + launchable, DesktopEntry);
    EXPECT_EQ(newestRelease, NUDGEON_VERSION);
}

TEST_F(PackageTest, DesktopFilesPassTheFreedesktopValidators)
{
    struct Validation {
        QString program;
        QStringList arguments;
        bool silentWhenValid;
    };
    const Validation validations[] = {
        {"desktop-file-validate", {package_.Path(DesktopEntry)}, true},
        {"desktop-file-validate", {package_.Path(AutostartEntry)}, true},
        {"appstreamcli", {"validate", "--no-net", package_.Path(Metainfo)}, false},
        // The whole tree: the metainfo's desktop entry and icons are really there.
        {"appstreamcli", {"validate-tree", "--no-net", package_.Root()}, false},
    };
    for (const Validation& validation : validations) {
        SCOPED_TRACE((validation.program + " " + validation.arguments.join(' ')).toStdString());
        const CommandResult result = RunTool(validation.program, validation.arguments);
        EXPECT_EQ(result.exitCode, 0) << result.output.toStdString();
        if (validation.silentWhenValid) {
            EXPECT_EQ(result.output, "");
        }
    }
}

} // namespace
} // namespace nudgeon::test
