#pragma once

#include "platform/desktop_service.h"

#include <QStringList>

// Opens nothing; records every file handed to the desktop and answers as
// a desktop with (or without) a program for it would.
class RecordingDesktop : public DesktopService {
public:
    bool openFile(const QString& path, QWidget*) override {
        opened << path;
        return opens;
    }

    QStringList opened;
    bool opens = true;
};
