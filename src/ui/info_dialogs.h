#pragma once

#include <QDialog>
#include <QLabel>
#include <QString>

class QPushButton;

namespace pelorin {

// The border of a dialog window.
enum class DialogBorder {
  FixedSingle,          // fixed size, close box only
  Sizable,              // close and minimise boxes
  SizableWithMaximize,  // close, minimise and maximise boxes
};

// A small modeless dialog with fixed texts and an OK button. The OK button
// hides it (it keeps its state); its close box unloads it: the dialog closes
// and deletes itself later, and isUnloaded() is true from the close on.
// The OK button is the default button and answers Enter; Escape does nothing.
class PelorinDialog : public QDialog {
  Q_OBJECT

 public:
  // Runs after each load, before the dialog is first shown.
  virtual void loadStep() {}

  bool isUnloaded() const { return unloaded_; }

 protected:
  // clientSize in logical pixels.
  PelorinDialog(const QString& name, const QString& caption, QSize clientSize, DialogBorder border);

  // The OK button: the default button; it hides the dialog.
  QPushButton* addOkButton(const QString& name, QRect box, const QString& text);

  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // What OK does: hides the dialog; the next show brings it back where it was.
  void hideWhereItIs();

  bool unloaded_ = false;
};

// A picture box showing one of the two icons. A click is a left press and
// release on the box: a press dragged off it is no click, and the second
// press of a double-click adds none, so a double-click is one click.
class IconBox : public QLabel {
  Q_OBJECT

 public:
  // accessibleName: what a screen reader calls the icon.
  IconBox(const QString& resource, const QString& accessibleName, QWidget* parent);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

// The Qt resources of the two 48 x 48 icons.
inline const QString kPelorinIcon = QStringLiteral(":/icons/pelorin.png");
inline const QString kQuorvelIcon = QStringLiteral(":/icons/quorvel.png");

// Tells the user that the mutation rate is not a number.
class ErrorMR : public PelorinDialog {
  Q_OBJECT
 public:
  ErrorMR();
};

class AboutAuthor : public PelorinDialog {
  Q_OBJECT
 public:
  AboutAuthor();
};

// About the program. Clicking the visible icon swaps it for the other one.
class AboutPelorin : public PelorinDialog {
  Q_OBJECT
 public:
  AboutPelorin();
  void loadStep() override;

  // 0 while the program's icon shows, 1 while the maker's icon shows.
  int iconFlag() const { return iconFlag_; }

 private:
  void icnPelorin_Click();
  void icnQuorvel_Click();

  IconBox* icnPelorin_;
  IconBox* icnQuorvel_;
  int iconFlag_ = 0;
};

class License : public PelorinDialog {
  Q_OBJECT
 public:
  License();
};

// How the program works.
class Info : public PelorinDialog {
  Q_OBJECT
 public:
  Info();
};

// About the maker. Its icon reacts to no click.
class AboutQuorvel : public PelorinDialog {
  Q_OBJECT
 public:
  AboutQuorvel();
  void loadStep() override;

 private:
  IconBox* icnQuorvel_;
};

}  // namespace pelorin
