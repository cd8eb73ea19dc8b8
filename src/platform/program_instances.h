#pragma once

#include <QString>

// Starts more instances of the running program.
class InstanceService {
public:
    virtual ~InstanceService() = default;
    // Starts the program's own executable again, with no arguments, in
    // workingFolder; false when it could not be started.
    virtual bool startSecondInstance(const QString& workingFolder) = 0;
};

class QtInstanceService : public InstanceService {
public:
    bool startSecondInstance(const QString& workingFolder) override;
};
