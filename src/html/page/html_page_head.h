#pragma once

#include <QString>

// The head of every whole page the program writes, for this program, its
// user and the present moment. HEAD is left open for the caller.
[[nodiscard]] QString HtmlDocumentHead();
