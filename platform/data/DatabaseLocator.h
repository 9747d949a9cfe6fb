#pragma once

#include <QStringList>

#include <optional>

namespace data {

// Where a database named by a bare file name is looked for: the working directory first, then the
// folder of the executable, then the installed data folder, found from the executable's folder so
// an installed tree can be moved anywhere.
class DatabaseLocator {
public:
    static QStringList searchFolders();
    static QStringList searchFolders(const QString& workingFolder, const QString& executableFolder);
    // The full path of the first folder's file of that name, if any. A path with a folder part is
    // taken as it is.
    static std::optional<QString> locate(const QString& fileName);

    // Test seam: search these folders instead (an empty list restores the real ones).
    static void setSearchFolders(const QStringList& folders);
};

} // namespace data
