#include "forms/designer.h"

#include "forms/accessibility.h"
#include "forms/controls.h"
#include "forms/placement.h"
#include "forms/twips.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>
#include <map>
#include <vector>

namespace designer
{

namespace
{

// The keyboard in a group of options: Tab reaches only the chosen option,
// and the arrow keys move round the group, choosing as they go. Qt lets Tab
// stop at every option and chooses with the arrows only from a chosen one,
// so a keyboard user could leave a group believing an option chosen that was
// not. The mouse works as ever.
class OptionKeys : public QObject
{
public:
    explicit OptionKeys(QButtonGroup *group) : QObject(group), m_group(group)
    {
        connect(group, &QButtonGroup::buttonToggled, this, &OptionKeys::takeTab);
    }

    void add(QAbstractButton *option)
    {
        m_group->addButton(option);
        option->installEventFilter(this);
        takeTab(option, option->isChecked());
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        int step = 0;
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            step = -1;
            break;
        case Qt::Key_Down:
        case Qt::Key_Right:
            step = 1;
            break;
        default:
            return false;
        }
        // Column by column, top to bottom, as the options stand.
        QList<QAbstractButton *> options = m_group->buttons();
        std::ranges::stable_sort(
            options, {}, [](const QAbstractButton *b) { return std::pair(b->x(), b->y()); });
        const auto count = options.size();
        qsizetype at = options.indexOf(static_cast<QAbstractButton *>(watched));
        for (qsizetype tried = 1; tried < count; ++tried) {
            at = (at + step + count) % count;
            QAbstractButton *next = options[at];
            if (next->isEnabled() && !next->isHidden()) {
                // Chosen first, so the focus lands on a chosen option.
                next->click();
                next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
                break;
            }
        }
        return true;
    }

private:
    static void takeTab(QAbstractButton *option, bool chosen)
    {
        option->setFocusPolicy(chosen ? Qt::StrongFocus : Qt::ClickFocus);
    }

    QButtonGroup *m_group;
};

QWidget *createControl(const Control &c, const QString &caption, QWidget *parent)
{
    switch (c.kind) {
    case Kind::List: {
        auto *list = new QComboBox(parent);
        list->setEditable(false);
        announceChoiceChanges(list);
        return list;
    }
    case Kind::TextBox: {
        auto *box = new QLineEdit(parent);
        if (c.flags & Centred)
            box->setAlignment(Qt::AlignCenter);
        box->setReadOnly(c.flags & ReadOnly);
        return box;
    }
    case Kind::Button: {
        auto *button = new QPushButton(caption, parent);
        // Outside a dialog Qt presses a focused button on Enter only when
        // asked to; the design's buttons all do.
        button->setAutoDefault(true);
        button->setDefault(c.flags & DefaultButton);
        return button;
    }
    case Kind::Option: {
        auto *option = new QRadioButton(caption, parent);
        option->setChecked(c.flags & Chosen);
        return option;
    }
    case Kind::Frame: {
        auto *frame = new QGroupBox(parent);
        frame->setFocusPolicy(Qt::NoFocus);
        return frame;
    }
    case Kind::Label:
        return new WrappedLabel(caption, parent);
    case Kind::RoundedShape: {
        auto *shape =
            new Shape(Shape::Outline::RoundedRectangle, true, Shape::Pen::WindowText, parent);
        shape->setFillColor(c.fill);
        return shape;
    }
    case Kind::Band: {
        auto *band = new Shape(Shape::Outline::Rectangle, true, Shape::Pen::Black, parent);
        band->setFillColor(c.fill);
        return band;
    }
    case Kind::Line:
        return new Line(twips::toPixels(c.left, c.top, 0, 0).topLeft(),
                        twips::toPixels(c.left + c.width, c.top + c.height, 0, 0).topLeft(),
                        parent);
    }
    return nullptr;
}

} // namespace

QString designText(const QWidget *window, const char *text)
{
    if (!text || !*text)
        return {};
    return QCoreApplication::translate(window->metaObject()->className(), text);
}

