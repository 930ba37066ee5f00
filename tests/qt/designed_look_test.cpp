#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <string>

#include "design/pixels.h"
#include "design/window_design.h"
#include "window_fixture.h"

// Every control of the window against the window's design: rectangle, ground colour, font,
// border, scroll bar, wrapping, alignment and text. The expected values are design/'s table
// of the window, which tests/design/window_design_test.cpp pins; what is checked
// here is that the Qt window is built from all of it and shows nothing else.
namespace qt_ui {
namespace {

using design::ControlKind;

QWidget* ControlOf(const CalculatorWindow& window, const design::Control& designed) {
  switch (designed.kind) {
    case ControlKind::kInfoField:
      return window.InfoField(designed.index);
    case ControlKind::kLabel:
      return window.TitleLabel();
    case ControlKind::kOption:
      return window.Option(static_cast<QuantityIndex>(designed.index));
    case ControlKind::kQuantityField:
      return window.Field(static_cast<QuantityIndex>(designed.index));
    case ControlKind::kCommandButton:
      return window.CommandButton(designed.index);
  }
  return nullptr;
}

QRect PixelsOf(const design::TwipRect& twips) {
  const design::PixelRect pixels = design::ToPixels(twips);
  return {pixels.left, pixels.top, pixels.width, pixels.height};
}

QColor ColourOf(const design::Rgb& colour) { return {colour.red, colour.green, colour.blue}; }

// Where a control's designed ground shows in Qt's drawing of it: beside an option's caption,
// before a label's centred text, inside a button's border.
QPoint GroundSample(ControlKind kind, const QRect& rect) {
  switch (kind) {
    case ControlKind::kOption:
      return {rect.width() - 3, 12};
    case ControlKind::kLabel:
      return {3, 12};
    default:
      return {2, 16};
  }
}

enum class Border { kNone, kFramed, kNotDrawn };

// Qt's buttons draw no frame of their own; every other control has a frame or none.
Border ExpectedBorder(const design::Control& designed) {
  if (designed.kind == ControlKind::kOption || designed.kind == ControlKind::kCommandButton) {
    return Border::kNotDrawn;
  }
  return designed.border ? Border::kFramed : Border::kNone;
}

QString ShownText(QWidget* control) {
  if (auto* text = qobject_cast<QPlainTextEdit*>(control)) return text->toPlainText();
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
  if (auto* line = qobject_cast<QLineEdit*>(control)) return line->text();
  return QStringLiteral("?");
}

Qt::Alignment HorizontalAlignment(QWidget* control) {
  if (auto* label = qobject_cast<QLabel*>(control)) {
    return label->alignment() & Qt::AlignHorizontal_Mask;
  }
  if (auto* line = qobject_cast<QLineEdit*>(control)) {
    return line->alignment() & Qt::AlignHorizontal_Mask;
  }
  return {};
}

Border DrawnBorder(QWidget* control) {
  if (auto* frame = qobject_cast<QFrame*>(control)) {
    return frame->frameShape() == QFrame::NoFrame ? Border::kNone : Border::kFramed;
  }
  if (auto* line = qobject_cast<QLineEdit*>(control)) {
    return line->hasFrame() ? Border::kFramed : Border::kNone;
  }
  return Border::kNotDrawn;
}

TEST_F(CalculatorWindowTest, EveryControlIsAsDesigned) {
  EXPECT_EQ(window_.size(), PixelsOf(design::kClientArea).size());
  EXPECT_EQ(window_.minimumSize(), window_.maximumSize());  // not resizable
  EXPECT_EQ(window_.grab().toImage().pixelColor(5, 5), ColourOf(design::kWindowBackground));

  QSet<QWidget*> designed_controls;
  for (const design::Control& designed : design::kControls) {
    QWidget* control = ControlOf(window_, designed);
    ASSERT_NE(control, nullptr);
    SCOPED_TRACE(ShownText(control).left(20).toStdString() + " (kind " +
                 std::to_string(static_cast<int>(designed.kind)) + ", index " +
                 std::to_string(designed.index) + ")");
    designed_controls << control;
    EXPECT_EQ(control->geometry(), PixelsOf(designed.rect));
    EXPECT_EQ(ShownText(control).toStdString(), designed.text);
    EXPECT_EQ(control->font().family().toStdString(), design::kFont.family);
    EXPECT_EQ(control->font().pointSize(), design::kFont.points);
    EXPECT_EQ(control->font().weight(), design::kFont.weight);
    if (designed.background) {
      EXPECT_EQ(control->grab().toImage().pixelColor(GroundSample(designed.kind, control->rect())),
                ColourOf(*designed.background));
    }
    EXPECT_EQ(DrawnBorder(control), ExpectedBorder(designed));
    if (designed.kind == ControlKind::kLabel || designed.kind == ControlKind::kQuantityField) {
      EXPECT_EQ(HorizontalAlignment(control), designed.alignment == design::Alignment::kCentre
                                                  ? Qt::AlignHCenter
                                                  : Qt::AlignLeft);
    }
    if (designed.kind == ControlKind::kInfoField) {  // words kept whole
      auto* info = qobject_cast<QPlainTextEdit*>(control);
      ASSERT_NE(info, nullptr);
      EXPECT_EQ(info->verticalScrollBarPolicy(),
                designed.vertical_scroll_bar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
      EXPECT_EQ(info->wordWrapMode(), QTextOption::WordWrap);
    }
  }
  EXPECT_EQ(designed_controls.size(), design::kControlCount);  // a control each

  // Nothing shows in the window but the designed controls (the notices wait hidden).
  QSet<QWidget*> shown_controls;
  for (QWidget* child : window_.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isVisible()) shown_controls << child;
  }
  EXPECT_EQ(shown_controls, designed_controls);
}

}  // namespace
}  // namespace qt_ui
