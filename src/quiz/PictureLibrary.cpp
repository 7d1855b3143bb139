#include "quiz/PictureLibrary.h"

#include "shell/Educate.h"

#include <QImageReader>

namespace tw {

PictureLibrary::PictureLibrary(Educate &window) : m_window(window) { }

void PictureLibrary::DoFolders() { }
void PictureLibrary::DoFiles(int) { }

bool PictureLibrary::GetRandPic(int)
{
    m_window.shell.NextPicture = QImage();
    return false;
}

QImage PictureLibrary::loadPicture(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > 64LL * 1000 * 1000)
        return {};
    return reader.read();
}

void PictureLibrary::MNU_Pic_Click() { }
void PictureLibrary::MNU_PList1_Click(int) { }

} // namespace tw
