#include "ui/common/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <memory>

namespace pelorin {

namespace {

// Qt takes the layout direction from this text of the installed
// translations: "RTL" in a right-to-left language, else "LTR".
[[maybe_unused]] constexpr const char* kLayoutDirection = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

QString translationOf(const QString& language) { return QStringLiteral(":/translations/pelorin_%1.qm").arg(language); }

bool isEnglish(const QString& name) { return name == u"en" || name.startsWith(u"en_"); }

// The installed translators, owned by the application.
QPointer<QTranslator>& pelorinTranslator() {
  static QPointer<QTranslator> translator;
  return translator;
}

QPointer<QTranslator>& qtTranslator() {
  static QPointer<QTranslator> translator;
  return translator;
}

void removeTranslator(QPointer<QTranslator>& translator) {
  if (translator.isNull()) return;
  QCoreApplication::removeTranslator(translator);
  delete translator.data();
}

}  // namespace

QString ChooseLanguage(const QStringList& uiLanguages) {
  for (const QString& entry : uiLanguages) {
    const QString whole = QString(entry).replace(u'-', u'_');
    for (const QString& name : {whole, whole.section(u'_', 0, 0)}) {
      if (isEnglish(name)) return QStringLiteral("en");
      if (!name.isEmpty() && QFile::exists(translationOf(name))) return name;
    }
  }
  return QStringLiteral("en");
}

bool UseLanguage(const QString& language) {
  removeTranslator(pelorinTranslator());
  removeTranslator(qtTranslator());
  if (isEnglish(language)) return true;
  auto pelorin = std::make_unique<QTranslator>(QCoreApplication::instance());
  if (language.isEmpty() || !pelorin->load(translationOf(language))) return false;
  // Qt's own first: a translator installed later is asked first, so
  // Pelorin's word on the layout direction is the one that counts.
  auto qt = std::make_unique<QTranslator>(QCoreApplication::instance());
  if (qt->load(QStringLiteral("qtbase_%1").arg(language), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt.get());
    qtTranslator() = qt.release();
  }
  QCoreApplication::installTranslator(pelorin.get());
  pelorinTranslator() = pelorin.release();
  return true;
}

}  // namespace pelorin
