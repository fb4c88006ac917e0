#pragma once

#include "databinding/IZWidget.h"

#include <QButtonGroup>

// A button group bound to an int field: binding checks the button whose id equals the field,
// or none; a click stores the clicked button's id.
class ZButtonGroup : public QButtonGroup, public IZWidget
{
    Q_OBJECT
public:
    explicit ZButtonGroup(QObject *parent = nullptr);

    void bindData() override;
    // Checks the button of that id, or none when no button has it; no signal.
    void checkId(int id);

public slots:
    void ButtonGroup_buttonClicked(int id);
};
