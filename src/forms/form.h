#pragma once

// One application-wide instance per form: it comes into existence, in its
// design state, the first time any code refers to it, and is discarded when
// the user closes it through its window frame, so that the next reference
// builds it anew.

#include <QCloseEvent>
#include <QPointer>
#include <QWidget>

#include <utility>

template <typename Derived, typename Base = QWidget> class Form : public Base
{
public:
    // The form, created on first reference; `args` go to its constructor
    // then and are not used after.
    template <typename... Args> static Derived &instance(Args &&...args)
    {
        QPointer<Derived> &current = slot();
        if (!current || current->isDiscarded())
            current = new Derived(std::forward<Args>(args)...);
        return *current;
    }

    // The form if it exists now, without creating it.
    static Derived *existing()
    {
        Derived *current = slot().data();
        return current && !current->isDiscarded() ? current : nullptr;
    }

    // Ends the form for good, at program end.
    static void destroyInstance() { delete slot().data(); }

    bool isDiscarded() const { return m_discarded; }

protected:
    using Base::Base;

    // Called once the frame's close has been accepted.
    virtual void closedByFrame() {}

    void closeEvent(QCloseEvent *event) override
    {
        Base::closeEvent(event);
        if (!event->isAccepted())
            return;
        // Marked at once: a reference made before Qt deletes the widget
        // already gets a new form.
        m_discarded = true;
        this->deleteLater();
        closedByFrame();
    }

private:
    static QPointer<Derived> &slot()
    {
        static QPointer<Derived> current;
        return current;
    }

    bool m_discarded = false;
};
