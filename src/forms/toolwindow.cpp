#include "forms/toolwindow.h"

#include "forms/accessibility.h"
#include "forms/controls.h"
#include "forms/designer.h"

#include <QStringList>

#include <utility>

namespace
{

Qt::WindowFlags flagsFor(bool fixed)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return flags | (fixed ? Qt::MSWindowsFixedSizeDialogHint : Qt::WindowMaximizeButtonHint);
}

// A result label's lines: a run of two spaces ends one.
const QString lineBreak = QStringLiteral("  ");

} // namespace

ToolWindow::ToolWindow(QWidget *owner, Size size) : QDialog(owner, flagsFor(size == Size::Fixed))
{
    setModal(false);
    markAsProgramWindow(this);
    presentAsToolWindow(this);
    m_pause.setSingleShot(true);
    m_pause.setInterval(typingPauseMs);
    connect(&m_pause, &QTimer::timeout, this, &ToolWindow::typingPaused);
}

void ToolWindow::setVisible(bool visible)
{
    if (visible && !m_placed) {
        designer::placeBesideOwner(this);
        m_placed = true;
    }
    if (!visible)
        m_lastSaid.clear(); // heard again when the window is opened again
    QDialog::setVisible(visible);
}

void ToolWindow::setUpResult(WrappedLabel *label)
{
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    label->setFocusPolicy(Qt::NoFocus);
}

void ToolWindow::showResult(WrappedLabel *label, const QStringList &lines)
{
    // Two spaces inside a line (between a value and its tolerance) would end
    // it on the label.
    QStringList shown;
    for (const QString &line : lines)
        shown << QString(line).replace(lineBreak, QStringLiteral(", "));
    label->setText(shown.join(lineBreak));
    label->setFocusPolicy(lines.isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
}

QString ToolWindow::spoken(const WrappedLabel *label)
{
    return QString(label->text()).replace(lineBreak, QStringLiteral(". "));
}

void ToolWindow::announceResult(const QString &text)
{
    if (text.isEmpty() || text == m_lastSaid)
        return;
    m_lastSaid = text;
    announce(this, text);
}

void ToolWindow::announceWhenTypingPauses(std::function<QString()> text)
{
    m_result = std::move(text);
    m_pause.start();
}

void ToolWindow::typingPaused()
{
    if (!m_result)
        return;
    const QString text = m_result();
    // A cleared box: the next result is new, even if it was said before.
    if (text.isEmpty())
        m_lastSaid.clear();
    announceResult(text);
}

void ToolWindow::announceNow()
{
    m_pause.stop();
    m_lastSaid.clear();
    if (m_result)
        announceResult(m_result());
}
