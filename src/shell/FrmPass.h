// The password dialog: three masked boxes (current, new, repeat) with O.K and Cancel.
#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tw {

// The dialog is not modal: the window that shows it keeps running and waits
// for okClicked or cancelled. Enter in any box is O.K, Escape and the close
// box are Cancel.
class FrmPass : public QDialog
{
    Q_OBJECT
public:
    explicit FrmPass(QWidget *parent);

    // Row 0 " Type in Password", row 1 " Type New Password", row 2 " Repeat Password".
    QLineEdit *PassBox(int row) const { return m_box[row]; }
    QLabel *LabPass(int row) const { return m_label[row]; }
    QPushButton *ComOK() const { return m_ok; }
    QPushButton *ComCancel() const { return m_cancel; }
    // The line that says when an unanswered dialog gives up.
    QLabel *countdown() const { return m_countdown; }

    // Empties the three boxes.
    void clearBoxes();
    // Row 0 enabled or not; rows 1 and 2 shown or not.
    void setRows(bool currentEnabled, bool newShown);
    // Empties the boxes and puts the focus where typing starts.
    void activate();
    // Tells how many whole seconds are left before the dialog gives up; the
    // line shows only in the last `kCountdownFrom` seconds.
    void showSecondsLeft(int seconds);
    static constexpr int kCountdownFrom = 30;

    void reject() override;

Q_SIGNALS:
    void okClicked();
    void cancelled();

private:
    std::array<QLabel *, 3> m_label {};
    std::array<QLineEdit *, 3> m_box {};
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QLabel *m_countdown = nullptr;
};

} // namespace tw
