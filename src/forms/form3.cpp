#include "forms/form3.h"

#include "colorcode/form2.h"
#include "forms/accessibility.h"
#include "forms/form1.h"
#include "forms/form3design.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

using designer::control;

Form3::Form3()
{
    designer::applyWindow(this, form3design::window);
    designer::buildControls(this, form3design::controls);

    Command1 = control<QPushButton>(this, "Command1");
    Label1 = control<QLabel>(this, "Label1");
    Label1->setText(form3design::aboutText());
    // Heard as it opens: the window by name, then the text, a piece a line.
    presentAsDialog(this, tr("Hakkında"));
    static const QRegularExpression spaceRun(QStringLiteral(" {2,}"));
    Label1->setAccessibleName(Label1->text().split(spaceRun, Qt::SkipEmptyParts).join(u'\n'));

    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
}

void Form3::Command1_Click()
{
    Form1::instance().show();
    if (Form2 *entry = Form2::existing())
        entry->hide();
    hide();
}

void Form3::closedByFrame()
{
    // Closing the about window must never leave the program without a
    // window: it leads back to the main window, as KAPAT does.
    Form1::instance().show();
    if (Form2 *entry = Form2::existing())
        entry->hide();
}
