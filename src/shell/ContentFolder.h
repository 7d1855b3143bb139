// Where the program finds its content folder when none is given.
#pragma once

#include <QString>

namespace tw {

// The content folder for the program in `programFolder`: the one built beside
// it in the build tree (content/AppFolder), the installed one
// (../share/tumblewick), or else the program's own folder.
QString defaultAppFolder(const QString &programFolder);

// The program icon drawn into the hicolor theme beside the content folder
// (installed, and in the build tree); empty when there is none.
QString iconBesideAppFolder(const QString &appFolder, const QString &iconName);

} // namespace tw
