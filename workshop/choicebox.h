// A drop-down choice that a screen reader reads with its current choice. Qt's own combo box
// answers the reader with no value until its list has been opened, so a learner tabbing onto
// "Law" would hear only "combo box"; this one offers its current text as its value and as
// text, which is where readers look.
#pragma once

#include <QComboBox>

namespace workshop {

class ChoiceBox final : public QComboBox
{
    Q_OBJECT

public:
    explicit ChoiceBox(QWidget *parent = nullptr);
};

} // namespace workshop
