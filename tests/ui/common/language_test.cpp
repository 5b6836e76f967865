#include "ui/common/language.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>

#include "support/gui_fixture.h"
#include "ui/common/label_fit.h"
#include "ui/dialogs/dialogs.h"
#include "ui/family_tree/family_tree_view.h"
#include "ui/family_tree/frm_family_tree.h"
#include "ui/history/frm_history.h"
#include "ui/main/history_keeper.h"
#include "ui/picture_window/picture_window_handle.h"

namespace pelorin {
namespace {

using testing::child;

TEST(Language, IsTheFirstOfTheUsersLanguagesThatIsEnglishOrTranslated) {
  // The user's languages, most wanted first, and the one chosen.
  const std::pair<const char*, const char*> choices[] = {{"de-DE en-US", "de"},
                                                         {"en-US de-DE", "en"},
                                                         {"pt-BR fr-CA de", "fr"},
                                                         {"fa-IR", "fa"},
                                                         {"fa_IR", "fa"},
                                                         {"pt-BR ja", "en"},
                                                         {"C", "en"},
                                                         {"", "en"},
                                                         {"en", "en"}};
  for (const auto& [languages, chosen] : choices) {
    EXPECT_EQ(ChooseLanguage(QString::fromLatin1(languages).split(u' ', Qt::SkipEmptyParts)), QLatin1String(chosen))
        << languages;
  }
  EXPECT_FALSE(UseLanguage(QStringLiteral("pt")));
}

// What each language shows, as its translator wrote it: the titles of the
// main window, the About Author dialog, the History window and picture 0's
// family tree; the Open and Save buttons; Qt's own Cancel.
struct Spoken {
  const char *language, *main, *open, *save, *dialog, *history, *tree, *cancel;
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
      // A check box's size hint; a push button's text with its margins (its
      // size hint would add the least width the style gives every button).
      const int needed = qobject_cast<const QCheckBox*>(button) != nullptr ? button->sizeHint().width()
                                                                           : textWidth(*button, button->font());
      EXPECT_LE(needed, button->width()) << button->objectName().toStdString();
      EXPECT_LE(button->sizeHint().height(), button->height()) << button->objectName().toStdString();
    }
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

  QTest::mouseClick(const_cast<QPushButton*>(open), Qt::LeftButton);
  const frmObject* picture = openWindowOf(0);
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
      if (id == DialogId::AboutAuthor) {
        EXPECT_EQ(dialog->windowTitle(), text(spoken.dialog));
      }
      EXPECT_EQ(dialog->layoutDirection(), spoken.direction);
      expectTextsFit(*dialog);
    }
  }

  const frmHistory& history = showHistoryWindow(main->history());
  EXPECT_EQ(history.windowTitle(), text(spoken.history));
  const frmFamilyTree* tree = &showFamilyTreeWindow(main->history(), *main->history().store()->pictureNumbered(0));
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
