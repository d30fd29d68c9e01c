// tst_form1.cpp: the window through its real widgets: start-up state, clicks, the message box,
// double-clicks and keys.
// SPDX-License-Identifier: MIT
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <algorithm>

#include "form1.h"
#include "uslova/converter.h"

/// Closes each message box that opens while it lives, as a user pressing OK, and records the
/// last one.
class BoxCloser : public QObject {
 public:
  int closed = 0;
  QString title, prompt;
  qsizetype buttons = 0;
  QMessageBox::Icon icon = QMessageBox::Warning;
  bool modal = false;

  BoxCloser() {
    timer.callOnTimeout(this, &BoxCloser::closeBox);
    timer.start(1);
  }

 private:
  void closeBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    ++closed;
    title = box->windowTitle();
    prompt = box->text();
    buttons = box->buttons().size();
    icon = box->icon();
    modal = box->isModal();
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
  }
  QTimer timer;
};

constexpr const char* kStartUpWords =
    "  dva biliona pet stotina cetrdeset pet milijardi sedam stotina cetrdeset tri miliona "
    "sest stotina sedamdeset pet hiljada cetiri stotine trideset cetiri";

/// What the label's context menu offered.
struct MenuEntries {
  QStringList enabled;
  QKeySequence shortcut;  // of "Kopiraj"
};

class TestForm1 : public QObject {
  Q_OBJECT

