#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "qstring_printer.h"
#include "qt/calculator_window.h"

namespace qt_ui {

using triangle::QuantityIndex;

// Closes the next modal message box once it shows and hands back its text.
class MessageBoxCatcher {
 public:
  MessageBoxCatcher() {
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        text_ = box->text();
        box->accept();
        timer_.stop();
      }
    });
    timer_.start();
  }
  const QString& Text() const { return text_; }

 private:
  QTimer timer_;
  QString text_;
};

class CalculatorWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    window_.Load();
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  }

  // Clicks an option on its indicator, where a user aims.
  void Choose(QuantityIndex option) {
    QRadioButton* button = window_.Option(option);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
  }
  void Type(QuantityIndex field, const QString& text) {
    QTest::keyClicks(window_.Field(field), text);
  }
  void Press(int button) { QTest::mouseClick(window_.CommandButton(button), Qt::LeftButton); }

  QStringList FieldTexts() const {
    QStringList texts;
    for (QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) texts << window_.Field(k)->text();
    return texts;
  }
  // The controller's "disabled": read-only, so that results stay readable and copyable.
  void ExpectNoFieldTakesTyping() const {
    for (QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
      EXPECT_TRUE(window_.Field(k)->isReadOnly()) << k;
    }
  }

  CalculatorWindow window_{triangle::DecimalPointFormat()};
};

}  // namespace qt_ui
