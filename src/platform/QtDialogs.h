// Message boxes, file, colour and font dialogs from Qt Widgets.
#pragma once

#include "platform/Dialogs.h"

namespace tw {

class QtDialogs : public Dialogs
{
public:
    void message(QWidget *parent, const QString &text, Icon icon) override;
    bool ask(QWidget *parent, const QString &text) override;
    QString openFile(QWidget *parent, const QString &title, const QString &folder,
                     const QString &filter) override;
    QString saveFile(QWidget *parent, const QString &title, const QString &folder,
                     const QString &filter) override;
    std::optional<QColor> chooseColour(QWidget *parent, const QColor &colour) override;
    std::optional<QFont> chooseFont(QWidget *parent, const QFont &font) override;
};

} // namespace tw
