#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <random>

#include "history/history_store.h"

namespace pelorin::history::testing {

// A genetic code of plausible values, the same for the same seed.
inline GeneticCodeValues SampleCode(unsigned seed) {
  std::mt19937_64 random(seed);
  std::uniform_real_distribution<float> unit(0.0f, 1.0f);
  GeneticCodeValues code;
  for (clsGene& gene : code) {
    gene.Length = static_cast<std::int16_t>(random() % 1000);
    gene.Width = static_cast<std::int16_t>(random() % 16 + 1);
    gene.Angle = (unit(random) * 2.0f) * 3.14159f;
    gene.ColorRed = static_cast<std::int16_t>(random() % 256);
    gene.ColorGreen = static_cast<std::int16_t>(random() % 256);
    gene.ColorBlue = static_cast<std::int16_t>(random() % 256);
    gene.Draw = random() % 2 ? kTrue16 : kFalse16;
  }
  return code;
}

// Options whose clock reads clock and moves it on a second: each record
// stands a second after the one before.
inline HistoryOptions SteppingClock(QDateTime& clock) {
  HistoryOptions options;
  options.now = [&clock] {
    clock = clock.addSecs(1);
    return clock.addSecs(-1);
  };
  return options;
}

// Bytes that are no database, the same for the same seed.
inline QByteArray RandomBytes(int size, unsigned seed) {
  std::mt19937 random(seed);
  QByteArray bytes(size, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random() & 0xff);
  return bytes;
}

// Writes bytes to path, making its folder; a test failure when it cannot.
inline void WriteBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

inline std::vector<std::int16_t> NumbersOf(const std::vector<RecordedPicture>& pictures) {
  std::vector<std::int16_t> numbers;
  for (const RecordedPicture& picture : pictures) numbers.push_back(picture.number);
  return numbers;
}

// Every value with its exact bits (NaN payloads and -0.0 included).
inline bool SameBits(const GeneticCodeValues& a, const GeneticCodeValues& b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    const clsGene& x = a[i];
    const clsGene& y = b[i];
    if (x.Length != y.Length || x.Width != y.Width || DoubleBits(x.Angle) != DoubleBits(y.Angle) ||
        x.ColorRed != y.ColorRed || x.ColorGreen != y.ColorGreen || x.ColorBlue != y.ColorBlue || x.Draw != y.Draw) {
      return false;
    }
  }
  return true;
}

// A picture made at random (no parents) or bred from parents, half the
// traits from each and gene 0's angle mutated.
inline NewPicture MadePicture(std::int16_t number, std::vector<std::int16_t> parents = {}) {
  NewPicture picture;
  picture.number = number;
  picture.code = SampleCode(static_cast<unsigned>(number) + 1);
  picture.rateBoxText = QStringLiteral(" 0.05");
  picture.nameBoxText = QStringLiteral("pic%1.txt").arg(number);
  PictureOrigin& origin = picture.origin;
  origin.rate = 0.05;
  origin.rateText = QStringLiteral("0.05");
  if (parents.empty()) {
    origin.how = PictureOrigin::How::Random;
    origin.sources.setAllMutated();
  } else {
    origin.how = PictureOrigin::How::Bred;
    origin.parents = std::move(parents);
    for (int gene = 0; gene < kGeneCount; ++gene) {
      for (int t = 0; t < kTraitCount; ++t) {
        origin.sources.setParent(gene, static_cast<Trait>(t), (gene + t) % static_cast<int>(origin.parents.size()));
      }
    }
    origin.sources.setMutated(0, Trait::Angle);
  }
  return picture;
}

// Runs sql on the file at path through a connection of its own (one that
// may write): its first value as text, or orElse when it gives none.
inline std::string QueryText(const QString& path, const char* sql, const char* orElse = "cannot open") {
  sqlite3* db = nullptr;
  std::string result = orElse;
  if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK && sqlite3_step(statement) == SQLITE_ROW &&
        sqlite3_column_text(statement, 0) != nullptr) {
      result = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    }
    sqlite3_finalize(statement);
  }
  sqlite3_close_v2(db);
  return result;
}

// The same as a number; -1 when it gives none.
inline std::int64_t QueryInt(const QString& path, const char* sql) { return std::stoll(QueryText(path, sql, "-1")); }

// PRAGMA integrity_check of the file.
inline std::string IntegrityOf(const QString& path) { return QueryText(path, "PRAGMA integrity_check"); }

inline QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A history in a folder of its own, checked for integrity after each test
// that left one.
class HistoryTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (QFile::exists(path)) {
      EXPECT_EQ(IntegrityOf(path), "ok");
    }
  }

  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("pelorin/history.sqlite"));
};

}  // namespace pelorin::history::testing
