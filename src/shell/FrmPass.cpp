#include "shell/FrmPass.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace tw {

FrmPass::FrmPass(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Tumblewick"));
    setModal(false);
    static const char *const captions[]
        = {" Type in Password", " Type New Password", " Repeat Password"};
    auto *grid = new QGridLayout;
    for (int row = 0; row < 3; ++row) {
        m_label[row] = new QLabel(QLatin1String(captions[row]), this);
        m_box[row] = new QLineEdit(this);
        m_box[row]->setEchoMode(QLineEdit::Password);
        m_box[row]->setObjectName(QStringLiteral("PassBox%1").arg(row));
        grid->addWidget(m_label[row], row, 0);
        grid->addWidget(m_box[row], row, 1);
        connect(m_box[row], &QLineEdit::returnPressed, this, &FrmPass::okClicked);
    }
    m_ok = new QPushButton(QStringLiteral("O.K"), this);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    // Enter is handled by the boxes themselves; no button is the default.
    m_ok->setAutoDefault(false);
    m_cancel->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &FrmPass::okClicked);
    connect(m_cancel, &QPushButton::clicked, this, &FrmPass::cancelled);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    m_countdown = new QLabel(this);
    m_countdown->hide();
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addWidget(m_countdown);
    outer->addLayout(buttons);
}

void FrmPass::showSecondsLeft(int seconds)
{
    const bool shown = seconds <= kCountdownFrom;
    if (shown) {
        const int left = std::max(seconds, 1);
        m_countdown->setText(
            QStringLiteral("No answer: this closes in %1 %2 and counts as Cancel.")
                .arg(left)
                .arg(left == 1 ? QStringLiteral("second") : QStringLiteral("seconds")));
    }
    if (shown != m_countdown->isVisible()) {
        m_countdown->setVisible(shown);
        adjustSize();
    }
}

void FrmPass::clearBoxes()
{
    for (QLineEdit *box : m_box)
        box->clear();
}

void FrmPass::setRows(bool currentEnabled, bool newShown)
{
    m_label[0]->setEnabled(currentEnabled);
    m_box[0]->setEnabled(currentEnabled);
    for (int row = 1; row < 3; ++row) {
        m_label[row]->setVisible(newShown);
        m_box[row]->setVisible(newShown);
    }
    adjustSize();
}

void FrmPass::activate()
{
    clearBoxes();
    raise();
    activateWindow();
    (m_box[0]->isEnabled() ? m_box[0] : m_box[1])->setFocus();
}

// Escape and the close box.
void FrmPass::reject() { Q_EMIT cancelled(); }

} // namespace tw
