#pragma once

#include "platform/busy_cursor.h"

#include <QList>
#include <utility>

class RecordingBusyCursor : public BusyCursorService {
public:
    void setBusy(QWidget* form, bool busy) override { calls.append({form, busy}); }

    QList<std::pair<QWidget*, bool>> calls;
};
