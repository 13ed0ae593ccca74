#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class WrappedLabel;

// What every tool window shares: it is a dialog of its own, owned by the
// main window but not modal; it opens beside the main window the first time,
// covering neither the result nor another tool, and where the user left it
// afterwards; Escape closes it; and each result is said once.
class ToolWindow : public QDialog
{
    Q_OBJECT
public:
    void setVisible(bool visible) override;

    // The pause after the last key before a result is said.
    static constexpr int typingPauseMs = 500;

protected:
    enum class Size { Fixed, Resizable };
    ToolWindow(QWidget *owner, Size size);

    // Has a screen reader speak `text` once: the same text again is not said
    // until another has been, so a result that did not change is not heard
    // twice (a recomputation, Enter after a pause).
    void announceResult(const QString &text);

    // A label that shows a result: read with the keyboard after its box, and
    // reached with Tab only while it says something.
    static void setUpResult(WrappedLabel *label);
    // Shows lines on a result label, each line one line there.
    static void showResult(WrappedLabel *label, const QStringList &lines);
    // What a result label says, as one utterance.
    static QString spoken(const WrappedLabel *label);

    // Says what `text` gives once typing pauses, unless that was just said.
    // Empty text says nothing.
    void announceWhenTypingPauses(std::function<QString()> text);
    // Says it at once, said before or not: Enter asks to hear it.
    void announceNow();

private:
    void typingPaused();

    QTimer m_pause;
    std::function<QString()> m_result;
    QString m_lastSaid;
    bool m_placed = false;
};
