// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <functional>

class QWidget;

// The text a text shown before a change of language has now; null where it is not a text
// of the program (a file name, a value) or did not change.
using Retranslation = std::function<QString(const QString& shown)>;

// Gives every caption, title, hint and header of root and of the widgets and windows below
// it the text of the new language, leaving values alone: the texts of edits and of
// editable combo boxes, list items, tree items. A hint that ends in keys ("Save (Ctrl+S)")
// names them anew; a text of several lines is taken line by line.
void retranslateTree(QWidget* root, const Retranslation& retranslation);
