// The message box and file dialogs, behind one small interface.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QWidget;

namespace tw {

class Dialogs
{
public:
    enum class Icon { Information, Warning, Critical };
    virtual ~Dialogs() = default;
    // A message box titled "Tumblewick" with one O.K button.
    virtual void message(QWidget *parent, const QString &text, Icon icon) = 0;
    // A yes/no question; true for yes.
    virtual bool ask(QWidget *parent, const QString &text) = 0;
    // An open-file dialog; empty when cancelled.
    virtual QString openFile(QWidget *parent, const QString &title, const QString &folder,
                             const QString &filter)
        = 0;
    // A save-file dialog; empty when cancelled.
    virtual QString saveFile(QWidget *parent, const QString &title, const QString &folder,
                             const QString &filter)
        = 0;
    // The colour and font dialogs, preset with the given choice; nothing when cancelled.
    virtual std::optional<QColor> chooseColour(QWidget *parent, const QColor &colour) = 0;
    virtual std::optional<QFont> chooseFont(QWidget *parent, const QFont &font) = 0;
};

} // namespace tw
