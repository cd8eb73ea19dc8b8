#pragma once

#include "core/html/html_simple_tags.h"
#include "html/controls/OptionValues.h"

#include <QList>
#include <QString>

class QBoxLayout;
class QWidget;

// Alignment buttons of the simple tag dialogs; HtmlAlign::None is the
// "do not align" button and the value when nothing is selected.
using AlignOptions = OptionValues<HtmlAlign>;

// One alignment button: its name, its caption and the value it stands for.
struct AlignChoice {
    QString name;
    QString caption;
    HtmlAlign value;
};

// Puts into layout a caption label named labelName and under it one button
// per choice, added to options in the order given (their testing order). The
// button standing for selected starts selected.
void AddAlignButtons(QBoxLayout* layout, QWidget* parent, AlignOptions& options,
                     const QString& labelName, const QString& caption,
                     const QList<AlignChoice>& choices, HtmlAlign selected);
