#pragma once

#include <QDialog>
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

}  // namespace pelorin
