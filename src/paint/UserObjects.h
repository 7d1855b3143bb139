// UserObjects: the text and picture objects of the paint box, their widgets and the text editor.
#pragma once

#include "paint/PaintObject.h"

#include <QObject>
#include <QPointF>

#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

namespace tw {

class PaintBox;
class PaintHost;
class PaintObjects;
struct PaintState;

// The objects live as values in the paint objects' set; each live one is
// shown by a label on the surface, kept in step by sync(). Selecting,
// handles, deleting and sticking down are the paint objects'.
class UserObjects : public QObject
{
public:
    static constexpr int kMaxObjects = 400;

    UserObjects(PaintHost &host, PaintState &state, PaintBox &box, PaintObjects &objects,
                PaintObjectSet &set);
    ~UserObjects() override;

    int TextCount() const { return int(m_set.texts.size()) - 1; }
    int ImageCount() const { return int(m_set.pictures.size()) - 1; }

    // "&Add Text": a new text object at the corner with the editor open on it.
    void MNU_AddText_Click();
    // "Add &Image": a new picture object from the file dialog (empty when the
    // file cannot be read; none when it is far too large).
    void MNU_AddImg_Click();
    // A "&Pick" item: a new picture object showing `picture`, with its sound.
    void placePicked(const QImage &picture, const QString &sound);
    void MNU_EdText_Click();
    void MNU_EdFont_Click();
    void MNU_EdColor_Click();
    // "Clear": every text (picture) object goes.
    void ResetUser();
    void ResetUserImg();

    // Ends an edit: the editor's text, font and colour go to the text object.
    // True when the object changed.
    bool commitEdit();
    bool editing() const;
    QLineEdit *textEdit() const { return m_edit; }
    // The label showing text (picture) object `index`; null when there is none.
    QLabel *label(int index) const;
    QLabel *image(int index) const;

    // Brings the widgets in step with the values (after undo, a move, a restyle).
    void sync();
    // Hides every object (the colouring book) or shows the live ones again.
    void setShown(bool shown);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Ctrl_MouseDown(const QString &kind, int index, QPointF grab);
    void Ctrl_DblClick(int index);
    void syncText(int index);
    void syncPicture(int index);
    void applyFont(TextObject &text, const QFont &font);
    QFont fontOf(const TextObject &text) const;
    QRect pixels(const QRectF &twips) const;
    QPointF onPaper(QWidget *widget, QPointF pos) const;
    void drop(QPointF at);

    PaintHost &m_host;
    PaintState &m_state;
    PaintBox &m_box;
    PaintObjects &m_objects;
    PaintObjectSet &m_set;
    std::vector<QLabel *> m_labels {nullptr}; // by index; 0 unused
    std::vector<QLabel *> m_images {nullptr};
    QLineEdit *m_edit = nullptr;
    int m_editing = 0; // the text object the editor shows, 0 for none
    bool m_dragging = false;
    bool m_shown = true;
    QPointF m_dragStart; // where the dragged object was (twips)
};

} // namespace tw
