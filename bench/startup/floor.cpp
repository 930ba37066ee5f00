// The floor for the start-up benchmark: a bare Qt Widgets window with the calculator's
// controls and font and nothing else, to show what the toolkit alone costs.
#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setFont(QFont(QStringLiteral("Times New Roman"), 12));
  window.setFixedSize(498, 364);
  auto* group = new QButtonGroup(&window);
  for (int i = 0; i < 8; ++i) {
    auto* option = new QRadioButton(QStringLiteral("option"), &window);
    option->setGeometry(16, 40 + 32 * i, 121, 25);
    group->addButton(option, i);
    (new QLineEdit(&window))->setGeometry(144, 40 + 32 * i, 97, 27);
  }
  (new QPushButton(QStringLiteral("calculate"), &window))->setGeometry(264, 136, 121, 33);
  (new QPushButton(QStringLiteral("clear"), &window))->setGeometry(352, 184, 121, 33);
  (new QLabel(QStringLiteral("title"), &window))->setGeometry(96, 0, 305, 25);
  for (int i = 0; i < 2; ++i) {
    auto* text = new QPlainTextEdit(QStringLiteral("text"), &window);
    text->setReadOnly(true);
    text->setGeometry(24 + 24 * i, 232 + 40 * i, 449, 121);
  }
  window.show();
  return QApplication::exec();
}
