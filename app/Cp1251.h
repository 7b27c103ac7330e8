#pragma once

#include <QByteArray>
#include <QString>

// The single-byte Cyrillic code page of calculation texts and of documents that are neither UTF-8
// nor UTF-16, by the program's own table: no process-wide locale or codec state is read.
// Byte 0x98, which the code page leaves unassigned, stands for U+0098 both ways, so every
// byte survives a round trip.

// A character the code page cannot hold becomes "?", one per character (a surrogate pair
// included); NUL becomes a blank, so the bytes can be handed on as a NUL-terminated text.
QByteArray toCp1251(const QString& text);
QString fromCp1251(const QByteArray& bytes);
// True when toCp1251 would keep every character (NUL counts as kept).
bool fitsCp1251(const QString& text);
