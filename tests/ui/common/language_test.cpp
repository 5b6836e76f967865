#include "ui/common/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>

#include "support/gui_fixture.h"
#include "ui/dialogs/dialogs.h"
#include "ui/family_tree/family_tree_view.h"
#include "ui/family_tree/frm_family_tree.h"
#include "ui/history/frm_history.h"
#include "ui/main/history_keeper.h"

namespace pelorin {
namespace {

using testing::child;

struct Choice {
  QStringList uiLanguages;
  const char* chosen;
};

TEST(Language, IsTheFirstOfTheUsersLanguagesThatIsEnglishOrTranslated) {
  const Choice choices[] = {
      {{"de-DE", "en-US"}, "de"},
      {{"en-US", "de-DE"}, "en"},
      {{"pt-BR", "fr-CA", "de"}, "fr"},
      {{"fa-IR"}, "fa"},
      {{"fa_IR"}, "fa"},
      {{"pt-BR", "ja"}, "en"},
      {{"C"}, "en"},
      {{}, "en"},
      {{"en"}, "en"},
  };
  for (const Choice& choice : choices) {
    EXPECT_EQ(ChooseLanguage(choice.uiLanguages), QLatin1String(choice.chosen))
        << choice.uiLanguages.join(u' ').toStdString();
  }
  EXPECT_FALSE(UseLanguage(QStringLiteral("pt")));
}

// What each language shows, as its translator wrote it.
struct Spoken {
  const char* language;
  const char* main;     // the main window's title
  const char* open;     // its Open button
  const char* save;     // a picture window's Save button
  const char* dialog;   // the About Author dialog's title
  const char* history;  // the History window's title
  const char* tree;     // the family tree window's title, of picture 0
  const char* cancel;   // Qt's own Cancel button
  Qt::LayoutDirection direction;
};

class Languages : public ::testing::TestWithParam<Spoken> {
 protected:
  Languages() { EXPECT_TRUE(UseLanguage(QString::fromLatin1(GetParam().language))); }
  ~Languages() override { UseLanguage(QStringLiteral("en")); }

  // Every label's text lies whole inside its box and the window, and every
  // button's and check box's text fits its control.
  static void expectTextsFit(const QWidget& window) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
      if (label->text().isEmpty() || label->parentWidget()->layout() != nullptr) continue;
      const QRect box = label->geometry() & label->parentWidget()->rect();
      const QRectF needed = QFontMetricsF(label->font())
                                .boundingRect(QRectF(QPointF(0, 0), QSizeF(box.size())),
                                              Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, label->text());
      EXPECT_LE(needed.width(), box.width() + 0.5) << label->objectName().toStdString();
      EXPECT_LE(needed.height(), box.height() + 0.5) << label->objectName().toStdString();
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
      if (button->parentWidget()->layout() != nullptr) continue;
      EXPECT_LE(textWidth(*button), button->width()) << button->objectName().toStdString();
      EXPECT_LE(button->sizeHint().height(), button->height()) << button->objectName().toStdString();
    }
  }

  // No two items of one menu, and no two buttons of one window, share a key.
  static void expectKeysDiffer(const QWidget& window) {
    const auto expectDistinct = [](const QStringList& texts, const QString& where) {
      QSet<QKeySequence> keys;
      for (const QString& itemText : texts) {
        const QKeySequence key = QKeySequence::mnemonic(itemText);
        if (key.isEmpty()) continue;
        EXPECT_FALSE(keys.contains(key)) << itemText.toStdString() << " in " << where.toStdString();
        keys.insert(key);
      }
    };
    for (const QMenu* menu : window.findChildren<QMenu*>()) {
      QStringList texts;
      for (const QAction* action : menu->actions()) texts << action->text();
      expectDistinct(texts, menu->objectName());
    }
    QStringList texts;
    for (const QMenuBar* bar : window.findChildren<QMenuBar*>()) {
      for (const QAction* action : bar->actions()) texts << action->text();
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) texts << button->text();
    expectDistinct(texts, window.objectName());
  }

  // A check box's size hint; a push button's without the style's smallest
  // width, which no fixed button of the windows ever had.
  static int textWidth(const QAbstractButton& button) {
    if (qobject_cast<const QCheckBox*>(&button) != nullptr) return button.sizeHint().width();
    const QStyle* style = button.style();
    return button.fontMetrics().size(Qt::TextShowMnemonic, button.text()).width() +
           style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
           2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
  }
};

