#pragma once

#include <QString>

class QWidget;

// The desktop's own programs: a file opened in whatever program is
// registered for its type.
class DesktopService {
public:
    virtual ~DesktopService() = default;
    // Hands the local file to the desktop; false when nothing opened it.
    virtual bool openFile(const QString& path, QWidget* owner) = 0;
};

class QtDesktopService : public DesktopService {
public:
    bool openFile(const QString& path, QWidget* owner) override;
};
