#include "platform/window_ownership.h"

Qt::WindowFlags ModelessWindowFlags(const QWidget* owner) {
    if (owner == nullptr)
        return Qt::Window;
    return Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
}
