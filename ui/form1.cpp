// form1.cpp: the window's controls, their layout and fonts, and the window operations.
// SPDX-License-Identifier: MIT
#include "form1.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QValidator>

#include <limits>

namespace {

// Geometry in logical pixels, so that Qt scales it on high-density screens.
constexpr QSize kClientSize{402, 182};
constexpr QRect kText1Rect{8, 16, 281, 45};
constexpr QRect kLabel1Rect{16, 72, 353, 81};
constexpr QRect kButtonRect{304, 16, 57, 41};
constexpr qreal kText1PointSize = 24;
constexpr qreal kLabel1PointSize = 9.75;
// The smallest the label's font gets for the longest words, which the old program's narrower
// font held in the label's size; the common captions keep kLabel1PointSize.
constexpr qreal kLabel1SmallestPointSize = 6;
constexpr const char* kStartText = "2545743675434";
constexpr const char* kAppId = "rs.uslova.Uslova";
const QKeySequence kCopyShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_C);

QFont PlainSansSerif(qreal pointSize) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(pointSize);
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  return font;
}

/// A label that keeps its double-clicks: a double-click on the words selects them and must not
/// reach the window, where it would empty the label. A right-click opens a menu to copy the
/// words: the selection, or all of them when nothing is selected.
class CaptionLabel : public QLabel {
 public:
  explicit CaptionLabel(QWidget* parent) : QLabel(parent) {}

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    QLabel::mouseDoubleClickEvent(event);
    event->accept();
  }

  void contextMenuEvent(QContextMenuEvent* event) override {
    QMenu menu(this);
    QAction* copy = menu.addAction(QStringLiteral("Kopiraj"), this, [this] {
      QGuiApplication::clipboard()->setText(hasSelectedText() ? selectedText() : text());
    });
    copy->setShortcut(kCopyShortcut);  // shown in the menu; the window's action serves the keys
    copy->setShortcutVisibleInContextMenu(true);
    QAction* selectAll = menu.addAction(QStringLiteral("Izaberi sve"), this, [this] {
      setSelection(0, static_cast<int>(text().size()));
    });
    copy->setEnabled(!text().isEmpty());
    selectAll->setEnabled(!text().isEmpty());
    menu.exec(event->globalPos());
    event->accept();
  }
};

/// The input box's paste: a pasted spreadsheet cell ends in a line break, which is dropped so
/// that the box holds what is converted. It runs after every edit, with the cursor just after
/// what was inserted; typing never inserts a line break.
class PastedLineBreak : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override {
    if (pos > 0 && input[pos - 1] == QLatin1Char('\n')) {
      const int cut = pos > 1 && input[pos - 2] == QLatin1Char('\r') ? 2 : 1;
      input.remove(pos - cut, cut);
      pos -= cut;
    }
    return Acceptable;
  }
};

QString FromUtf8(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent),
      Text1(new QLineEdit(kStartText, this)),
      Label1(new CaptionLabel(this)),
      dgmUslova(new QPushButton(QStringLiteral("U slova"), this)),
      copyAction(new QAction(QStringLiteral("Kopiraj"), this)) {
  setObjectName("Form1");
  setWindowTitle(QStringLiteral("Form1"));
  // The icon follows right after the window is shown: loading it reads Qt's image plugins,
  // which would keep the window from the screen for some ten milliseconds.
  QTimer::singleShot(0, this, [this] { setWindowIcon(AppIcon()); });
  resize(kClientSize);

  Text1->setObjectName("Text1");
  Text1->setGeometry(kText1Rect);
  Text1->setFont(PlainSansSerif(kText1PointSize));
  Text1->setAccessibleName(QStringLiteral("Broj"));
  // What the box shows is what is converted: no cut at QLineEdit's default 32767 characters.
  Text1->setMaxLength(std::numeric_limits<int>::max());
  Text1->setValidator(new PastedLineBreak(Text1));

  Label1->setObjectName("Label1");
  Label1->setGeometry(kLabel1Rect);
  Label1->setFont(PlainSansSerif(kLabel1PointSize));
  Label1->setTextFormat(Qt::PlainText);  // a caption is never markup
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Users select and copy the words with the mouse; the label never takes the focus.
  Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Label1->setFocusPolicy(Qt::NoFocus);
  Label1->setContextMenuPolicy(Qt::DefaultContextMenu);
  Label1->setAccessibleName(QStringLiteral("Broj slovima"));

  dgmUslova->setObjectName("dgmUslova");
  dgmUslova->setGeometry(kButtonRect);
  dgmUslova->setAutoDefault(false);  // Enter and Escape in the box do not press it
  dgmUslova->setDefault(false);
  dgmUslova->setAccessibleName(QStringLiteral("U slova"));

  copyAction->setShortcut(kCopyShortcut);
  copyAction->setShortcutContext(Qt::WindowShortcut);
  addAction(copyAction);
  connect(copyAction, &QAction::triggered, this, &Form1::copyCaption);

  setTabOrder(Text1, dgmUslova);
  Text1->setFocus();
  connect(dgmUslova, &QPushButton::clicked, this, &Form1::dgmUslova_Click);
}

std::string Form1::text1() const {
  return Text1->text().toStdString();
}

void Form1::setText1(std::string_view text) {
  Text1->setText(FromUtf8(text));
}

std::string Form1::label1Caption() const {
  return Label1->text().toStdString();
}

void Form1::setLabel1Caption(std::string_view caption) {
  Label1->setText(FromUtf8(caption));
  fitLabel1();
  // Screen readers read the words as the label's description, and hear when they change.
  Label1->setAccessibleDescription(Label1->text());
  QAccessibleEvent changed(Label1, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&changed);
}

void Form1::fitLabel1() {
  // The whole caption is shown, never cut: its font gets smaller only while the words would
  // need more lines than the label holds. The label keeps its place, size and words.
  QFont font = Label1->font();
  font.setPointSizeF(kLabel1PointSize);
  Label1->setFont(font);
  while (Label1->heightForWidth(Label1->width()) > Label1->height() &&
         font.pointSizeF() > kLabel1SmallestPointSize) {
    font.setPointSizeF(font.pointSizeF() - 0.25);
    Label1->setFont(font);
  }
}

void Form1::copyCaption() {
  if (!Label1->text().isEmpty()) QGuiApplication::clipboard()->setText(Label1->text());
}

void Form1::msgBox(std::string_view prompt, std::string_view title) {
  QMessageBox box(QMessageBox::NoIcon, FromUtf8(title), FromUtf8(prompt), QMessageBox::Ok, this);
  box.setTextFormat(Qt::PlainText);
  box.button(QMessageBox::Ok)->setIcon(QIcon());  // a plain OK, as the box has no icon either
  box.exec();
}

void Form1::dgmUslova_Click() {
  uslova::dgmUslova_Click(*this);
}

void Form1::Form_DblClick() {
  setLabel1Caption({});
}

void Form1::mouseDoubleClickEvent(QMouseEvent* event) {
  // Double-clicks on the controls stay with them; only the window's own surface gets here.
  if (event->button() == Qt::LeftButton) Form_DblClick();
  event->accept();
}

QIcon AppIcon() {
  QIcon builtIn(QStringLiteral(":/icons/%1.svg").arg(kAppId));
  for (int size : {48, 256})
    builtIn.addFile(QStringLiteral(":/icons/%1/%2.png").arg(size).arg(kAppId));
  return QIcon::fromTheme(QString::fromLatin1(kAppId), builtIn);
}
