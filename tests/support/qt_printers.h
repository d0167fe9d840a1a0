#pragma once

// How GoogleTest prints Qt's strings in a failure: as the text they hold. Without
// this, a QString counts as a container of QChar and prints as raw bytes. Every
// test file that compares Qt strings includes it, so that the whole test program
// prints them one way.

#include <QString>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE
