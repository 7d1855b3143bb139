// Where the program writes its files: the content folder when it can, else the user's.
#pragma once

#include <QString>

namespace tw {

// True when a file can be created in `folder` (tried, not guessed from the
// permission bits).
bool folderWritable(const QString &folder);

// `appFolder` when it is writable, otherwise `userFolder` (created when
// missing). The result ends with '/'.
QString chooseWriteFolder(const QString &appFolder, const QString &userFolder);

// The user's data folder for this program.
QString userDataFolder();

} // namespace tw
