#pragma once
// The corpus of ORT files that ort_corpus runs through the editor: the
// written files of every New ORT, first-generation files made from them, and
// mutants of the user record of each generation with the header and CRC
// made valid again. Everything is derived from the bytes of the written
// files and a fixed seed, so two builds that write the same New ORTs get the
// same corpus.

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>

namespace ort_corpus {

// A file of the corpus: a base file (shared, not copied), with `Patch`
// written at `At` and the CRC made to fit again when At is not -1. `Target`
// picks the configuration it is opened into: an index into the choices that
// hold a user partition, or -1 for every choice.
struct Corpus_File {
    QString Id;
    QByteArray Base;
    int Target = -1;
    qsizetype At = -1;
    QByteArray Patch;

    QByteArray Bytes() const;
};

// The written files the mutants start from: a user-only and a composite file
// of each written user generation (8, 11, 14). The first generation is made
// from the generation-11 files.
struct Base_Files {
    QByteArray User_8, Composite_9;
    QByteArray User_11, Composite_12;
    QByteArray User_14, Composite_15;
};

// Generation-1 files (types 4, 5 and 6) made from the written files.
QList<Corpus_File> First_Generation_Files(const Base_Files& bases);

// Mutants of the user record of each generation (5, 8, 11, 14), in its
// user-only or its composite file, drawn from a fixed seed: outside the
// tables and in the first two and the last entry of each table every byte
// takes 0x00, 0xFF, 0x7F, 0x80, its value + 1 and - 1, and every even
// offset the words 0x7FFF, 0x8000, 0xFFFF; every other table entry one
// drawn byte and value. Then damaged headers, a wrong CRC and cut or
// lengthened files. Each has a target among `target_count` choices.
QList<Corpus_File> Mutant_Files(const Base_Files& bases, int target_count);

// Makes the CRC at the end of a file image fit the data between the header
// and the CRC.
void Refit_CRC(QByteArray& file);

} // namespace ort_corpus
