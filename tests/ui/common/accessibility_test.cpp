#include <QAccessible>
#include <QCheckBox>
#include <QSignalSpy>
#include <algorithm>

#include "picture/picture_object.h"
#include "picture/picture_registry.h"
#include "support/gui_fixture.h"
#include "ui/picture_window/picture_window_events.h"

namespace pelorin {
namespace {

// The role a screen reader must hear for each kind of control, most derived first.
// clang-format off
const std::pair<const char*, QAccessible::Role> kRoles[] = {
    {"pelorin::PelorinDialog", QAccessible::Dialog}, {"pelorin::frmObject", QAccessible::Window},
    {"QMainWindow", QAccessible::Window}, {"pelorin::PictureView", QAccessible::Graphic},
    {"pelorin::IconBox", QAccessible::Graphic}, {"QLabel", QAccessible::StaticText}, {"QMenu", QAccessible::PopupMenu},
    {"QLineEdit", QAccessible::EditableText}, {"QCheckBox", QAccessible::CheckBox}, {"QAction", QAccessible::MenuItem},
    {"QPushButton", QAccessible::Button}, {"QMenuBar", QAccessible::MenuBar}, {"QWidget", QAccessible::Client}};
// clang-format on

// Every interface from node down is named and has its role.
void checkTree(QAccessibleInterface* node) {
  if (const QObject* object = node->object()) {
    SCOPED_TRACE(object->objectName().toStdString() + ":" + object->metaObject()->className());
    const auto* role = std::find_if(std::begin(kRoles), std::end(kRoles),
                                    [object](const auto& entry) { return object->inherits(entry.first); });
    EXPECT_FALSE(node->text(QAccessible::Name).isEmpty());
    EXPECT_EQ(node->role(), role != std::end(kRoles) ? role->second : QAccessible::NoRole);
  }
  for (int i = 0; i < node->childCount(); ++i) checkTree(node->child(i));
}

QString said(QObject* object, QAccessible::Text kind = QAccessible::Name) {
  return QAccessible::queryAccessibleInterface(object)->text(kind);
}

using Accessibility = testing::MainWindowTest;

TEST_F(Accessibility, EveryControlIsNamedWithItsRoleAndThePictureByItsNumberWithWhatIsDrawn) {
  frmObject* form = open(QStringLiteral("0.5"));
  std::vector<QWidget*> windows = {&main, form};
  for (int id = 0; id <= static_cast<int>(DialogId::Info); ++id) windows.push_back(main.dialogs().show(DialogId(id)));
  for (QWidget* window : windows) checkTree(QAccessible::queryAccessibleInterface(window));
  EXPECT_EQ(said(testing::child<QLineEdit>(main, "txtMutationRate")), QStringLiteral("Mutation Rate"));
  int drawn = 0;
  for (std::int16_t gene = 0; gene < clsGenSeq::kGeneCount; ++gene)
    drawn += modObject::Registry().find(modObject::RegistryKey(0))->GenCode.GetGDraw(gene) != 0;
  EXPECT_EQ(said(form->picDraw()), QStringLiteral("Picture 0"));
  EXPECT_EQ(said(form->picDraw(), QAccessible::Description), QStringLiteral("%1 of 64 segments drawn").arg(drawn));

  // Its context menu without a pointer: what a client on Wayland or a screen reader uses.
  QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(form->picDraw())->actionInterface();
  ASSERT_NE(actions, nullptr);
  EXPECT_EQ(actions->actionNames(), QStringList({QAccessibleActionInterface::setFocusAction(), "Copy", "Export Image",
                                                 "Genetic Code", "Family Tree"}));
  QSignalSpy asked(&PictureWindowEvents::instance(), &PictureWindowEvents::familyTreeAsked);
  actions->doAction(QStringLiteral("Family Tree"));
  ASSERT_EQ(asked.size(), 1);
  EXPECT_EQ(asked.at(0).at(0).toInt(), 0);

  // A screen reader's Toggle emits no click; the picture is a parent all the same.
  QSignalSpy ticked(&modObject::Registry(), &PictureRegistry::parentBoxChanged);
  QAccessible::queryAccessibleInterface(form->cbxParent())
      ->actionInterface()
      ->doAction(QAccessibleActionInterface::toggleAction());
  ASSERT_EQ(ticked.size(), 1);
  EXPECT_EQ(ticked.at(0).at(1).toInt(), 1);
}

}  // namespace
}  // namespace pelorin