QFont windowFont()
{
    // The windows are laid out for a small 8-point narrow face; Qt's usual
    // default on Linux is wider and would clip captions at the design sizes.
    QFont font(QStringLiteral("Liberation Sans Narrow"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

void applyWindow(QWidget *window, const Window &design)
{
    // First, so that a screen reader asking about the window while it is
    // built already knows it as one of the program's.
    markAsProgramWindow(window);
    window->setWindowTitle(designText(window, design.caption));
    // Set on the window itself, not only as the application's font: platform
    // themes (qt6ct, KDE's) replace that after start-up and on every change
    // of their settings, and the fixed layout would clip. Larger text comes
    // from scaling the whole window instead.
    window->setFont(windowFont());
    const QSize client = twips::toPixels(design.clientWidth, design.clientHeight);
    window->resize(client);
    if (design.placement == Placement::Centred) {
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            window->move(area.center() - QPoint(client.width() / 2, client.height() / 2));
        }
    }
}

void placeBesideOwner(QWidget *window)
{
    const QWidget *owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    if (!owner || !owner->isVisible()) {
        window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
        return;
    }
    // The window's own frame is not known before it is shown; it is taken to
    // be as wide as the owner's.
    const QRect ownerFrame = owner->frameGeometry();
    const QSize frame = ownerFrame.size() - owner->size();
    // A little room between the two frames.
    const int gap = 8;
    window->move(placement::besideOwner(ownerFrame, window->size() + frame, area, gap));
}

void placeControl(QWidget *window, const QString &name, int left, int top, int width, int height)
{
    QWidget *widget = control<QWidget>(window, name);
    if (auto *line = qobject_cast<Line *>(widget))
        line->setEnds(twips::toPixels(left, top, 0, 0).topLeft(),
                      twips::toPixels(left + width, top + height, 0, 0).topLeft());
    else
        widget->setGeometry(twips::toPixels(left, top, width, height));
}

void resizeWindow(QWidget *window, int clientWidth, int clientHeight)
{
    window->resize(twips::toPixels(clientWidth, clientHeight));
}

void buildControls(QWidget *window, std::span<const Control> controls)
{
    std::vector<std::pair<int, QWidget *>> tabChain;
    // Options in one container form one group. Qt's own auto-exclusivity
    // would also reach into nested frames, so the groups are explicit.
    std::map<QWidget *, OptionKeys *> optionGroups;
    std::vector<QWidget *> options;
    std::vector<QWidget *> namedFrames;
    for (const Control &c : controls) {
        QWidget *parent = window;
        if (c.container)
            parent = control<QWidget>(window, QString::fromLatin1(c.container));
        QWidget *widget = createControl(c, designText(window, c.caption), parent);
        if (c.kind == Kind::Option) {
            OptionKeys *&group = optionGroups[parent];
            if (!group)
                group = new OptionKeys(new QButtonGroup(parent));
            group->add(static_cast<QRadioButton *>(widget));
            options.push_back(widget);
        }
        if (c.kind == Kind::Frame && c.accessibleName)
            namedFrames.push_back(widget);
        widget->setObjectName(QString::fromLatin1(c.name));
        if (c.kind != Kind::Line)
            widget->setGeometry(twips::toPixels(c.left, c.top, c.width, c.height));
        if (c.accessibleName)
            widget->setAccessibleName(designText(window, c.accessibleName));
        widget->raise();
        if (c.tabIndex >= 0 && widget->focusPolicy() != Qt::NoFocus)
            tabChain.emplace_back(c.tabIndex, widget);
    }
    // An option is heard with the name of the frame it lies in or over.
    const auto inWindow = [window](const QWidget *w) {
        return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
    };
    for (QWidget *option : options)
        for (QWidget *frame : namedFrames)
            if (inWindow(frame).contains(inWindow(option)))
                setGroupLabel(option, frame);
    std::ranges::sort(tabChain, {}, &std::pair<int, QWidget *>::first);
    for (std::size_t i = 1; i < tabChain.size(); ++i)
        QWidget::setTabOrder(tabChain[i - 1].second, tabChain[i].second);
}

} // namespace designer
