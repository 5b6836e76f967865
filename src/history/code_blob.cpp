#include "history/code_blob.h"

#include <zlib.h>

#include <QCoreApplication>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <optional>

#include "platform/failure.h"

namespace pelorin::history {

namespace {

// Format byte: kDeflated when the rest is a raw deflate stream (small
// window and memory: the values are under 2 KiB, and zlib's defaults would
// cost a large allocation per call), kPlain when compressing gained nothing.
constexpr char kPlain = 0, kDeflated = 1;
constexpr int kWindowBits = 11, kMemLevel = 2;

// Column order, so that like bytes sit together: the six 16-bit traits of
// all genes, then the 64 angles.
constexpr int kShortTraits = 6;
constexpr int kCodeBytes = clsGenSeq::kGeneCount * (kShortTraits * 2 + 8);
// The most a blob holds: a genetic code, or wide trait sources.
constexpr int kLargestRaw = std::max(kCodeBytes, 2 * TraitSources::kCount);

// One deflate stream per thread, reset for each blob: setting a stream up
// costs more than deflating the few hundred bytes of a blob.
class Deflater {
 public:
  Deflater() {
    ready_ = deflateInit2(&stream_, kLevel, Z_DEFLATED, -kWindowBits, kMemLevel, Z_DEFAULT_STRATEGY) == Z_OK;
  }
  ~Deflater() {
    if (ready_) deflateEnd(&stream_);
  }
  Deflater(const Deflater&) = delete;
  Deflater& operator=(const Deflater&) = delete;

  // The raw deflate stream of in, into out (capacity bytes); its size, or
  // none when it does not fit.
  std::optional<qsizetype> deflateInto(const QByteArray& in, char* out, qsizetype capacity) {
    if (!ready_ || deflateReset(&stream_) != Z_OK) return std::nullopt;
    stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.constData()));
    stream_.avail_in = static_cast<uInt>(in.size());
    stream_.next_out = reinterpret_cast<Bytef*>(out);
    stream_.avail_out = static_cast<uInt>(capacity);
    if (deflate(&stream_, Z_FINISH) != Z_STREAM_END) return std::nullopt;
    return static_cast<qsizetype>(stream_.total_out);
  }

 private:
  // Blobs of a few hundred bytes, mostly runs: the fastest level finds
  // nearly all there is to find.
  static constexpr int kLevel = Z_BEST_SPEED;
  z_stream stream_{};
  bool ready_ = false;
};

QByteArray pack(const QByteArray& raw, bool deflated) {
  QByteArray blob(1 + raw.size(), Qt::Uninitialized);
  if (deflated) {
    thread_local Deflater deflater;
    // Must gain at least a byte.
    if (const auto size = deflater.deflateInto(raw, blob.data() + 1, raw.size() - 1)) {
      blob[0] = kDeflated;
      blob.resize(1 + *size);
      return blob;
    }
  }
  blob[0] = kPlain;
  std::memcpy(blob.data() + 1, raw.constData(), static_cast<std::size_t>(raw.size()));
  return blob;
}

QByteArray unpack(const QByteArray& blob) {
  if (blob.isEmpty())
    throw Failure(FailureKind::TypeMismatch, {},
                  QCoreApplication::translate("pelorin::history::CodeBlob", "empty record"));
  if (blob[0] == kPlain) return blob.mid(1);
  if (blob[0] == kDeflated) {
    QByteArray raw(kLargestRaw, Qt::Uninitialized);
    z_stream stream{};
    if (inflateInit2(&stream, -kWindowBits) == Z_OK) {
      stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(blob.constData() + 1));
      stream.avail_in = static_cast<uInt>(blob.size() - 1);
      stream.next_out = reinterpret_cast<Bytef*>(raw.data());
      stream.avail_out = static_cast<uInt>(raw.size());
      const bool done = inflate(&stream, Z_FINISH) == Z_STREAM_END;
      const auto size = static_cast<qsizetype>(stream.total_out);
      inflateEnd(&stream);
      if (done) {
        raw.resize(size);
        return raw;
      }
    }
  }
  throw Failure(FailureKind::TypeMismatch, {},
                QCoreApplication::translate("pelorin::history::CodeBlob", "unreadable record"));
}

// The t-th 16-bit trait of a gene (const or not), in the stored order.
template <typename Gene>
auto* shortTrait(Gene& gene, int t) {
  switch (t) {
    case 0: return &gene.Length;
    case 1: return &gene.Width;
    case 2: return &gene.ColorRed;
    case 3: return &gene.ColorGreen;
    case 4: return &gene.ColorBlue;
    default: return &gene.Draw;
  }
}

}  // namespace

