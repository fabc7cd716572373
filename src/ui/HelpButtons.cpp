#include "HelpButtons.h"

#include "ControlColors.h"
#include "ControlRegistry.h"
#include "textbox/TextBox.h"
#include "WindowTexts.h"

#include <QAbstractButton>
#include <QEvent>
#include <QMessageBox>

namespace shrink4 {

namespace {

struct Help {
    const char* store;
    const QString& title;
};

const Help kHelp[] = {
    {"T_teshu_sm(0)", texts::kHelpTitle},
    {"T_teshu_sm(1)", texts::kHelpTitle},
    {"T_danma_sm_by", texts::kDanHelpTitle},
};

} // namespace

HelpButtons::HelpButtons(const ControlRegistry& controls, QWidget* window)
    : QObject(window), m_controls(controls), m_window(window)
{
    for (int i = 0; i < 3; ++i) {
        QAbstractButton* b = m_controls.button(QStringLiteral("C_teshu_sm"), i);
        b->installEventFilter(this);
        connect(b, &QAbstractButton::clicked, this, [this, i] { C_teshu_sm_Click(i); });
    }
}

void HelpButtons::C_teshu_sm_Click(int index)
{
    const Help& help = kHelp[index];
    const QString text = m_controls.multiLine(QString::fromLatin1(help.store))->toPlainText();
    QMessageBox::information(m_window, help.title, text, QMessageBox::Ok);
}

bool HelpButtons::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
        const bool over = event->type() == QEvent::Enter;
        for (int i = 0; i < 3; ++i) {
            QAbstractButton* b = m_controls.button(QStringLiteral("C_teshu_sm"), i);
            setButtonColor(b, over && b == watched ? kHoverColor : kIdleColor);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace shrink4
