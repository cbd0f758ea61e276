// Building each kind of control. Positions come from the description alone: no layouts.
#include "runtime/qt/controls.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <limits>

#include "runtime/qt/appearance.h"
#include "runtime/qt/geometry.h"
#include "runtime/qt/line_widget.h"
#include "runtime/rules/accessibility.h"
#include "runtime/rules/captions.h"

namespace runtime::qt {
namespace {

Qt::Alignment HorizontalAlignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::Left:
      return Qt::AlignLeft;
    case Alignment::Right:
      return Qt::AlignRight;
    case Alignment::Centre:
      return Qt::AlignHCenter;
  }
  return Qt::AlignLeft;
}

// The role the rule gives a control, in Qt's terms. Qt's own widgets of the other kinds
// answer with these roles themselves.
QAccessible::Role QtRoleOf(AccessibleRole role) {
  switch (role) {
    case AccessibleRole::Text:
      return QAccessible::EditableText;
    case AccessibleRole::StaticText:
      return QAccessible::StaticText;
    case AccessibleRole::PushButton:
      return QAccessible::Button;
    case AccessibleRole::Grouping:
      return QAccessible::Grouping;
    case AccessibleRole::Graphic:
      return QAccessible::Graphic;
    case AccessibleRole::Separator:
      return QAccessible::Separator;
  }
  return QAccessible::Client;
}

QRect BoxOf(const Control& control) {
  const auto* box = std::get_if<Box>(&control.geometry);
  return box != nullptr ? ToPixels(*box) : QRect();
}

// Sets `role` of the widget's palette when the description gives a colour of its own.
void SetColour(QWidget& widget, QPalette::ColorRole role, const Colour& colour) {
  if (const std::optional<QColor> resolved = ResolveColour(colour, QApplication::palette())) {
    QPalette palette = widget.palette();
    palette.setColor(role, *resolved);
    widget.setPalette(palette);
  }
}

// An opaque control fills its box with its back colour, or the platform's window colour.
void SetBackdrop(QWidget& widget, const Control& control) {
  if (control.backdrop == Backdrop::Opaque) {
    SetColour(widget, QPalette::Window, control.backColour);
    widget.setAutoFillBackground(true);
  } else {
    widget.setAutoFillBackground(false);
  }
}

QWidget* BuildLabel(const Control& control, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setFocusPolicy(Qt::NoFocus);
  SetColour(*label, QPalette::WindowText, control.foreColour);
  SetBackdrop(*label, control);
  // A fixed box breaks its caption at spaces from the top down and cuts off what does not
  // fit; a self-sizing label holds one line.
  label->setWordWrap(control.sizing == Sizing::FixedBox);
  label->setAlignment(HorizontalAlignment(control.alignment) | Qt::AlignTop);
  label->setGeometry(BoxOf(control));
  return label;
}

QWidget* BuildTextBox(const Control& control, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  // QLineEdit would otherwise stop at 32767 characters; the entry takes texts of any length.
  edit->setMaxLength(std::numeric_limits<int>::max());
  edit->setFocusPolicy(Qt::StrongFocus);
  edit->setAlignment(HorizontalAlignment(control.alignment) | Qt::AlignVCenter);
  SetColour(*edit, QPalette::Text, control.foreColour);
  SetColour(*edit, QPalette::Base, control.backColour);
  edit->setGeometry(BoxOf(control));
  edit->setText(ToQString(CaptionToShow(control)));
  return edit;
}

QWidget* BuildPushButton(const Control& control, QWidget* parent) {
  // A push button of the standard style paints the platform's face whatever its colours. Enter
  // presses it through the window's keyboard rule; were it an auto-default button, taking the
  // focus would make it the window's default button too.
  auto* button = new QPushButton(ToQString(CaptionToShow(control)), parent);
  button->setAutoDefault(false);
  button->setFocusPolicy(Qt::StrongFocus);
  // The default button shows as one; Enter reaches it through the window.
  button->setDefault(control.role == ButtonRole::Default);
  button->setGeometry(BoxOf(control));
  return button;
}

QWidget* BuildFrame(const Control& control, QWidget* parent) {
  auto* frame = new QGroupBox(ToQString(CaptionToShow(control)), parent);
  frame->setFocusPolicy(Qt::NoFocus);
  // Styles draw the caption in either of the two text roles.
  SetColour(*frame, QPalette::WindowText, control.foreColour);
  SetColour(*frame, QPalette::Text, control.foreColour);
  SetBackdrop(*frame, control);
  frame->setGeometry(BoxOf(control));
  return frame;
}

QWidget* BuildPicture(const Control& control, QWidget* parent) {
  auto* picture = new QLabel(parent);
  picture->setFocusPolicy(Qt::NoFocus);
  // Stretched to fill the box, width and height scaled independently.
  picture->setScaledContents(true);
  picture->setPixmap(QPixmap::fromImage(DecodePicture(control.picture)));
  picture->setGeometry(BoxOf(control));
  return picture;
}

QWidget* BuildLine(const Control& control, QWidget* parent) {
  const auto* segment = std::get_if<Segment>(&control.geometry);
  const LinePixels line = segment != nullptr ? ToPixels(*segment) : LinePixels{};
  const QColor colour = ResolveColour(control.foreColour, QApplication::palette())
                            .value_or(QApplication::palette().color(QPalette::WindowText));
  return new LineWidget(line, colour, QtRoleOf(AccessibilityOf(control).role), parent);
}

QWidget* BuildWidget(const Control& control, QWidget* parent) {
  switch (control.kind) {
    case ControlKind::TextBox:
      return BuildTextBox(control, parent);
    case ControlKind::Label:
      return BuildLabel(control, parent);
    case ControlKind::PushButton:
      return BuildPushButton(control, parent);
    case ControlKind::Frame:
      return BuildFrame(control, parent);
    case ControlKind::Picture:
      return BuildPicture(control, parent);
    case ControlKind::Line:
      return BuildLine(control, parent);
  }
  return new QWidget(parent);
}

}  // namespace

QWidget* BuildControl(const Control& control, const Font& windowFont, QWidget* parent) {
  QWidget* widget = BuildWidget(control, parent);
  widget->setObjectName(ToQString(control.name));
  widget->setFont(ToQFont(control.font.value_or(windowFont)));
  if (!control.tooltip.empty()) {
    widget->setToolTip(ToQString(control.tooltip));
  }
  // Qt names a control by its caption and shows lines (LineWidget) as separators and pictures
  // as graphics; only a name of the description's own needs setting.
  if (const Accessibility accessibility = AccessibilityOf(control);
      !accessibility.decorative && accessibility.name != control.caption) {
    widget->setAccessibleName(ToQString(accessibility.name));
  }
  // The caption goes in last, once the font that sizes it is set.
  if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr) {
    if (control.kind == ControlKind::Label) {
      SetLabelCaption(*label, control, ToQString(control.caption));
    }
  }
  return widget;
}

void SetLabelCaption(QLabel& label, const Control& control, const QString& caption) {
  label.setText(caption);
  if (AccessibilityOf(control).captionDescribes) {
    label.setAccessibleDescription(caption);
  }
  if (control.sizing == Sizing::AutoSize) {
    const QFontMetricsF metrics(label.font());
    const PixelRect box = AutoSizedLabel({label.x(), label.y()}, metrics.horizontalAdvance(caption),
                                         metrics.height());
    label.resize(box.width, box.height);
  }
}

}  // namespace runtime::qt
