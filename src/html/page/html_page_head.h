#pragma once

#include "core/html/html_new_page.h"

#include <QString>
#include <functional>

// The head of every whole page the program writes, for this program, its
// user and the present moment. HEAD is left open for the caller.
[[nodiscard]] QString HtmlDocumentHead();

// Replaces the whole document by the page built around its text, as one
// edit, and selects the part of the page the builder names.
void WritePageAround(const std::function<NewPage(const QString& oldText)>& build);
