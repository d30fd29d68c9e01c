// tst_form1.cpp: the window through its real widgets: start-up state, clicks, the message box,
// double-clicks and keys.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "form1.h"

class TestForm1 : public QObject {
  Q_OBJECT

 private:
  Form1* form = nullptr;
  QLineEdit* text1 = nullptr;
  QLabel* label1 = nullptr;
  QPushButton* button = nullptr;

  void typeAndClick(const QString& input) {
    text1->clear();
    QTest::keyClicks(text1, input);
    QTest::mouseClick(button, Qt::LeftButton);
  }

 private slots:
  void init() {
    form = new Form1;
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form));
    text1 = form->findChild<QLineEdit*>("Text1");
    label1 = form->findChild<QLabel*>("Label1");
    button = form->findChild<QPushButton*>("dgmUslova");
    QVERIFY(text1 && label1 && button);
  }
  void cleanup() { delete form; }

  void startUpState() {
    QCOMPARE(form->windowTitle(), QString("Form1"));
    QCOMPARE(form->size(), QSize(402, 182));
    QCOMPARE(text1->text(), QString("2545743675434"));
    QCOMPARE(label1->text(), QString());
    QCOMPARE(button->text(), QString("U slova"));
    QCOMPARE(text1->geometry(), QRect(8, 16, 281, 45));
    QCOMPARE(label1->geometry(), QRect(16, 72, 353, 81));
    QCOMPARE(button->geometry(), QRect(304, 16, 57, 41));
    QCOMPARE(text1->font().pointSizeF(), 24.0);
    QCOMPARE(label1->font().pointSizeF(), 9.75);
    QCOMPARE(label1->textFormat(), Qt::PlainText);
    QVERIFY(label1->wordWrap());
    QVERIFY(!button->isDefault() && !button->autoDefault());
    QCOMPARE(QApplication::focusWidget(), text1);
    QTest::keyClick(text1, Qt::Key_Tab);  // the label is passed over
    QCOMPARE(QApplication::focusWidget(), button);
  }

  void controlsKeepTheirPlacesOnResize() {
    form->resize(800, 600);
    QCOMPARE(label1->geometry(), QRect(16, 72, 353, 81));
    QCOMPARE(button->geometry(), QRect(304, 16, 57, 41));
  }

  void clickSpellsTheStartUpNumber() {
    const QString words =
        "  dva biliona pet stotina cetrdeset pet milijardi sedam stotina cetrdeset tri miliona "
        "sest stotina sedamdeset pet hiljada cetiri stotine trideset cetiri";
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(label1->text(), words);
    QCOMPARE(label1->text().size(), 152);
    QTest::mouseClick(button, Qt::LeftButton);  // the caption is replaced, not appended to
    QCOMPARE(label1->text(), words);
    QCOMPARE(text1->text(), QString("2545743675434"));
  }

  void clickSpellsTypedInput_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::newRow("decimal point") << "2.25"
                                   << "  dva zapeta  dvadeset pet"
                                   << "2,25";
    QTest::newRow("negative") << "-1234,5"
                              << "minus jedna hiljada dve stotine trideset cetiri zapeta   pet"
                              << "-1234,5";
    QTest::newRow("zero") << "0"
                          << " "
                          << "0";
  }
  void clickSpellsTypedInput() {
    QFETCH(QString, input);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    typeAndClick(input);
    QCOMPARE(label1->text(), caption);
    QCOMPARE(text1->text(), text);
  }

  void rejectionShowsTheMessageBox() {
    typeAndClick("7");
    QString title, prompt;
    int buttons = -1;
    QMessageBox::Icon icon = QMessageBox::Warning;
    bool modal = false;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      title = box->windowTitle();
      prompt = box->text();
      buttons = static_cast<int>(box->buttons().size());
      icon = box->icon();
      modal = box->isModal();
      QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    typeAndClick("abc");  // returns once the box is closed
    QCOMPARE(title, QString("Greska"));
    QCOMPARE(prompt, QString("Nemoguce prevesti u slova, jer ulazni parametar nije broj!"));
    QCOMPARE(buttons, 1);
    QCOMPARE(icon, QMessageBox::NoIcon);
    QVERIFY(modal);
    QCOMPARE(text1->text(), QString("abc"));
    QCOMPARE(label1->text(), QString("  sedam"));
  }

  void doubleClicks_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("empties");
    QTest::newRow("window surface") << "Form1" << true;
    QTest::newRow("input box") << "Text1" << false;
    QTest::newRow("label") << "Label1" << false;
  }
  void doubleClicks() {
    QFETCH(QString, target);
    QFETCH(bool, empties);
    QTest::mouseClick(button, Qt::LeftButton);
    QWidget* widget = target == "Form1" ? form : form->findChild<QWidget*>(target);
    // Below the words: where a plain label would hand the double-click to the window.
    const QPoint spot =
        target == "Form1" ? QPoint(380, 170) : widget->rect().bottomRight() - QPoint(3, 3);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, spot);
    QCOMPARE(label1->text().isEmpty(), empties);
  }

  void enterAndEscapeDoNotConvert() {
    QTest::keyClick(text1, Qt::Key_Return);
    QTest::keyClick(text1, Qt::Key_Escape);
    QCOMPARE(label1->text(), QString());
  }

  void labelIsSelectableButNeverFocused() {
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(label1->textInteractionFlags() & Qt::TextSelectableByMouse);
    text1->setFocus();
    QTest::mouseClick(label1, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(QApplication::focusWidget(), text1);
    QCOMPARE(label1->focusPolicy(), Qt::NoFocus);
  }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