TEST_P(Languages, WindowsSpeakItAndEveryTextFitsItsControl) {
  const Spoken& spoken = GetParam();
  const auto text = [](const char* utf8) { return QString::fromUtf8(utf8); };
  EXPECT_EQ(QApplication::layoutDirection(), spoken.direction);

  const QTemporaryDir dir;
  auto main = std::make_unique<frmMain>();
  main->history().openHistory(dir.filePath(QStringLiteral("history.sqlite")));
  main->show();
  EXPECT_EQ(main->windowTitle(), text(spoken.main));
  EXPECT_EQ(main->layoutDirection(), spoken.direction);
  const auto* open = child<QPushButton>(*main, "btnOpen");
  EXPECT_EQ(open->text(), text(spoken.open));
  // The Open button 120 twips (8 pixels) from the window's leading edge.
  const QWidget* client = open->parentWidget();
  EXPECT_EQ(spoken.direction == Qt::RightToLeft ? client->width() - open->geometry().right() - 1 : open->x(), 8);
  expectTextsFit(*main);
  expectKeysDiffer(*main);

  QTest::mouseClick(const_cast<QPushButton*>(open), Qt::LeftButton);
  const frmObject* picture = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* form = qobject_cast<frmObject*>(widget); form != nullptr && form->isVisible()) picture = form;
  }
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(child<QPushButton>(*picture, "btnSave")->text(), text(spoken.save));
  expectTextsFit(*picture);
  // The picture stands mirrored in its window, as the other controls do.
  const QWidget* drawn = child<QWidget>(*picture, "picDraw");
  EXPECT_EQ(spoken.direction == Qt::RightToLeft ? picture->width() - drawn->geometry().right() - 1 : drawn->x(), 96);

  {
    Dialogs dialogs;
    for (DialogId id : {DialogId::ErrorMR, DialogId::AboutAuthor, DialogId::AboutQuorvel, DialogId::AboutPelorin,
                        DialogId::License, DialogId::Info}) {
      const QWidget* dialog = dialogs.load(id);
      if (id == DialogId::AboutAuthor) EXPECT_EQ(dialog->windowTitle(), text(spoken.dialog));
      EXPECT_EQ(dialog->layoutDirection(), spoken.direction);
      expectTextsFit(*dialog);
    }
  }

  const frmHistory& history = showHistoryWindow(main->history());
  EXPECT_EQ(history.windowTitle(), text(spoken.history));
  expectKeysDiffer(history);
  child<QAction>(*picture, "actFamilyTree")->trigger();
  frmFamilyTree* tree = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* shown = qobject_cast<frmFamilyTree*>(widget)) tree = shown;
  }
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(tree->windowTitle(), text(spoken.tree));
  EXPECT_EQ(tree->view().layoutDirection(), Qt::LeftToRight);  // a drawing, never mirrored
  EXPECT_TRUE(QTest::qWaitFor([&] { return !tree->layingOut(); }, 10000));

  {
    const QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), text(spoken.cancel));
  }
  testing::endProgram(main);
}

INSTANTIATE_TEST_SUITE_P(All, Languages,
                         ::testing::Values(Spoken{"en", "Main", "Open", "Save", "About Author", "History",
                                                  "Family tree of picture 0", "Cancel", Qt::LeftToRight},
                                           Spoken{"de", "Hauptfenster", "Öffnen", "Speichern", "Über den Autor",
                                                  "Verlauf", "Stammbaum von Bild 0", "Abbrechen", Qt::LeftToRight},
                                           Spoken{"fr", "Fenêtre principale", "Ouvrir", "Enregistrer",
                                                  "À propos de l'auteur", "Historique",
                                                  "Arbre généalogique de l'image 0", "Annuler", Qt::LeftToRight},
                                           Spoken{"fa", "پنجرهٔ اصلی", "باز کردن", "ذخیره", "دربارهٔ نویسنده", "تاریخچه",
                                                  "شجره‌نامهٔ تصویر 0", "انصراف", Qt::RightToLeft}),
                         [](const auto& info) { return std::string(info.param.language); });

}  // namespace
}  // namespace pelorin
