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
    QStringList folders{QDir::currentPath()};
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath();
    folders << QStringLiteral(ZV_DATA_DIR);
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
