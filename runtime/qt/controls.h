// The widget of one row of a control table, built at its place with its font, colours and
// caption, and the rules for changing a caption afterwards.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include "runtime/forms/window_description.h"

namespace runtime::qt {

// Builds the control as a child of `parent`; `windowFont` serves controls without a font of
// their own. The widget's object name is the control's name. Push buttons and menu items
// are wired to their clicks by the window.
QWidget* BuildControl(const Control& control, const Font& windowFont, QWidget* parent);

// Sets the caption of the label of row `control`; a label that sizes itself takes the size of
// its new caption, its left and top edges fixed.
void SetLabelCaption(QLabel& label, const Control& control, const QString& caption);

}  // namespace runtime::qt
