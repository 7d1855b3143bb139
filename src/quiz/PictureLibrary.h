// Picture subjects and files: the Subject and Pick menus, random pictures, the backdrop.
#pragma once

#include <QImage>
#include <QString>

namespace tw {

class Educate;

class PictureLibrary
{
public:
    explicit PictureLibrary(Educate &window);

    // Adds the extra subject folders found in the content folder.
    void DoFolders();
    // Lists the pictures of subject folder `folder` into the Pick menu.
    void DoFiles(int folder);
    // Loads a random picture of subject folder `folder` into NextPicture;
    // true when one was loaded.
    bool GetRandPic(int folder);

    // Loads any picture file the program understands; a null image when the
    // file is missing, broken or too large.
    static QImage loadPicture(const QString &path);

    void MNU_Pic_Click();
    void MNU_PList1_Click(int index);

private:
    Educate &m_window;
};

} // namespace tw
