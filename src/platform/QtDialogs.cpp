#include "platform/QtDialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

namespace tw {

static const char *const kTitle = "Tumblewick";

// Shows `box` centred on its parent's window. A message box settles its size only as it is
// shown, after Qt has placed it, so it is shown first and then moved.
static int execCentred(QMessageBox &box, QWidget *parent)
{
    box.show();
    if (parent) {
        const QRect window = parent->window()->frameGeometry();
        box.move(window.center()
                 - QPoint(box.frameGeometry().width() / 2, box.frameGeometry().height() / 2));
    }
    return box.exec();
}

void QtDialogs::message(QWidget *parent, const QString &text, Icon icon)
{
    QMessageBox::Icon qicon = QMessageBox::Information;
    if (icon == Icon::Warning)
        qicon = QMessageBox::Warning;
    else if (icon == Icon::Critical)
        qicon = QMessageBox::Critical;
    QMessageBox box(qicon, QString::fromLatin1(kTitle), text, QMessageBox::Ok, parent);
    execCentred(box, parent);
}

bool QtDialogs::ask(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(kTitle), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    return execCentred(box, parent) == QMessageBox::Yes;
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

std::optional<QColor> QtDialogs::chooseColour(QWidget *parent, const QColor &colour)
{
    const QColor chosen = QColorDialog::getColor(colour, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QFont> QtDialogs::chooseFont(QWidget *parent, const QFont &font)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, parent);
    if (!ok)
        return std::nullopt;
    return chosen;
}

} // namespace tw
