#include "platform/data/DatabaseLocator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace data {

namespace {
QStringList& overrideFolders()
{
    static QStringList folders;
    return folders;
}
} // namespace

QStringList DatabaseLocator::searchFolders()
{
    if (!overrideFolders().isEmpty())
        return overrideFolders();
    return searchFolders(QDir::currentPath(),
                         QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString());
}

QStringList DatabaseLocator::searchFolders(const QString& workingFolder, const QString& executableFolder)
{
    QStringList folders{workingFolder};
    if (!executableFolder.isEmpty())
        folders << executableFolder
                << QDir::cleanPath(QDir(executableFolder).filePath(QStringLiteral(ZV_DATA_FROM_BIN)));
    folders.removeDuplicates();
    return folders;
}

std::optional<QString> DatabaseLocator::locate(const QString& fileName)
{
    if (fileName.contains(u'/')) {
        if (QFileInfo(fileName).isFile())
            return QFileInfo(fileName).absoluteFilePath();
        return std::nullopt;
    }
    for (const QString& folder : searchFolders()) {
        const QFileInfo candidate(QDir(folder), fileName);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return std::nullopt;
}

void DatabaseLocator::setSearchFolders(const QStringList& folders) { overrideFolders() = folders; }

} // namespace data