GeneticCodeValues ValuesOf(clsGenSeq& code) {
  GeneticCodeValues values;
  for (std::int16_t i = 0; i < clsGenSeq::kGeneCount; ++i) values[static_cast<std::size_t>(i)] = *code.GetGene(i);
  return values;
}

void CopyInto(const GeneticCodeValues& values, clsGenSeq& code) {
  for (std::int16_t i = 0; i < clsGenSeq::kGeneCount; ++i) *code.GetGene(i) = values[static_cast<std::size_t>(i)];
}

std::int64_t DoubleBits(double value) {
  std::int64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

double DoubleFromBits(std::int64_t bits) {
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

QByteArray EncodeCode(const GeneticCodeValues& values) {
  QByteArray raw(kCodeBytes, Qt::Uninitialized);
  char* out = raw.data();
  for (int t = 0; t < kShortTraits; ++t) {
    for (const clsGene& gene : values) {
      qToLittleEndian<std::int16_t>(*shortTrait(gene, t), out);
      out += 2;
    }
  }
  for (const clsGene& gene : values) {
    qToLittleEndian<std::int64_t>(DoubleBits(gene.Angle), out);
    out += 8;
  }
  return pack(raw, false);
}

GeneticCodeValues DecodeCode(const QByteArray& blob) {
  const QByteArray raw = unpack(blob);
  if (raw.size() != kCodeBytes)
    throw Failure(FailureKind::TypeMismatch, {},
                  QCoreApplication::translate("pelorin::history::CodeBlob", "genetic code of wrong size"));
  GeneticCodeValues values;
  const char* in = raw.constData();
  for (int t = 0; t < kShortTraits; ++t) {
    for (clsGene& gene : values) {
      *shortTrait(gene, t) = qFromLittleEndian<std::int16_t>(in);
      in += 2;
    }
  }
  for (clsGene& gene : values) {
    gene.Angle = DoubleFromBits(qFromLittleEndian<std::int64_t>(in));
    in += 8;
  }
  return values;
}

// One code per trait in the order gene by gene, trait by trait: 0 unset,
// 1 mutated, 2 read, 3 + p parent position p. One byte each while every code
// fits, otherwise two (little-endian) for all; the length tells which.
QByteArray EncodeSources(const TraitSources& sources) {
  std::array<int, TraitSources::kCount> codes{};
  bool wide = false;
  for (int gene = 0; gene < kGeneCount; ++gene) {
    for (int t = 0; t < kTraitCount; ++t) {
      const TraitSources::Source source = sources.at(gene, static_cast<Trait>(t));
      const int code = source.kind == TraitSources::Kind::Parent ? 3 + source.parent : static_cast<int>(source.kind);
      codes[static_cast<std::size_t>(gene * kTraitCount + t)] = code;
      wide = wide || code > 0xff;
    }
  }
  QByteArray raw;
  raw.reserve(TraitSources::kCount * (wide ? 2 : 1));
  for (int code : codes) {
    if (wide) {
      char bytes[2];
      qToLittleEndian<std::uint16_t>(static_cast<std::uint16_t>(code), bytes);
      raw.append(bytes, 2);
    } else {
      raw.append(static_cast<char>(code));
    }
  }
  return pack(raw, true);
}

TraitSources DecodeSources(const QByteArray& blob) {
  const QByteArray raw = unpack(blob);
  const bool wide = raw.size() == 2 * TraitSources::kCount;
  if (!wide && raw.size() != TraitSources::kCount) {
    throw Failure(FailureKind::TypeMismatch, {},
                  QCoreApplication::translate("pelorin::history::CodeBlob", "trait sources of wrong size"));
  }
  TraitSources sources;
  for (int i = 0; i < TraitSources::kCount; ++i) {
    const int code =
        wide ? qFromLittleEndian<std::uint16_t>(raw.constData() + 2 * i) : static_cast<std::uint8_t>(raw[i]);
    const int gene = i / kTraitCount;
    const auto trait = static_cast<Trait>(i % kTraitCount);
    switch (code) {
      case 0: break;
      case 1: sources.setMutated(gene, trait); break;
      case 2: sources.setRead(gene, trait); break;
      default: sources.setParent(gene, trait, code - 3); break;
    }
  }
  return sources;
}

}  // namespace pelorin::history
