#pragma once

#include <QByteArray>
#include <QString>
#include <istream>

#include "genetics/traits.h"

namespace pelorin {

class clsGenSeq;
class TraitSources;

// The genetic code file's text: for each gene 0..63 the lines Angle (at most
// 15 significant digits), ColorBlue, ColorGreen, ColorRed, Draw ("True" or
// "False"), Length, Width, then an empty line; 512 lines, each ending in
// CR LF. Values come through the GetG... accessors. ASCII only: an angle
// takes the user's decimal separator where it is '.' or ',' and '.' where it
// is any other; negative zero is "0".
QByteArray GeneticCodeText(clsGenSeq& code);

// An Angle line's text as the writer writes it: at most 15 significant
// digits, with the user's decimal separator where it is '.' or ',', else '.'.
QString AngleLineText(double angle);

// The line the writer writes for one trait of gene: the angle as
// AngleLineText, Draw as "True" or "False", any other as plain digits.
QString TraitLineText(const clsGene& gene, Trait trait);

// Writes the genetic code file path, replacing any existing file as a whole.
// Fails with FileSystem naming the path; on failure an existing file is left
// as it was (see WriteFileAtomically). Returns the bytes written
// (GeneticCodeText).
QByteArray SaveGeneticCode(clsGenSeq& code, const QString& path);

// Reads genetic code records from in into code, with mutation at rate: gene
// by gene while genes remain and the stream has
// bytes left, one reseed per record, then per trait in record order one
// mutation test; a mutated trait's line is read and dropped and the trait's
// generator called, an inherited trait's line converted and stored. The
// eighth line of a record is dropped unread. A UTF-8 byte-order mark before
// the first line is skipped. A number is read the same under every number
// setting: ASCII digits, '.' or ',' as the decimal separator, no group
// separators ("1,125" is 1.125, as the writer never groups digits). Fails
// with TypeMismatch or Overflow for a line that does not convert,
// InputPastEndOfFile for a file ending inside a record, FileSystem (naming
// no file) when the stream cannot be read; what was stored before stays.
// Returns how many records it read. When given, sources learns which traits
// were read and which mutated; recording draws nothing.
int ReadGeneticCode(std::istream& in, clsGenSeq& code, double rate, TraitSources* sources = nullptr);

// Reads text that must hold a whole genetic code, all 64 records, as
// ReadGeneticCode does, at rate. A text of
// fewer records fails with InputPastEndOfFile at the first missing line.
// Failures name source in place of a file ("the clipboard text"). A leading
// byte-order mark is skipped; other characters beyond Latin-1 are read as '?'.
void ReadWholeGeneticCode(const QString& text, const QString& source, clsGenSeq& code, double rate,
                          TraitSources* sources = nullptr);

}  // namespace pelorin
