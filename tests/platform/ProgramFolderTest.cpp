#include "ProgramFolderFixture.h"
#include "services/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using platform::installMissingContent;
using platform::programPath;

class ProgramFolderTest : public testsupport::ProgramFolderTest {};

TEST_F(ProgramFolderTest, WindowsPathsMapIntoTheProgramFolder)
{
    const QString home = QDir::cleanPath(folder_.path());
    EXPECT_EQ(programPath(QStringLiteral("C:\\Program Files\\Creelbook\\rosterbase.mdb")),
              home + QStringLiteral("/rosterbase.mdb"));
    EXPECT_EQ(programPath(QStringLiteral("C:\\Program Files\\Creelbook\\Tournaments\\Open\\01-01-04.mdb")),
              home + QStringLiteral("/Tournaments/Open/01-01-04.mdb"));
    EXPECT_EQ(programPath(QStringLiteral("Tournaments\\Open")), home + QStringLiteral("/Tournaments/Open"));
    EXPECT_EQ(programPath(QStringLiteral("C:\\Program Files\\Creelbook")), home);
}

TEST_F(ProgramFolderTest, MissingContentIsAddedAndExistingFilesAreKept)
{
    const QString help = path(QStringLiteral("Kelso.hlp"));
    ASSERT_EQ(installMissingContent(), QString());
    ASSERT_TRUE(QFile::exists(help));

    QFile edited(help);
    ASSERT_TRUE(edited.open(QIODevice::WriteOnly));
    edited.write("our own help");
    edited.close();
    ASSERT_EQ(installMissingContent(), QString());
    QFile kept(help);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("our own help"));
}

TEST_F(ProgramFolderTest, AnUnusableFolderIsNamedAndNothingIsWritten)
{
    const QString blocker = path(QStringLiteral("blocker"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    const struct {
        const char *name;
        QString folder;
        const char *reason;
    } cases[] = {
        {"a file where the folder should be", blocker, "a file of that name is in the way"},
        {"a folder inside a file", blocker + QStringLiteral("/creelbook"),
         "the folder can not be created"},
    };
    for (const auto &unusable : cases) {
        SCOPED_TRACE(unusable.name);
        qputenv("CREELBOOK_HOME", unusable.folder.toUtf8());
        const QString message = installMissingContent();
        EXPECT_TRUE(message.contains(QStringLiteral("\"%1\"").arg(unusable.folder))) << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromUtf8(unusable.reason))) << message.toStdString();
    }
    EXPECT_EQ(QFileInfo(blocker).size(), 0);
}

TEST_F(ProgramFolderTest, AReadOnlyFolderIsRefused)
{
    // Permissions do not bind the root user; the kernel's own folder /sys
    // takes no new files from anybody.
    const bool root = geteuid() == 0;
    const QString readOnly = root ? QStringLiteral("/sys") : path(QStringLiteral("locked"));
    if (!root) {
        ASSERT_TRUE(QDir().mkpath(readOnly));
        QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
    }
    const QStringList before = QDir(readOnly).entryList();
    qputenv("CREELBOOK_HOME", readOnly.toUtf8());
    const QString message = installMissingContent();
    if (!root)
        QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(message, QStringLiteral("Creelbook can not use its program folder \"%1\": the "
                                      "folder is read-only.").arg(readOnly));
    EXPECT_EQ(QDir(readOnly).entryList(), before);
}

} // namespace
