#pragma once

#include "forms/form.h"

class QLabel;
class QPushButton;

// The about window. While it shows, the main and value-entry windows are
// hidden; KAPAT, or closing it, brings the main window back.
class Form3 : public Form<Form3>
{
    Q_OBJECT
public:
    Form3();

    QPushButton *Command1;
    QLabel *Label1;

protected:
    void closedByFrame() override;

private:
    void Command1_Click();
};
