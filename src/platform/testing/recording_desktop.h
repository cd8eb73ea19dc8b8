#pragma once

#include "platform/desktop_service.h"

#include <QStringList>

// Opens nothing; records every file handed to the desktop.
class RecordingDesktop : public DesktopService {
public:
    bool openFile(const QString& path, QWidget*) override {
        opened << path;
        return true;
    }

    QStringList opened;
};
