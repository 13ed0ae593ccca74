#include "forms/messages.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

void showWarning(QWidget *parent, const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("warning"));
    QPushButton *ok =
        box.addButton(QCoreApplication::translate("forms", "Tamam"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}
