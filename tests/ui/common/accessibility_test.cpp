#include <QAccessible>
#include <QCheckBox>
#include <QSignalSpy>
#include <algorithm>

#include "picture/picture_object.h"
#include "picture/picture_origin.h"
#include "picture/picture_registry.h"
#include "support/gui_fixture.h"
#include "ui/board/board_model.h"
#include "ui/board/frm_board.h"
#include "ui/common/cell_grid_view.h"
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

QAccessibleInterface* cellAt(QAccessibleInterface* list, const QRect& rect) {
  return list->childAt(rect.center().x(), rect.center().y());
}

TEST_F(Accessibility, TheBoardIsAListOfItsCellsToTickFocusAndActOnFollowingTheCellsThatComeAndGo) {
  testing::AccessibleEvents client;
  QList<frmObject*> windows{open(), open(), open()};
  windows[1]->cbxParent()->click();
  frmBoard& board = main.board();
  board.show();
  testing::activate(&board);
  CellGridView& view = board.view();
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&view);
  EXPECT_EQ(list->role(), QAccessible::List);
  EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Open pictures"));
  ASSERT_EQ(list->childCount(), 3);
  const struct {
    const char* name;
    bool checked;
  } cells[] = {{"Picture 0", false}, {"Picture 1", true}, {"Picture 2", false}};
  for (int row = 0; row < 3; ++row) {
    SCOPED_TRACE(row);
    QAccessibleInterface* cell = list->child(row);
    EXPECT_EQ(cell->role(), QAccessible::ListItem);
    EXPECT_EQ(cell->text(QAccessible::Name), QString::fromLatin1(cells[row].name));
    EXPECT_EQ(cell->text(QAccessible::Description), OriginLine(*board.model().picture(board.model().index(row))));
    EXPECT_TRUE(cell->state().checkable);
    EXPECT_EQ(cell->state().checked, cells[row].checked);
    EXPECT_EQ(list->indexOfChild(cell), row);
    EXPECT_EQ(cell, list->child(row));  // kept, not made again
    const QRect rect = view.visualRect(view.model()->index(row, 0));
    EXPECT_EQ(cell->rect(), QRect(view.viewport()->mapToGlobal(rect.topLeft()), rect.size()));
    EXPECT_EQ(cellAt(list, cell->rect()), cell);
    EXPECT_EQ(cell->actionInterface()->actionNames(),
              QStringList({"SetFocus", "Press", "Toggle", "Close Picture Window"}));
  }
  EXPECT_EQ(list->child(0)->actionInterface()->localizedActionName("Press"), QStringLiteral("Bring to Front"));

  // The keys move the focus, and a screen reader hears the cell it lands on.
  view.setFocus();
  view.setCurrentIndex(view.model()->index(0, 0));
  QTest::keyClick(&view, Qt::Key_Right);
  EXPECT_EQ(client.children(QAccessible::Focus, &view).value(1), 1);
  EXPECT_EQ(list->focusChild(), list->child(1));
  EXPECT_TRUE(list->child(1)->state().focused && list->child(1)->state().selected);
  EXPECT_FALSE(list->child(0)->state().focused || list->child(0)->state().selected);

  // Ticked by its action: the picture's box, and the client told.
  list->child(2)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(windows[2]->cbxParent()->isChecked());
  EXPECT_TRUE(list->child(2)->state().checked);
  EXPECT_EQ(client.children(QAccessible::StateChanged, &view), QList<int>({2}));

  // Closed by the view's action: its cell goes, the others keep theirs at their new rows.
  QAccessibleInterface* second = list->child(1);
  list->child(0)->actionInterface()->doAction(QStringLiteral("Close Picture Window"));
  EXPECT_EQ(client.children(QAccessible::ObjectDestroyed, &view), QList<int>({0}));
  ASSERT_EQ(list->childCount(), 2);
  EXPECT_EQ(list->child(0), second);
  EXPECT_EQ(second->text(QAccessible::Name), QStringLiteral("Picture 1"));
  open();
  EXPECT_EQ(client.children(QAccessible::ObjectCreated, &view), QList<int>({2}));
  EXPECT_EQ(list->child(2)->text(QAccessible::Name), QStringLiteral("Picture 3"));

  QSignalSpy activated(&view, &QAbstractItemView::activated);
  list->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  ASSERT_EQ(activated.size(), 1);
  EXPECT_EQ(activated.at(0).at(0).toModelIndex().row(), 1);
}

}  // namespace
}  // namespace pelorin
