#pragma once

#include "core/html/html_simple_tags.h"
#include "html/controls/OptionValues.h"

// Alignment buttons of the simple tag dialogs; HtmlAlign::None is the
// "do not align" button and the value when nothing is selected.
using AlignOptions = OptionValues<HtmlAlign>;
