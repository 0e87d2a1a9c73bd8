#pragma once

#include <QString>
#include <QStringList>

// The text of the about box: the program and its version, how to fill the three address
// boxes, and the terms it comes under.
namespace AboutText {

// One entry per paragraph, in reading order; an empty entry is an empty line.
QStringList paragraphs();
// The same paragraphs as rich text for a text browser, one line each.
QString html();

} // namespace AboutText
