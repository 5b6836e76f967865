#include <QAccessible>
#include <QMenu>
#include <algorithm>

#include "gui_fixture.h"
#include "picture/picture_object.h"
#include "ui/mod_object.h"

namespace pelorin {
namespace {

// The role a screen reader must hear for each kind of control, most derived first.
// clang-format off
const std::pair<const char*, QAccessible::Role> kRoles[] = {
    {"pelorin::PelorinDialog", QAccessible::Dialog}, {"pelorin::frmObject", QAccessible::Window},
    {"QMainWindow", QAccessible::Window}, {"pelorin::PictureView", QAccessible::Graphic},
    {"pelorin::IconBox", QAccessible::Graphic}, {"QLabel", QAccessible::StaticText},
    {"QLineEdit", QAccessible::EditableText}, {"QCheckBox", QAccessible::CheckBox},
    {"QPushButton", QAccessible::Button}, {"QMenuBar", QAccessible::MenuBar}, {"QMenu", QAccessible::PopupMenu},
    {"QAction", QAccessible::MenuItem}, {"QWidget", QAccessible::Client}};
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

void checkWindow(QWidget* window) { checkTree(QAccessible::queryAccessibleInterface(window)); }

QString said(QObject* object, QAccessible::Text kind = QAccessible::Name) {
  return QAccessible::queryAccessibleInterface(object)->text(kind);
}

using Accessibility = testing::MainWindowTest;

TEST_F(Accessibility, EveryControlIsNamedWithItsRoleAndThePictureByItsNumberWithWhatIsDrawn) {
  checkWindow(&main);
  for (DialogId id : {DialogId::ErrorMR, DialogId::AboutAuthor, DialogId::AboutQuorvel, DialogId::AboutPelorin,
                      DialogId::License, DialogId::Info}) {
    checkWindow(main.dialogs().show(id));
  }
  EXPECT_EQ(said(testing::child<QLineEdit>(main, "txtMutationRate")), QStringLiteral("Mutation Rate"));
  EXPECT_EQ(said(testing::child<QMenu>(main, "M_File")), QStringLiteral("File"));

  open();
  frmObject* form = open(QStringLiteral("0.5"));
  checkWindow(form);
  clsGenSeq& code = modObject::Registry().find(modObject::RegistryKey(1))->GenCode;
  int drawn = 0;
  for (std::int16_t gene = 0; gene < clsGenSeq::kGeneCount; ++gene) drawn += code.GetGDraw(gene) != 0;
  EXPECT_EQ(said(form->picDraw()), QStringLiteral("Picture 1"));
  EXPECT_EQ(said(form->picDraw(), QAccessible::Description), QStringLiteral("%1 of 64 segments drawn").arg(drawn));
  frmObject blank;
  EXPECT_EQ(said(blank.picDraw(), QAccessible::Description), QStringLiteral("Nothing drawn"));
}

}  // namespace
}  // namespace pelorin
