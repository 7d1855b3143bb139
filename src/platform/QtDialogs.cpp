#include "platform/QtDialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace tw {

static const char *const kTitle = "Tumblewick";

void QtDialogs::message(QWidget *parent, const QString &text, Icon icon)
{
    QMessageBox::Icon qicon = QMessageBox::Information;
    if (icon == Icon::Warning)
        qicon = QMessageBox::Warning;
    else if (icon == Icon::Critical)
        qicon = QMessageBox::Critical;
    QMessageBox box(qicon, QString::fromLatin1(kTitle), text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogs::ask(QWidget *parent, const QString &text)
{
    return QMessageBox::question(parent, QString::fromLatin1(kTitle), text) == QMessageBox::Yes;
}

QString QtDialogs::openFile(QWidget *parent, const QString &title, const QString &folder,
                            const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

QString QtDialogs::saveFile(QWidget *parent, const QString &title, const QString &folder,
                            const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, title, folder, filter);
}

} // namespace tw