 private:
  /// Opens the label's context menu, as a right-click does, and picks the entry `text` when it
  /// is enabled; otherwise closes the menu.
  MenuEntries pickFromMenu(const QString& text) {
    MenuEntries entries;
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) return;
      QAction* chosen = nullptr;
      for (QAction* action : menu->actions()) {
        if (action->isEnabled()) entries.enabled << action->text();
        if (action->text() == "Kopiraj") entries.shortcut = action->shortcut();
        if (action->text() == text && action->isEnabled()) chosen = action;
      }
      if (chosen != nullptr) chosen->trigger();
      menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            label1->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(label1, &event);  // returns once the menu has closed
    return entries;
  }

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
    // The box and the button side by side on one row, the label under both, all inside the
    // window and none over another.
    const QRect box = text1->geometry(), go = button->geometry(), words = label1->geometry();
    for (const QRect& r : {box, go, words})
      QVERIFY(form->rect().contains(r) && !r.isEmpty());
    QVERIFY(box.right() < go.left() && box.top() < go.bottom() && go.top() < box.bottom());
    QVERIFY(words.top() > std::max(box.bottom(), go.bottom()));
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
    const QRect words = label1->geometry(), go = button->geometry();
    form->resize(800, 600);
    QCOMPARE(label1->geometry(), words);
    QCOMPARE(button->geometry(), go);
  }

  void clickSpellsTheStartUpNumber() {
    const QString words = kStartUpWords;
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
    QTest::newRow("grouped") << "1.234.567,89"
                             << "  jedan milion dve stotine trideset cetiri hiljade pet stotina "
                                "sezdeset sedam zapeta  osamdeset devet"
                             << "1.234.567,89";
    QTest::newRow("zero") << "0"
                          << " "
                          << "0";
    QTest::newRow("sign after the third decimal") << "-0,0001"
                                                  << "minus  zapeta  "
                                                  << "-0,0001";
  }
  void clickSpellsTypedInput() {
    QFETCH(QString, input);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    typeAndClick(input);
    QCOMPARE(label1->text(), caption);
    QCOMPARE(text1->text(), text);
  }

  // Every caption is shown whole: the longest ones (every group full, decimals, "minus") fit
  // the label's height as laid out, in a smaller font only where they must; the words stay
  // exact, and a short caption gets the usual font back.
  void longestCaptionsFitTheLabel_data() {
    QTest::addColumn<QString>("input");
    QTest::newRow("every group full, minus and decimals") << "-777.777.777.777.777,777";
    QTest::newRow("every group full") << "777777777777777";
    QTest::newRow("the start-up number") << "2545743675434";
  }
  void longestCaptionsFitTheLabel() {
    QFETCH(QString, input);
    const QRect words = label1->geometry();
    typeAndClick(input);
    QCOMPARE(label1->text().toStdString(), uslova::Convert(input.toStdString()).caption);
    QVERIFY(label1->heightForWidth(label1->width()) <= label1->height());
    QCOMPARE(label1->geometry(), words);  // the label keeps its place and size
    typeAndClick("7");
    QCOMPARE(label1->font().pointSizeF(), 9.75);
  }

  void rejectionShowsTheMessageBox() {
    typeAndClick("7");
    BoxCloser closer;
    typeAndClick("abc");  // returns once the box is closed
    QCOMPARE(closer.closed, 1);
    QCOMPARE(closer.title, QString("Greska"));
    QCOMPARE(closer.prompt, QString("Nemoguce prevesti u slova, jer ulazni parametar nije broj!"));
    QCOMPARE(closer.buttons, 1);
    QCOMPARE(closer.icon, QMessageBox::NoIcon);
    QVERIFY(closer.modal);
    QCOMPARE(text1->text(), QString("abc"));
    QCOMPARE(label1->text(), QString("  sedam"));
  }

  void hostilePastes_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("box");      // what the box shows once pasted
    QTest::addColumn<QString>("caption");  // empty when the message box is expected
    QTest::newRow("32767 characters: zeros and a 7")
        << QString(32766, '0') + "7" << QString(32766, '0') + "7"
        << "  sedam";
    QTest::newRow("40000 characters: zeros and a 5, all kept")
        << QString(39999, '0') + "5" << QString(39999, '0') + "5"
        << "  pet";
    QTest::newRow("40000 ones, all kept") << QString(40000, '1') << QString(40000, '1') << "";
    QTest::newRow("tab in front") << "\t56"
                                  << "\t56"
                                  << " pedeset sest";
    QTest::newRow("newline inside") << "12\n34"
                                    << "12\n34"
                                    << "";
    QTest::newRow("spreadsheet cell, LF") << "12\n"
                                          << "12"
                                          << " dvanaest";
    QTest::newRow("spreadsheet cell, CR LF") << "12\r\n"
                                             << "12"
                                             << " dvanaest";
  }
  void hostilePastes() {
    QFETCH(QString, pasted);
    QFETCH(QString, box);
    QFETCH(QString, caption);
    QApplication::clipboard()->setText(pasted);
    text1->clear();
    QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text1->text(), box);
    BoxCloser closer;
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(closer.closed, caption.isEmpty() ? 1 : 0);
    QCOMPARE(label1->text(), caption);
    QCOMPARE(text1->text(), box);  // nothing the user typed is lost
  }

  // The label's menu, and Ctrl+Shift+C from anywhere in the window, put exactly the caption,
  // or the selected words, on the clipboard; the focus stays where it was.
  void copyTheWords_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("selected");  // characters selected from the start; 0: none
    QTest::addColumn<QString>("copied");
    const QString words = QString(kStartUpWords);
    QTest::newRow("menu, nothing selected") << "Kopiraj" << 0 << words;
    QTest::newRow("menu, a selection") << "Kopiraj" << 13 << "  dva biliona";
    QTest::newRow("menu, select all first") << "Izaberi sve" << 0 << words;
    QTest::newRow("shortcut, nothing selected") << "Ctrl+Shift+C" << 0 << words;
    QTest::newRow("shortcut, a selection") << "Ctrl+Shift+C" << 13 << words;
  }
  void copyTheWords() {
    QFETCH(QString, how);
    QFETCH(int, selected);
    QFETCH(QString, copied);
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::clipboard()->setText("earlier");
    if (selected > 0) label1->setSelection(0, selected);
    QWidget* const focused = form->focusWidget();
    if (how == "Ctrl+Shift+C") {
      QTest::keyClick(text1, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    } else {
      const MenuEntries entries = pickFromMenu(how);
      QCOMPARE(entries.enabled, QStringList({"Kopiraj", "Izaberi sve"}));
      QCOMPARE(entries.shortcut, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
      if (how == "Izaberi sve") {
        QCOMPARE(label1->selectedText(), copied);
        pickFromMenu("Kopiraj");
      }
    }
    QCOMPARE(QApplication::clipboard()->text(), copied);
    QCOMPARE(form->focusWidget(), focused);  // the window's focus, whichever window is active
  }

  void nothingToCopyFromAnEmptyLabel() {
    QApplication::clipboard()->setText("earlier");
    QCOMPARE(pickFromMenu("Kopiraj").enabled, QStringList());
    QTest::keyClick(text1, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString("earlier"));
  }

  // Screen readers get the names, and the words as the label's description.
  void accessibility() {
    QCOMPARE(text1->accessibleName(), QString("Broj"));
    QCOMPARE(button->accessibleName(), QString("U slova"));
    QCOMPARE(label1->accessibleName(), QString("Broj slovima"));
    typeAndClick("7");
    QCOMPARE(label1->accessibleDescription(), QString("  sedam"));
    QTest::mouseDClick(form, Qt::LeftButton, {}, QPoint(380, 170));
    QCOMPARE(label1->accessibleDescription(), QString());
  }

  void windowIcon() { QVERIFY(!form->windowIcon().pixmap(48, 48).isNull()); }

  void manyClicksInARow() {
    for (int i = 0; i < 300; ++i)
      QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(label1->text().size(), 152);
    BoxCloser closer;
    typeAndClick("1e999");
    for (int i = 0; i < 50; ++i)
      QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(closer.closed, 51);
    QCOMPARE(label1->text().size(), 152);
    QCOMPARE(closer.prompt, QString("Nemoguce prevesti u slova, jer je broj prevelik!"));
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
