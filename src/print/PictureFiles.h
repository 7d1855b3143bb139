// The File menu's picture files: save the play surface as a bitmap, load a
// background picture, clear the drawing.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace tw {

class PrintHost;

// The saved picture: a 24-bit bottom-up Windows bitmap with the program's own
// header (file and image sizes left 0, no resolution), each row of blue, green,
// red bytes padded with zeros to a multiple of 4 bytes. Transparent parts are
// saved as they show on white. A null picture gives an empty array.
QByteArray encodeSavedPicture(const QImage &picture);

class PictureFiles
{
public:
    static constexpr const char *kSavedName = "Tumblewick.bmp";
    static constexpr const char *kLoadFilter = "Pictures (*.jpg *.jpeg *.bmp *.gif *.png *.wmf "
                                               "*.emf *.ico *.svg);;All files (*)";

    explicit PictureFiles(PrintHost &host);

    // "&Save Picture": the surface as shown into the write folder's
    // "Tumblewick.bmp"; a message names the file, or says why it was not saved.
    void MNU_Save_Click();
    // "&Load Picture": a picture from the content folder's "Background" (or
    // anywhere) becomes the surface's background; one that cannot be read
    // leaves the surface as it was and says so.
    void MNU_LoadPic_Click();
    // "&Clear Picture": the surface's "Clear" button.
    void MNU_Clear_Click();

    QString savedPath() const;

private:
    PrintHost &m_host;
};

} // namespace tw
