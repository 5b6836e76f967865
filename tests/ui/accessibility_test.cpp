#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <set>

#include "gui_fixture.h"
#include "picture/picture_object.h"
#include "ui/mod_object.h"

namespace pelorin {
namespace {

// The role a screen reader must hear for each kind of control.
QAccessible::Role expectedRole(const QObject* object) {
  const std::pair<const char*, QAccessible::Role> roles[] = {
      {"pelorin::PelorinDialog", QAccessible::Dialog},
      {"pelorin::frmObject", QAccessible::Window},
      {"QMainWindow", QAccessible::Window},
      {"pelorin::PictureView", QAccessible::Graphic},
      {"pelorin::IconBox", QAccessible::Graphic},
      {"QLabel", QAccessible::StaticText},
      {"QLineEdit", QAccessible::EditableText},
      {"QCheckBox", QAccessible::CheckBox},
      {"QPushButton", QAccessible::Button},
      {"QMenuBar", QAccessible::MenuBar},
      {"QMenu", QAccessible::PopupMenu},
      {"QAction", QAccessible::MenuItem},
      {"QWidget", QAccessible::Client},
  };
  for (const auto& [className, role] : roles) {
    if (object->inherits(className)) return role;
  }
  return QAccessible::NoRole;
}

// Walks the window's accessible tree: every interface is named and has its
// role. Returns the objects reached.
std::set<const QObject*> checkTree(QAccessibleInterface* node, const std::string& path = {}) {
  std::set<const QObject*> reached;
  const QObject* object = node->object();
  const std::string here =
      path + "/" + (object ? object->objectName().toStdString() + ":" + object->metaObject()->className() : "?");
  EXPECT_FALSE(node->text(QAccessible::Name).isEmpty()) << here;
  if (object != nullptr) {
    EXPECT_EQ(node->role(), expectedRole(object)) << here;
    reached.insert(object);
  }
  for (int i = 0; i < node->childCount(); ++i) reached.merge(checkTree(node->child(i), here));
  return reached;
}

// Every control of the window is in its accessible tree, and Tab reaches
// every one that takes the focus.
void checkWindow(QWidget* window) {
  SCOPED_TRACE(window->objectName().toStdString());
  const std::set<const QObject*> reached = checkTree(QAccessible::queryAccessibleInterface(window));
  std::set<QWidget*> focusable;
  for (QWidget* control : window->findChildren<QWidget*>()) {
    // Qt's own parts, and menus reached through their menu items.
    if (control->objectName().startsWith(QLatin1String("qt_")) || qobject_cast<QMenu*>(control) != nullptr) continue;
    EXPECT_TRUE(reached.count(control)) << control->objectName().toStdString();
    if (control->focusPolicy() & Qt::TabFocus) focusable.insert(control);
  }
  testing::activate(window);
  std::set<QWidget*> visited;
  for (std::size_t i = 0; i <= focusable.size(); ++i) {
    visited.insert(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(visited, focusable);
}

using Accessibility = testing::MainWindowTest;

TEST_F(Accessibility, EveryWindowNamesEachControlWithItsRoleAndTabReachesEveryFocusableOne) {
  checkWindow(&main);
  checkWindow(open());
  for (DialogId id : {DialogId::ErrorMR, DialogId::AboutAuthor, DialogId::AboutQuorvel, DialogId::AboutPelorin,
                      DialogId::License, DialogId::Info}) {
    checkWindow(main.dialogs().show(id));
  }
  EXPECT_EQ(QAccessible::queryAccessibleInterface(testing::child<QLineEdit>(main, "txtMutationRate"))
                ->text(QAccessible::Name),
            QStringLiteral("Mutation Rate"));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(testing::child<QMenu>(main, "M_File"))->text(QAccessible::Name),
            QStringLiteral("File"));
}

TEST_F(Accessibility, ThePictureIsNamedByItsNumberAndSaysHowManySegmentsAreDrawn) {
  for (int id = 0; id < 3; ++id) {
    QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(open(QStringLiteral("0.5"))->picDraw());
    clsGenSeq& code = modObject::Registry().find(modObject::RegistryKey(id))->GenCode;
    int drawn = 0;
    for (std::int16_t gene = 0; gene < clsGenSeq::kGeneCount; ++gene) drawn += code.GetGDraw(gene) != 0;
    EXPECT_EQ(picture->text(QAccessible::Name), QStringLiteral("Picture %1").arg(id));
    EXPECT_EQ(picture->text(QAccessible::Description), QStringLiteral("%1 of 64 segments drawn").arg(drawn));
  }
  frmObject blank;
  EXPECT_EQ(QAccessible::queryAccessibleInterface(blank.picDraw())->text(QAccessible::Description),
            QStringLiteral("Nothing drawn"));
}

}  // namespace
}  // namespace pelorin
