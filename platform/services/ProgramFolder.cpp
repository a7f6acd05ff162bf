#include "ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace platform {

QString programFolder()
{
    const QString home = qEnvironmentVariable("CREELBOOK_HOME");
    if (!home.isEmpty())
        return QDir::cleanPath(QDir(home).absolutePath());
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/creelbook");
}

QString programPath(const QString &windowsPath)
{
    static const QString prefix = QStringLiteral("C:\\Program Files\\Creelbook");
    QString relative = windowsPath;
    if (relative.startsWith(prefix, Qt::CaseInsensitive))
        relative = relative.mid(prefix.size());
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (relative.startsWith(QLatin1Char('/')))
        relative.remove(0, 1);
    return relative.isEmpty() ? programFolder() : programFolder() + QLatin1Char('/') + relative;
}

namespace {

QString folderProblem(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir())
        return QStringLiteral("a file of that name is in the way");
    if (!info.exists() && !QDir().mkpath(folder))
        return QStringLiteral("the folder can not be created");
    QTemporaryFile probe(folder + QStringLiteral("/.write-test-XXXXXX"));
    if (!probe.open())
        return QStringLiteral("the folder is read-only");
    return {};
}

bool copyResource(const QString &resource, const QString &target)
{
    QFile source(resource);
    QSaveFile copy(target);
    if (!source.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly))
        return false;
    copy.write(source.readAll());
    return copy.commit();
}

} // namespace

QString installMissingContent(const QString &resourceRoot)
{
    const QString folder = programFolder();
    const QString problem = folderProblem(folder);
    if (!problem.isEmpty())
        return QStringLiteral("Creelbook can not use its program folder \"%1\": %2.")
            .arg(folder, problem);

    QDirIterator files(resourceRoot, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString resource = files.next();
        const QString relative = resource.mid(resourceRoot.size() + 1);
        const QString target = folder + QLatin1Char('/') + relative;
        if (QFileInfo::exists(target))
            continue;
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !copyResource(resource, target))
            return QStringLiteral("Creelbook can not write \"%1\" in its program folder \"%2\".")
                .arg(relative, folder);
    }
    return {};
}

} // namespace platform
