#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>
#include <optional>

#include "window_fixture.h"

// Every control against the window's design: rectangle, ground colour, font, border, scroll
// bar, wrapping, alignment and text. The expected values are written out here from the
// design (rectangles in pixels: twips / 15, edges rounded), not taken from the program.
namespace qt_ui {
namespace {

const QString kStatement = QStringLiteral(
    "За равностранен триъгълник, по подразбиране, са зададени предварително:\n"
    "а) отношение - равенство на страните, височините, медианите и ъглополовящите;\n"
    "б) размер на всеки вътрешен ъгъл - 60 градуса;\n"
    "Да се състави проект, реализиращ междупредметна връзка Геометрия и Информатика.\n"
    "В проекта да се въвежда един размер от изброените:\n"
    "а) страна на триъгълника;\n"
    "б) периметър на триъгълника;\n"
    "в) лице на триъгълника;\n"
    "г) дължина на медиана;\n"
    "д)  дължина на височина;\n"
    "е)  дължина на ъглополовяща;\n"
    "ж) радиус на описаната около равностранния триъгълник окръжност  -  R ;\n"
    "з) радиус на вписаната окръжност  -  r.\n"
    "Избор за въвеждане на размер да се осъществява чрез радиобутон. Ако вече е бил правен "
    "избор, то при посочване на нов избор да се изтриват предварително въведените данни и да се "
    "забранява въвеждане на друг размер.\n"
    "След събитие On-Click върху команден бутон да се изчисляват останалите размери.\n"
    "В проекта да се съдържат два командни бутона:\n"
    "а) за извършване на изчисленията;\n"
    "б) за изтриване на входнните данни и изведените резултати.\n");

const QString kSaying = QStringLiteral(
    "Неприятното в това да си първият, направил нещо по \n"
    "правилния начин, е, че никой не оценява колко трудно е \n"
    "било. \n");

const QColor kApricot(255, 192, 128);

enum class Border { kNone, kFramed, kNotDrawn };

struct DesignedControl {
  const char* name;
  std::function<QWidget*(const CalculatorWindow&)> control;
  QRect rect;
  QString text;
  std::optional<QColor> ground;  // read from the rendered control at `sample`
  QPoint sample;
  Border border = Border::kNotDrawn;
  std::optional<Qt::Alignment> alignment;  // horizontal
  bool scroll_bar_and_word_wrap = false;   // info fields: scroll bar always, words kept whole
};

QWidget* OptionOf(const CalculatorWindow& window, QuantityIndex k) { return window.Option(k); }
QWidget* FieldOf(const CalculatorWindow& window, QuantityIndex k) { return window.Field(k); }

DesignedControl OptionRow(QuantityIndex k, QRect rect, const char* caption) {
  return {"option",
          [k](const CalculatorWindow& w) { return OptionOf(w, k); },
          rect,
          QString::fromUtf8(caption),
          kApricot,
          QPoint(rect.width() - 3, 12),
          Border::kNotDrawn,
          std::nullopt,
          false};
}
DesignedControl FieldRow(QuantityIndex k, QRect rect) {
  return {"field",
          [k](const CalculatorWindow& w) { return FieldOf(w, k); },
          rect,
          QString(),
          std::nullopt,
          QPoint(),
          Border::kFramed,
          Qt::AlignLeft,
          false};
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
  const std::vector<DesignedControl> design = {
      {"statement", [](const CalculatorWindow& w) { return w.InfoField(0); },
       QRect(24, 232, 449, 121), kStatement, std::nullopt, QPoint(), Border::kFramed, std::nullopt,
       true},
      {"saying", [](const CalculatorWindow& w) { return w.InfoField(1); }, QRect(48, 272, 449, 121),
       kSaying, std::nullopt, QPoint(), Border::kNone, std::nullopt, true},
      {"label", [](const CalculatorWindow& w) { return w.TitleLabel(); }, QRect(96, 0, 305, 25),
       QStringLiteral("Равностранен триъгълнк - лице, периметър"), kApricot, QPoint(3, 12),
       Border::kNone, Qt::AlignHCenter, false},
      OptionRow(triangle::kSide, QRect(16, 40, 121, 25), "страна"),
      FieldRow(triangle::kSide, QRect(144, 40, 97, 27)),
      OptionRow(triangle::kPerimeter, QRect(16, 72, 121, 25), "периметър"),
      FieldRow(triangle::kPerimeter, QRect(144, 72, 97, 27)),
      OptionRow(triangle::kArea, QRect(16, 104, 121, 25), " лице"),
      FieldRow(triangle::kArea, QRect(144, 104, 97, 27)),
      OptionRow(triangle::kMedian, QRect(16, 136, 121, 25), "медиана"),
      FieldRow(triangle::kMedian, QRect(144, 136, 97, 27)),
      OptionRow(triangle::kHeight, QRect(16, 168, 121, 25), "височина"),
      FieldRow(triangle::kHeight, QRect(144, 168, 97, 27)),
      OptionRow(triangle::kBisector, QRect(16, 200, 121, 25), "ъглополовяща"),
      FieldRow(triangle::kBisector, QRect(144, 200, 97, 27)),
      OptionRow(triangle::kCircumradius, QRect(248, 40, 121, 25), "R описана"),
      FieldRow(triangle::kCircumradius, QRect(376, 40, 97, 27)),
      OptionRow(triangle::kInradius, QRect(248, 72, 121, 25), "r вписана"),
      FieldRow(triangle::kInradius, QRect(376, 72, 97, 27)),
      {"Изчисли", [](const CalculatorWindow& w) { return w.CommandButton(0); },
       QRect(264, 136, 121, 33), QStringLiteral("Изчисли"), QColor(128, 255, 128), QPoint(2, 16),
       Border::kNotDrawn, std::nullopt, false},
      {"Изтрий", [](const CalculatorWindow& w) { return w.CommandButton(1); },
       QRect(352, 184, 121, 33), QStringLiteral("Изтрий"), QColor(255, 0, 0), QPoint(2, 16),
       Border::kNotDrawn, std::nullopt, false},
  };
  ASSERT_EQ(design.size(), 21u);  // every control of the window

  EXPECT_EQ(window_.size(), QSize(498, 364));
  EXPECT_EQ(window_.minimumSize(), window_.maximumSize());  // not resizable
  EXPECT_EQ(window_.grab().toImage().pixelColor(5, 5), QColor(192, 192, 255));
  for (const DesignedControl& expected : design) {
    QWidget* control = expected.control(window_);
    SCOPED_TRACE(std::string(expected.name) + " " + ShownText(control).left(20).toStdString());
    EXPECT_EQ(control->geometry(), expected.rect);
    EXPECT_EQ(ShownText(control), expected.text);
    EXPECT_EQ(control->font().family(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(control->font().pointSize(), 12);
    EXPECT_EQ(control->font().weight(), QFont::Normal);
    if (expected.ground) {
      EXPECT_EQ(control->grab().toImage().pixelColor(expected.sample), *expected.ground);
    }
    EXPECT_EQ(DrawnBorder(control), expected.border);
    if (expected.alignment) {
      EXPECT_EQ(HorizontalAlignment(control), *expected.alignment);
    }
    if (expected.scroll_bar_and_word_wrap) {
      auto* info = qobject_cast<QPlainTextEdit*>(control);
      ASSERT_NE(info, nullptr);
      EXPECT_EQ(info->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
      EXPECT_EQ(info->wordWrapMode(), QTextOption::WordWrap);
    }
  }
}

}  // namespace
}  // namespace qt_ui
