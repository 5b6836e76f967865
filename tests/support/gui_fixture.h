#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "picture/picture_registry.h"
#include "platform/numbers.h"
#include "ui/common/accessible_cells.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/user_messages.h"
#include "ui/main/frm_main.h"
#include "ui/picture_window/frm_object.h"

namespace pelorin::testing {

inline int visibleWindowsNamed(const QString& name) {
  int count = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) count += widget->objectName() == name && widget->isVisible();
  return count;
}

template <typename T>
T* child(const QObject& parent, const char* name) {
  T* found = parent.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

// The program ends as when it quits, no window closed by the user: the main
// window, every window left with it, and the pictures it kept.
inline void endProgram(std::unique_ptr<frmMain>& main) {
  main.reset();
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->parentWidget() == nullptr) widget->deleteLater();
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  modObject::ParentList().clear();
  modObject::Registry().clear();
}

inline void activate(QWidget* window) {
  QApplication::setActiveWindow(window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

// Listens as an accessibility client while it lives: the program's events
// are recorded, each as its type, object and child.
class AccessibleEvents final : public AccessibilityEvents {
 public:
  struct Event {
    QAccessible::Event type;
    QObject* object;
    int child;
  };

  bool listening() const override { return true; }
  void tell(QAccessibleEvent& event) override { events.push_back({event.type(), event.object(), event.child()}); }

  // The children told for object with events of type, in order.
  QList<int> children(QAccessible::Event type, const QObject* object) const {
    QList<int> told;
    for (const Event& event : events)
      if (event.type == type && event.object == object) told << event.child;
    return told;
  }

  std::vector<Event> events;

 private:
  Seam<AccessibilityEvents>::Scope scope_{*this};
};

// Records the failures shown and the questions asked; answers each question
// with `answer`, as the test sets it.
class RecordingMessages final : public UserMessages {
 public:
  void showFailure(QWidget* parent, const QString&, const QString& text) override {
    parents << parent;
    texts << text;
  }
  bool askYesNo(QWidget* parent, const QString&, const QString& question) override {
    askedOver << parent;
    questions << question;
    return answer;
  }
  QList<QWidget*> parents;
  QStringList texts;
  QList<QWidget*> askedOver;
  QStringList questions;
  bool answer = false;
};

// Answers every save dialog with the path and filter a test sets.
class ScriptedFileDialogs : public FileDialogs {
 public:
  QString getSaveFileName(QWidget*, const QString&, const QString&, const QStringList& filters,
                          QString* chosen) override {
    ++asked;
    offered = filters;
    *chosen = filter;
    return path;
  }
  QString path, filter;
  QStringList offered;
  int asked = 0;
};

// The main window shown, user messages recorded, file dialogs scripted, a temporary folder.
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() { main.show(); }

  // Presses Open with this rate and name; returns the newest picture window.
  frmObject* open(const QString& rate = QStringLiteral("0"), const QString& name = {}) {
    child<QLineEdit>(main, "txtMutationRate")->setText(rate);
    child<QLineEdit>(main, "txtName")->setText(name);
    QTest::mouseClick(child<QPushButton>(main, "btnOpen"), Qt::LeftButton);
    frmObject* last = nullptr;
    for (frmObject* form : pictureWindows()) {
      if (last == nullptr || form->windowTitle().toInt() > last->windowTitle().toInt()) last = form;
    }
    return last;
  }

  static QList<frmObject*> pictureWindows() {
    QList<frmObject*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* form = qobject_cast<frmObject*>(widget); form != nullptr && form->isVisible()) found << form;
    }
    return found;
  }

  ScopedNumberFormat english_{{u'.', u','}};  // the rates the tests type are written so
  RecordingMessages messages;
  ScriptedFileDialogs dialogs;
  Seam<UserMessages>::Scope recording_{messages};
  Seam<FileDialogs>::Scope scripted_{dialogs};
  frmMain main;
  QTemporaryDir dir;
};

}  // namespace pelorin::testing
