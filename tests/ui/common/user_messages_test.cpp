#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <new>
#include <stdexcept>

#include "platform/failure.h"
#include "support/gui_fixture.h"

namespace pelorin {
namespace {

struct Thrown {
  const char* name;
  const char* doing;  // what was being done; null: nothing named
  std::function<void()> work;
  const char* text;  // null: nothing to report
};

class ReportFailures : public ::testing::TestWithParam<Thrown> {};

TEST_P(ReportFailures, ReportsWhatWasThrownByNameAndSwallowsIt) {
  testing::RecordingMessages messages;
  const Seam<UserMessages>::Scope recording(messages);
  QWidget parent;
  EXPECT_EQ(reportFailures(&parent, QString::fromLatin1(GetParam().doing), GetParam().work),
            GetParam().text == nullptr);
  EXPECT_EQ(&Seam<UserMessages>::current(), &messages);
  const QStringList expected = GetParam().text ? QStringList{QString::fromLatin1(GetParam().text)} : QStringList{};
  EXPECT_EQ(messages.texts, expected);
  EXPECT_EQ(messages.parents, QList<QWidget*>(expected.size(), &parent));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReportFailures,
    ::testing::Values(Thrown{"Nothing", nullptr, [] {}, nullptr},
                      Thrown{"Overflow", nullptr, [] { throw Failure(FailureKind::Overflow); }, "Overflow"},
                      Thrown{"FileFailure", nullptr,
                             [] { throw Failure(FailureKind::FileSystem, "a.txt", "Permission denied"); },
                             "File access error in \"a.txt\": Permission denied"},
                      Thrown{"StdException", nullptr, [] { throw std::runtime_error("bad index"); },
                             "Pelorin could not finish what it was doing: an unexpected error occurred."},
                      Thrown{"LibraryTextWhileSaving", "saving picture 3 to \"a.txt\"",
                             [] { throw std::runtime_error("basic_filebuf::underflow"); },
                             "Could not finish saving picture 3 to \"a.txt\": an unexpected error occurred."},
                      Thrown{"OutOfMemoryWhileSaving", "saving picture 3 to \"a.txt\"", [] { throw std::bad_alloc(); },
                             "Could not finish saving picture 3 to \"a.txt\": not enough memory."},
                      Thrown{"Anything", nullptr, [] { throw 7; },
                             "Pelorin could not finish what it was doing: an unexpected error occurred."}),
    [](const auto& info) { return std::string(info.param.name); });

// A replacement written before questions existed answers every one no, so
// nothing that needs a yes is done behind the user's back.
TEST(UserMessagesQuestion, UnlessAReplacementAnswersItIsAnsweredNo) {
  class FailuresOnly final : public UserMessages {
   public:
    void showFailure(QWidget*, const QString&, const QString&) override {}
  } failuresOnly;
  EXPECT_FALSE(failuresOnly.askYesNo(nullptr, QStringLiteral("Forget Run"), QStringLiteral("Forget?")));
}

// Messages name files, which may look like markup: the standard boxes show
// their texts as written.
TEST(StandardMessageBox, ShowsItsTextAsPlainText) {
  const QString text = QStringLiteral("Could not save to \"<b>bold<i>it \"q\" 'x' &amp; <img src=x>.txt\"");
  for (const bool question : {false, true}) {
    QString shown = QStringLiteral("no box");
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      shown = box->textFormat() == Qt::PlainText ? box->text() : QStringLiteral("not plain: ") + box->text();
      box->done(0);
    });
    if (question) {
      EXPECT_FALSE(UserMessages::standard().askYesNo(nullptr, "Pelorin", text));
    } else {
      UserMessages::standard().showFailure(nullptr, "Pelorin", text);
    }
    EXPECT_EQ(shown, text) << question;
  }
}

}  // namespace
}  // namespace pelorin
