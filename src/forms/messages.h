#pragma once

#include <QString>

class QWidget;

// A modal warning with the program's single "Tamam" ("OK") button.
void showWarning(QWidget *parent, const QString &caption, const QString &text);
