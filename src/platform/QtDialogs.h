// Message boxes and file dialogs from Qt Widgets.
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
};

} // namespace tw
